#pragma once
// The copies of the unsaved program slots: written RecoveryDelayMs after the last change (never
// on every key), dropped with a slot's last unsaved change, kept by a forced end, removed by a
// normal one, and offered back when the next editor opens after a program that did not end
// normally. The files themselves are model/recoverystore.h's.

#include "model/workingprogram.h"

#include <QString>
#include <functional>
#include <memory>

namespace zuvo {

class EditorPrompts;
class ProgramSlots;
class RecoveryWriter;
struct EditorState;
struct EditorView;
struct ProcessIdentity;

// The pause after the last change before the copies are written.
constexpr int RecoveryDelayMs = 2000;

class SlotRecovery
{
public:
    SlotRecovery(const WorkingProgram &program, const EditorState &state, const EditorView &view,
                 EditorPrompts &prompts, ProgramSlots &programSlots);
    ~SlotRecovery();

    // Copies are kept in stateFolder, in a folder named after self; until this is called nothing
    // is written or offered. failed may be called on another thread.
    void EnableRecovery(const QString &stateFolder, const ProcessIdentity &self,
                        std::function<void(const QString &reason)> failed);
    // This program's folder of copies; empty while recovery is off.
    QString folder() const;
    // How many files the copies took so far.
    int filesWritten() const;

    // After every operation: true when the unsaved slots changed, so that their copies are due
    // after the delay. A slot that lost its last unsaved change drops its copy at once.
    bool afterOperation();
    void WriteRecoveryCopies(); // the delay has passed
    // The question when the editor opens; はい puts the copies back into their slots.
    void OfferRecovery();
    // The copies are written now; with ending (a forced end) nothing is written or removed after.
    void KeepRecoveryCopies(bool ending);
    // A normal end: this program's copies go, and nothing is written after.
    void DiscardRecoveryCopies();
    void ReportRecoveryFailure(const QString &reason);

private:
    struct Seen;
    bool sameAsSeen() const;
    bool slotFree(int slot) const;
    void writeNow();

    const WorkingProgram &m_program;
    const EditorState &m_state;
    const EditorView &m_view;
    EditorPrompts &m_prompts;
    ProgramSlots &m_slots;
    QString m_stateFolder;
    std::unique_ptr<ProcessIdentity> m_self;
    std::unique_ptr<RecoveryWriter> m_writer;
    std::unique_ptr<Seen> m_seen;
    bool m_stopped = false;
    bool m_failureShown = false;
};

} // namespace zuvo
