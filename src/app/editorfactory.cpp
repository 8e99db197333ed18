#include "app/editorfactory.h"

#include "editor/editorwindow.h"

namespace zuvo {

QWidget *MakeEditorWindow(int editorStartMode, const QStringList &commandLineWords)
{
    return new EditorWindow(editorStartMode, commandLineWords);
}

} // namespace zuvo
