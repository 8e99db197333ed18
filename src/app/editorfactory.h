#pragma once
// Makes the real editor window for the controller.

#include <QString>
#include <QStringList>

class QWidget;

namespace zuvo {

// robotFile, when not empty, is opened into the first program slot once the editor is up, as the
// open command would open it (a robot file the desktop started the program with). The editor keeps
// copies of its unsaved programs in the user's state folder and, once its start request and the
// file are in, offers back those of a program that did not end normally.
QWidget *MakeEditorWindow(int editorStartMode, const QStringList &commandLineWords,
                          const QString &robotFile = QString());

// The program ends by force (ending) or the desktop saves its session: the editor, when it is up,
// writes the copies of its unsaved programs now.
void KeepEditorWork(QWidget *editor, bool ending);

} // namespace zuvo
