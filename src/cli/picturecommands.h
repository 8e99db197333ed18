#pragma once
// The commands of zuvomatic-cli that draw: they need Qt Gui, so they live in a module that the
// tool loads only for them (picturemodule.h); the other commands start without Gui.

#include "cli/commandparser.h"

#include <QStringList>
#include <QTextStream>

namespace zuvo::cli {

// render FILE -o OUT.svg|OUT.pdf|OUT.png [--grid]
extern const CommandSyntax RenderSyntax;
int commandRender(const QStringList &args, QTextStream &out, QTextStream &err);

// cards -o OUT.pdf
extern const CommandSyntax CardsSyntax;
int commandCards(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace zuvo::cli
