#include "session/editorsession.h"

#include "check/checkloops.h"
#include "check/runchecks.h"
#include "check/stagefailure.h"
#include "codegen/generateprogram.h"
#include "codegen/transmitencoding.h"

#include <exception>

// The grammar check driver: one stage per press of 文法, then sending once all three passed.

namespace zuvo {

namespace {

const QString CheckCaption = QStringLiteral(u"文法チェック");
const QString CheckNextCaption = QStringLiteral(u"文法チェック 次へ");
const QString ApplicationTitle = QStringLiteral("Zuvomatic");
// Room left on the message area's second line for the audio device's own words.
constexpr int DeviceErrorRoom = 12;

QString notSentText(const QString &errorText)
{
    QString reason = errorText.simplified();
    if (reason.size() > DeviceErrorRoom)
        reason = reason.left(DeviceErrorRoom - 1) + u'…';
    return QStringLiteral(u"プログラムは送信できませんでした。\r\n音声出力を確認してください：")
        + reason;
}

} // namespace

void EditorSession::ResetGrammarCheck()
{
    ChangeScope scope(*this);
    m_view.checkPicture = 0;
    m_state.CheckStage = ConnectionStage;
    m_state.CheckPassed = 0;
    m_view.checkMenuCaption = CheckCaption;
    m_view.checkMenuEnabled = true;
    m_view.sendEnabled = false;
    m_view.txDataVisible = false;
    // The simulator runs the program as it passed the check; an edited one is another program.
    m_view.executingSlot = -1;
}

void EditorSession::RunGrammarCheck()
{
    ChangeScope scope(*this);
    clearMarks();
    setUndoSpent(1);
    m_view.messageBackground = ColourWhite;
    if (m_view.sendEnabled) {
        sendProgram();
        return;
    }
    const int stage = m_state.CheckStage;
    StageResult result;
    try {
        CompactIconSlots();
        result = RunCheckStage(stage, m_program, m_flow);
    } catch (const std::exception &) {
        result = StageRuntimeFailure();
    }
    applyStageResult(result, stage);
    m_state.CheckStage = (m_state.CheckStage + 1) % CheckStageCount;
}

void EditorSession::applyStageResult(const StageResult &result, int stage)
{
    for (int cell : result.blinkCells)
        if (cell >= 0 && cell <= LastCellIndex)
            m_program.CellMark.atIndex(cell) = MarkSelected;
    if (result.runtimeFailure) {
        m_prompts.showMessage(StageFailureTitle, StageFailureText, MessageIcon::Critical);
        m_state.CheckStage = ConnectionStage;
        return;
    }
    m_view.messageText = result.text;
    m_view.messageBackground = result.background;
    beepTwice();
    if (result.checkStage)
        m_state.CheckStage = *result.checkStage;
    if (stage == ConnectionStage) {
        m_view.checkPicture = 1;
        m_view.checkMenuCaption = CheckNextCaption;
    }
    if (result.completesCheck) {
        m_state.CheckPassed = 1;
        m_view.checkPicture = 2;
        m_view.checkMenuCaption = CheckCaption;
        m_view.checkMenuEnabled = false;
        m_view.sendEnabled = true;
    }
}

void EditorSession::generateSignal(const SignalDelivery &deliver)
{
    StageResult recheck;
    try {
        recheck = CheckLoops(m_program, m_flow, m_state.CheckStage);
    } catch (const std::exception &) {
        recheck = StageRuntimeFailure();
    }
    // The re-check shows its result like the loop check, but leaves the stage where it is.
    const int stage = m_state.CheckStage;
    applyStageResult(recheck, LoopStage);
    m_state.CheckStage = stage;
    // A program that no longer passes the loop check goes nowhere.
    if (recheck.runtimeFailure || recheck.checkStage) {
        ResetGrammarCheck();
        return;
    }

    GenerateResult generated;
    try {
        generated = GenerateProgram(m_program, m_flow, m_state.CheckPassed == 1,
                                    m_state.ChecksumTestFlag == 1);
    } catch (const std::exception &) {
        generated = GenerateResult {};
        generated.outcome = GenerateOutcome::BrokenFlow;
        generated.hidesTxData = true;
    }
    m_view.messageBackground = ColourWhite;
    if (generated.outcome == GenerateOutcome::NotChecked)
        m_prompts.showMessage(ApplicationTitle, generated.messageBoxText, MessageIcon::None);
    for (int cell : generated.blinkCells)
        if (cell >= 0 && cell <= LastCellIndex)
            m_program.CellMark.atIndex(cell) = MarkSelected;
    if (generated.writesTxData) {
        m_view.txData = generated.txData;
        if (m_state.HexDisp == 1 && m_view.scroll.windowWidth * 15 > 14000)
            m_view.txDataVisible = true;
    }

    if (generated.outcome == GenerateOutcome::Ready) {
        deliver(generated, EncodeTransmission(generated.txData.trimmed()));
    } else {
        m_view.messageText = generated.text;
        m_view.messageBackground = generated.background;
        if (generated.beeps)
            beepTwice();
    }

    if (generated.hidesTxData)
        ResetGrammarCheck();
    else
        endOfGeneration();
}

void EditorSession::sendProgram()
{
    generateSignal([this](const GenerateResult &generated, const QString &symbols) {
        m_view.sendingSignal = true;
        const TransmissionOutcome sent = m_prompts.transmit(symbols);
        m_view.sendingSignal = false;
        if (sent.Response == 3) {
            // The signal never reached the robot: say so instead of reporting success.
            ShowWarning(notSentText(sent.errorText));
        } else {
            m_view.messageText = SentText(generated.ProgramByteCount);
            m_view.messageBackground = ColourWhite;
        }
    });
}

void EditorSession::endOfGeneration()
{
    m_view.checkPicture = 0;
    m_state.CheckStage = ConnectionStage;
    m_state.CheckPassed = 0;
    m_view.checkMenuCaption = CheckCaption;
    m_view.checkMenuEnabled = true;
    m_view.sendEnabled = false;
}

} // namespace zuvo
