#include "session/checkdriver.h"

#include "check/checkloops.h"
#include "check/runchecks.h"
#include "check/stagefailure.h"
#include "codegen/generateprogram.h"
#include "codegen/transmitencoding.h"
#include "model/compaction.h"
#include "session/editorprompts.h"
#include "session/editorstate.h"
#include "signal/outputcheck.h"
#include "signal/symbolrender.h"
#include "signal/wavfile.h"

#include <QDir>
#include <exception>
#include <optional>

namespace zuvo {

namespace {

const QString CheckCaption = QStringLiteral(u"文法チェック");
const QString CheckNextCaption = QStringLiteral(u"文法チェック 次へ");
const QString ApplicationTitle = QStringLiteral("Zuvomatic");
const QString WavTitle = QStringLiteral(u"信号をWAVファイルに保存");
const QString WavFilter = QStringLiteral(u"WAVファイル (*.wav)");
// Room left on the message area's second line for the audio device's own words.
constexpr int DeviceErrorRoom = 12;

const QString NotHeardText = QStringLiteral(u"プログラムを送信しましたが、\r\n"
                                            u"信号が正しく出ていません。音量を確かめてください。");
const QString HeldBackText = QStringLiteral(u"プログラムは送信しませんでした。\r\n"
                                            u"音声出力を確かめてから、もう一度送ってください。");

QString notSentText(const QString &errorText)
{
    QString reason = errorText.simplified();
    if (reason.size() > DeviceErrorRoom)
        reason = reason.left(DeviceErrorRoom - 1) + u'…';
    return QStringLiteral(u"プログラムは送信できませんでした。\r\n音声出力を確認してください：")
        + reason;
}

} // namespace

CheckDriver::CheckDriver(CheckState &own, CheckView &shown, WorkingProgram &program,
                         EditorPrompts &prompts, const EditorState &state, const EditorView &view,
                         MessageArea &message, GridPicture &grid, Selection &selection,
                         UndoCheckpoint &undo)
    : m_own(own)
    , m_shown(shown)
    , m_program(program)
    , m_prompts(prompts)
    , m_state(state)
    , m_view(view)
    , m_message(message)
    , m_grid(grid)
    , m_selection(selection)
    , m_undo(undo)
{
}

void CheckDriver::ResetGrammarCheck()
{
    endOfGeneration();
    m_shown.txDataVisible = false;
    // The simulator runs the program as it passed the check; an edited one is another program.
    m_grid.clearExecutingSlot();
}

void CheckDriver::CompactIconSlots()
{
    const QList<CompactionMove> moves = zuvo::CompactIconSlots(m_program);
    for (const CompactionMove &move : moves) {
        if (move.from < 0 || move.from >= IconSlotLimit || move.to < 0 || move.to >= IconSlotLimit)
            continue;
        m_grid.hideIconPicture(move.from);
        const int cell = m_program.SlotCell[move.to];
        if (cell >= 0 && cell <= LastCellIndex)
            m_grid.ShowIconAt(CellX(cell), CellY(cell));
        m_grid.ShowSlotValues(move.to);
    }
}

void CheckDriver::RunGrammarCheck()
{
    m_selection.clearMarks();
    m_undo.setUndoSpent(1);
    m_message.setBackground(ColourWhite);
    if (m_shown.sendEnabled) {
        sendProgram();
        return;
    }
    const int stage = m_own.CheckStage;
    StageResult result;
    try {
        CompactIconSlots();
        result = RunCheckStage(stage, m_program, m_flow);
    } catch (const std::exception &) {
        result = StageRuntimeFailure();
    }
    applyStageResult(result, stage);
    m_own.CheckStage = (m_own.CheckStage + 1) % CheckStageCount;
}

void CheckDriver::applyStageResult(const StageResult &result, int stage)
{
    for (int cell : result.blinkCells)
        if (cell >= 0 && cell <= LastCellIndex)
            m_program.CellMark.atIndex(cell) = MarkSelected;
    if (result.runtimeFailure) {
        m_prompts.showMessage(StageFailureTitle, StageFailureText, MessageIcon::Critical);
        m_own.CheckStage = ConnectionStage;
        return;
    }
    m_message.setText(result.text);
    m_message.setBackground(result.background);
    m_message.beepTwice();
    if (result.checkStage)
        m_own.CheckStage = *result.checkStage;
    if (stage == ConnectionStage) {
        m_shown.checkPicture = 1;
        m_shown.checkMenuCaption = CheckNextCaption;
    }
    if (result.completesCheck) {
        m_own.CheckPassed = 1;
        m_shown.checkPicture = 2;
        m_shown.checkMenuCaption = CheckCaption;
        m_shown.checkMenuEnabled = false;
        m_shown.sendEnabled = true;
    }
}

void CheckDriver::generateSignal(const SignalDelivery &deliver)
{
    StageResult recheck;
    try {
        recheck = CheckLoops(m_program, m_flow, m_own.CheckStage);
    } catch (const std::exception &) {
        recheck = StageRuntimeFailure();
    }
    // The re-check shows its result like the loop check, but leaves the stage where it is.
    const int stage = m_own.CheckStage;
    applyStageResult(recheck, LoopStage);
    m_own.CheckStage = stage;
    // A program that no longer passes the loop check goes nowhere.
    if (recheck.runtimeFailure || recheck.checkStage) {
        ResetGrammarCheck();
        return;
    }

    GenerateResult generated;
    try {
        generated = GenerateProgram(m_program, m_flow, m_own.CheckPassed == 1,
                                    m_state.ChecksumTestFlag == 1);
    } catch (const std::exception &) {
        generated = GenerateResult {};
        generated.outcome = GenerateOutcome::BrokenFlow;
        generated.hidesTxData = true;
    }
    m_message.setBackground(ColourWhite);
    if (generated.outcome == GenerateOutcome::NotChecked)
        m_prompts.showMessage(ApplicationTitle, generated.messageBoxText, MessageIcon::None);
    for (int cell : generated.blinkCells)
        if (cell >= 0 && cell <= LastCellIndex)
            m_program.CellMark.atIndex(cell) = MarkSelected;
    if (generated.writesTxData) {
        m_shown.txData = generated.txData;
        if (m_state.HexDisp == 1 && m_view.scroll.windowWidth * 15 > 14000)
            m_shown.txDataVisible = true;
    }

    if (generated.outcome == GenerateOutcome::Ready) {
        deliver(generated, EncodeTransmission(generated.txData.trimmed()));
    } else {
        m_message.setText(generated.text);
        m_message.setBackground(generated.background);
        if (generated.beeps)
            m_message.beepTwice();
    }

    if (generated.hidesTxData)
        ResetGrammarCheck();
    else
        endOfGeneration();
}

void CheckDriver::sendProgram()
{
    generateSignal([this](const GenerateResult &generated, const QString &symbols) {
        const std::optional<bool> doubtful = outputReady();
        if (!doubtful)
            return;
        m_shown.sendingSignal = true;
        const TransmissionOutcome sent = m_prompts.transmit(symbols);
        m_shown.sendingSignal = false;
        if (sent.Response == 3) {
            // The signal never reached the robot: say so instead of reporting success.
            m_message.ShowWarning(notSentText(sent.errorText));
        } else if (sent.hearing == Hearing::NotHeard
                   || (*doubtful && sent.hearing != Hearing::Heard)) {
            // Played, but what the output played does not hold the frame (or a muted output
            // was sent to and nothing says it was heard): no report of success.
            m_message.ShowWarning(NotHeardText);
        } else {
            m_message.setText(SentText(generated.ProgramByteCount));
            m_message.setBackground(ColourWhite);
        }
    });
}

std::optional<bool> CheckDriver::outputReady()
{
    const OutputCheck check = CheckOutput(m_prompts.readOutput());
    if (check.fine())
        return false;
    switch (m_prompts.askAboutOutput(OutputQuestionText(check), check.mendable())) {
    case OutputChoice::MakeAudible:
        if (const QString why = m_prompts.makeOutputAudible(); !why.isEmpty()) {
            m_message.ShowWarning(notSentText(why));
            return std::nullopt;
        }
        return false;
    case OutputChoice::SendAnyway:
        return check.blocks();
    case OutputChoice::Stop:
        break;
    }
    m_message.setText(HeldBackText);
    m_message.setBackground(ColourWhite);
    return std::nullopt;
}

// The check back at its first stage, nothing to send; TXdata stays as it is shown.
void CheckDriver::endOfGeneration()
{
    m_shown.checkPicture = 0;
    m_own.CheckStage = ConnectionStage;
    m_own.CheckPassed = 0;
    m_shown.checkMenuCaption = CheckCaption;
    m_shown.checkMenuEnabled = true;
    m_shown.sendEnabled = false;
}

// The signal saved as a WAV file: the very samples a transmission would play, for a robot
// reached through another player or for a look at the signal.
void CheckDriver::SaveSignalAsWav()
{
    if (!m_shown.sendEnabled) {
        // Only a program that has passed the check has a signal: the generator's own refusal.
        const GenerateResult refused = GenerateProgram(m_program, m_flow, false, false);
        m_prompts.showMessage(ApplicationTitle, refused.messageBoxText, MessageIcon::None);
        return;
    }
    m_selection.clearMarks();
    m_undo.setUndoSpent(1);
    m_message.setBackground(ColourWhite);
    generateSignal([this](const GenerateResult &generated, const QString &symbols) {
        writeSignalFile(generated, symbols);
    });
}

void CheckDriver::writeSignalFile(const GenerateResult &generated, const QString &symbolText)
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
    m_message.setText(QStringLiteral(u"信号をWAVファイルに保存しました。\r\nデータ数は")
                      + QString::number(generated.ProgramByteCount) + QStringLiteral(u"個です。"));
    m_message.setBackground(ColourWhite);
}

} // namespace zuvo
