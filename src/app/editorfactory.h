#pragma once
// Makes the real editor window for the controller.

#include <QStringList>

class QWidget;

namespace zuvo {

QWidget *MakeEditorWindow(int editorStartMode, const QStringList &commandLineWords);

} // namespace zuvo
