#pragma once
// Makes the real editor window for the controller.

#include <QString>
#include <QStringList>

class QWidget;

namespace zuvo {

// robotFile, when not empty, is opened into the first program slot once the editor is up, as the
// open command would open it (a robot file the desktop started the program with).
QWidget *MakeEditorWindow(int editorStartMode, const QStringList &commandLineWords,
                          const QString &robotFile = QString());

} // namespace zuvo
