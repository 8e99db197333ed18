#pragma once
// The list of every picture compiled into the program, with the size in pixels that the windows
// lay it out at. Used to check that nothing is missing and to lay out preview sheets.

#include <QList>
#include <QSize>
#include <QString>

namespace zuvo {

struct ArtworkEntry
{
    QString path; // resource path, ":/icons/icon_00.svg"
    QSize size; // natural size: the size the windows show it at (stretched frames: design size)
};

const QList<ArtworkEntry> &artworkCatalogue();

} // namespace zuvo
