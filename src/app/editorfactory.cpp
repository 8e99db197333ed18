#include "app/editorfactory.h"

#include "editor/editorwindow.h"

#include <QTimer>

namespace zuvo {

QWidget *MakeEditorWindow(int editorStartMode, const QStringList &commandLineWords,
                          const QString &robotFile)
{
    auto *editor = new EditorWindow(editorStartMode, commandLineWords);
    if (!robotFile.isEmpty()) {
        // After the window's first showing, so that a refusal's message box stands over it.
        QTimer::singleShot(0, editor,
                           [editor, robotFile] { editor->session().OpenRobotFileAt(robotFile); });
    }
    return editor;
}

} // namespace zuvo
