#pragma once
// The editor's questions, boxes, beeps, file dialogs and transmission, shown with Qt widgets
// over the editor window.

#include "session/editorprompts.h"

class QWidget;

namespace zuvo {

class QtEditorPrompts : public EditorPrompts
{
public:
    explicit QtEditorPrompts(QWidget *owner = nullptr)
        : m_owner(owner)
    {
    }
    void setOwner(QWidget *owner) { m_owner = owner; }

    bool askYesNo(const QString &title, const QString &text, MessageIcon icon) override;
    void showMessage(const QString &title, const QString &text, MessageIcon icon) override;
    void beep() override;
    QString chooseOpenFile(const QString &title, const QString &startDir,
                           const QString &filter) override;
    QString chooseSaveFile(const QString &title, const QString &startDir,
                           const QString &filter) override;
    TransmissionOutcome transmit(const QString &symbolText) override;

    // Message texts use CR LF or a lone CR as line breaks; a message box wants LF.
    static QString boxText(const QString &text);
    // The editor's filters read "description|pattern|..."; a file dialog wants
    // "description (pattern)" entries joined by ";;". A pattern the description names itself
    // ("ロボットファイル(*.qvk)") gives way to the pattern that applies.
    static QString dialogFilter(const QString &filter);
    // The extension of the filter's first pattern ("*.qvk" gives "qvk"), empty when none.
    static QString dialogSuffix(const QString &filter);

private:
    QWidget *m_owner;
};

} // namespace zuvo
