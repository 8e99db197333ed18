#pragma once
// Makes the real editor window for the controller. The editor, with everything it alone needs
// (printing, the simulator, sending, the drawing of programs), is a module of its own that the
// program loads at the first GO!, behind the wait window: none of it is loaded at start.

#include <QString>
#include <QStringList>

class QWidget;

namespace zuvo {

// The module's entry points: MakeEditorWindow and KeepEditorWork inside it.
using MakeEditorFunction = QWidget *(*)(int editorStartMode, const QStringList &commandLineWords,
                                        const QString &robotFile);
inline constexpr char MakeEditorSymbol[] = "zuvoMakeEditorWindow";
using KeepEditorWorkFunction = void (*)(QWidget *editor, bool ending);
inline constexpr char KeepEditorWorkSymbol[] = "zuvoKeepEditorWork";

// robotFile, when not empty, is opened into the first program slot once the editor is up, as the
// open command would open it (a robot file the desktop started the program with). The editor keeps
// copies of its unsaved programs in the user's state folder and, once its start request and the
// file are in, offers back those of a program that did not end normally. When the editor module
// cannot be loaded, says so in a message box and gives nothing.
QWidget *MakeEditorWindow(int editorStartMode, const QStringList &commandLineWords,
                          const QString &robotFile = QString());

// The program ends by force (ending) or the desktop saves its session: the editor, when it is up,
// writes the copies of its unsaved programs now.
void KeepEditorWork(QWidget *editor, bool ending);

} // namespace zuvo
