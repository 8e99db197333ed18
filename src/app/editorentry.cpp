// The entry points of the loadable editor module.

#include "app/editorfactory.h"
#include "editor/editorwindow.h"
#include "model/recoverystore.h"

#include <QTimer>
#include <type_traits>

extern "C" Q_DECL_EXPORT QWidget *zuvoMakeEditorWindow(int editorStartMode,
                                                       const QStringList &commandLineWords,
                                                       const QString &robotFile)
{
    auto *editor = new zuvo::EditorWindow(editorStartMode, commandLineWords);
    editor->session().EnableRecovery(zuvo::RecoveryStateFolder(), zuvo::CurrentProcessIdentity());
    // After the window's first showing (which loads a sample set), so that a refusal's message
    // box and the restore question stand over it; the file first, so that it keeps its slot.
    QTimer::singleShot(0, editor, [editor, robotFile] {
        if (!robotFile.isEmpty())
            editor->session().OpenRobotFileAt(robotFile);
        editor->session().OfferRecovery();
    });
    return editor;
}

extern "C" Q_DECL_EXPORT void zuvoKeepEditorWork(QWidget *editor, bool ending)
{
    if (auto *window = qobject_cast<zuvo::EditorWindow *>(editor))
        window->keepWork(ending);
}

// Checked at compile time: the entry points have the types the loader expects.
static_assert(std::is_same_v<decltype(&zuvoMakeEditorWindow), zuvo::MakeEditorFunction>);
static_assert(std::is_same_v<decltype(&zuvoKeepEditorWork), zuvo::KeepEditorWorkFunction>);
