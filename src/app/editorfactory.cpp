#include "app/editorfactory.h"

#include "model/loadablemodule.h"

#include <QMessageBox>

namespace zuvo {

namespace {

ModuleEntry editorModuleEntry(const char *symbol)
{
    return LoadModuleEntry(
        ModulePaths(QStringLiteral("zuvo_editor"), QStringLiteral(ZUVO_EDITOR_MODULE)), symbol);
}

} // namespace

QWidget *MakeEditorWindow(int editorStartMode, const QStringList &commandLineWords,
                          const QString &robotFile)
{
    const ModuleEntry entry = editorModuleEntry(MakeEditorSymbol);
    if (entry.function)
        return reinterpret_cast<MakeEditorFunction>(entry.function)(editorStartMode,
                                                                    commandLineWords, robotFile);
    QMessageBox refusal(QMessageBox::Critical, QStringLiteral("Zuvomatic"),
                        QStringLiteral(u"編集画面を読み込めません。\n") + entry.reason,
                        QMessageBox::Ok);
    refusal.exec();
    return nullptr;
}

void KeepEditorWork(QWidget *editor, bool ending)
{
    // An editor exists only once the module is loaded; then this finds it loaded.
    if (!editor)
        return;
    static const ModuleEntry entry = editorModuleEntry(KeepEditorWorkSymbol);
    if (entry.function)
        reinterpret_cast<KeepEditorWorkFunction>(entry.function)(editor, ending);
}

} // namespace zuvo
