#pragma once
// The check driver: one check stage per press of 文法, sending once all of them passed (the
// output checked before, what it played judged after), and the signal saved as a WAV file
// instead of sent. Sending and saving share one road: the loop
// re-check, the code generator and the encoding, ending with the check reset.

#include "check/flowtable.h"
#include "check/stageresult.h"
#include "model/workingprogram.h"

#include <QString>
#include <functional>
#include <optional>

namespace zuvo {

class EditorPrompts;
struct EditorState;
struct EditorView;
struct GenerateResult;
class GridPicture;
class MessageArea;
class Selection;
class UndoCheckpoint;

struct CheckState
{
    int CheckStage = 0; // the stage the next press runs
    int CheckPassed = 0; // 1 once every stage passed
};

struct CheckView
{
    int checkPicture = 0; // 文法0, 文法1, 文法2
    QString checkMenuCaption;
    bool checkMenuEnabled = true;
    bool sendEnabled = false;
    QString txData;
    bool txDataVisible = false;
    bool sendingSignal = false; // the transmission window is up
};

class CheckDriver
{
public:
    CheckDriver(CheckState &own, CheckView &shown, WorkingProgram &program, EditorPrompts &prompts,
                const EditorState &state, const EditorView &view, MessageArea &message,
                GridPicture &grid, Selection &selection, UndoCheckpoint &undo);

    const FlowTable &flow() const { return m_flow; }
    void ResetGrammarCheck();
    void RunGrammarCheck(); // 文法, 文法チェック and 送信
    void CompactIconSlots(); // the slots closed up, and their pictures with them
    void SaveSignalAsWav();

private:
    void applyStageResult(const StageResult &result, int stage);
    // A ready program's result and SymbolText go to deliver, which reports; otherwise the
    // message area says why nothing goes out.
    using SignalDelivery = std::function<void(const GenerateResult &, const QString &)>;
    void generateSignal(const SignalDelivery &deliver);
    void sendProgram();
    // Before the signal plays, the output is read; one that may not reach the robot is asked
    // about. Nothing when the signal is not to be played; otherwise whether it goes to an
    // output that blocks sending (missing, muted), by the user's choice.
    std::optional<bool> outputReady();
    void writeSignalFile(const GenerateResult &generated, const QString &symbolText);
    void endOfGeneration();

    CheckState &m_own;
    CheckView &m_shown;
    WorkingProgram &m_program;
    EditorPrompts &m_prompts;
    const EditorState &m_state;
    const EditorView &m_view;
    MessageArea &m_message;
    GridPicture &m_grid;
    Selection &m_selection;
    UndoCheckpoint &m_undo;
    FlowTable m_flow; // built by the branch check, completed by the code generator
};

} // namespace zuvo
