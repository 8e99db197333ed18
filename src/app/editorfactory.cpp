#include "app/editorfactory.h"

#include "editor/editorwindow.h"
#include "model/recoverystore.h"

#include <QTimer>

namespace zuvo {

QWidget *MakeEditorWindow(int editorStartMode, const QStringList &commandLineWords,
                          const QString &robotFile)
{
    auto *editor = new EditorWindow(editorStartMode, commandLineWords);
    editor->session().EnableRecovery(RecoveryStateFolder(), CurrentProcessIdentity());
    // After the window's first showing (which loads a sample set), so that a refusal's message
    // box and the restore question stand over it; the file first, so that it keeps its slot.
    QTimer::singleShot(0, editor, [editor, robotFile] {
        if (!robotFile.isEmpty())
            editor->session().OpenRobotFileAt(robotFile);
        editor->session().OfferRecovery();
    });
    return editor;
}

void KeepEditorWork(QWidget *editor, bool ending)
{
    if (auto *window = qobject_cast<EditorWindow *>(editor))
        window->keepWork(ending);
}

} // namespace zuvo
