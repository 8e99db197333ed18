#include "session/editorsession.h"

#include "codegen/generateprogram.h"
#include "signal/symbolrender.h"
#include "signal/wavfile.h"

#include <QDir>

// The signal saved as a WAV file: the very samples a transmission would play, for a robot
// reached through another player or for a look at the signal.

namespace zuvo {

namespace {

const QString WavTitle = QStringLiteral(u"信号をWAVファイルに保存");
const QString WavFilter = QStringLiteral(u"WAVファイル (*.wav)");

} // namespace

void EditorSession::SaveSignalAsWav()
{
    ChangeScope scope(*this);
    if (!m_view.sendEnabled) {
        // Only a program that has passed the check has a signal: the generator's own refusal.
        const GenerateResult refused = GenerateProgram(m_program, m_flow, false, false);
        m_prompts.showMessage(QStringLiteral("Zuvomatic"), refused.messageBoxText,
                              MessageIcon::None);
        return;
    }
    clearMarks();
    setUndoSpent(1);
    m_view.messageBackground = ColourWhite;
    generateSignal([this](const GenerateResult &generated, const QString &symbols) {
        writeSignalFile(generated, symbols);
    });
}

void EditorSession::writeSignalFile(const GenerateResult &generated, const QString &symbolText)
{
    const QByteArray samples = RenderSymbols(symbolText);
    const QString path = m_prompts.chooseSaveFile(WavTitle, m_state.FileDir, WavFilter);
    if (path.isEmpty())
        return;
    const WavWriteResult written = WriteWavFile(path, samples);
    if (!written.ok) {
        m_prompts.showMessage(WavTitle,
                              QDir::toNativeSeparators(path)
                                  + QStringLiteral(u"\r\nに保存できませんでした。\r\n")
                                  + written.error,
                              MessageIcon::Exclamation);
        return;
    }
    m_view.messageText = QStringLiteral(u"信号をWAVファイルに保存しました。\r\nデータ数は")
        + QString::number(generated.ProgramByteCount) + QStringLiteral(u"個です。");
    m_view.messageBackground = ColourWhite;
}

} // namespace zuvo
