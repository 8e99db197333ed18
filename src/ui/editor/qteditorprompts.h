#pragma once
// The editor's questions, boxes, beeps, file dialogs and transmission, shown with Qt widgets
// over the editor window; the sound output read through the playback module, loaded on first
// use.

#include "session/editorprompts.h"

#include <memory>

class QWidget;

namespace zuvo {

class QtEditorPrompts : public EditorPrompts
{
public:
    explicit QtEditorPrompts(QWidget *owner = nullptr);
    ~QtEditorPrompts() override;
    void setOwner(QWidget *owner) { m_owner = owner; }

    bool askYesNo(const QString &title, const QString &text, MessageIcon icon) override;
    void showMessage(const QString &title, const QString &text, MessageIcon icon) override;
    void beep() override;
    QString chooseOpenFile(const QString &title, const QString &startDir,
                           const QString &filter) override;
    QString chooseSaveFile(const QString &title, const QString &startDir,
                           const QString &filter) override;
    TransmissionOutcome transmit(const QString &symbolText) override;
    OutputInfo readOutput() override;
    QString makeOutputAudible() override;
    OutputChoice askAboutOutput(const QString &text, bool canMakeAudible) override;

    // The question's title and the captions of its three buttons.
    static QString outputQuestionTitle();
    static QString makeAudibleCaption();
    static QString sendAnywayCaption();
    static QString stopCaption();

    // Message texts use CR LF or a lone CR as line breaks; a message box wants LF.
    static QString boxText(const QString &text);
    // The editor's filters read "description|pattern|..."; a file dialog wants
    // "description (pattern)" entries joined by ";;". A pattern the description names itself
    // ("ロボットファイル(*.qvk)") gives way to the pattern that applies.
    static QString dialogFilter(const QString &filter);
    // The extension of the filter's first pattern ("*.qvk" gives "qvk"), empty when none.
    static QString dialogSuffix(const QString &filter);

private:
    SoundServer &sound();

    QWidget *m_owner;
    std::unique_ptr<SoundServer> m_sound;
};

} // namespace zuvo
