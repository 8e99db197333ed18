#pragma once
// Copies of the programs the child has not saved, kept while the editor runs, so that a crash, a
// dead battery or a forced logout loses nothing. They live in the user's state folder: one folder
// per running program, named after that process, holding each unsaved program slot as an
// ordinary robot file ("プログラム1.qvk" ...) and, in "programs.json", what a restore needs (the
// slot, the file it was read from or saved to, its tab's caption). A normal end removes the
// folder; a folder left by a program that no longer runs is what the next editor offers back.

#include "model/programtext.h"
#include "model/workingprogram.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <array>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <variant>

namespace zuvo {

// $XDG_STATE_HOME/zuvomatic when XDG_STATE_HOME is an absolute path, else
// $HOME/.local/state/zuvomatic.
QString RecoveryStateFolder();

// A running program told apart from every other, also from one that had the same process id
// before: its process id, its start time (clock ticks after boot) and the boot it runs in.
struct ProcessIdentity
{
    qint64 pid = 0;
    quint64 startTime = 0;
    QString bootId;

    // Its folder of copies, and back; nothing for a name this program did not make.
    QString folderName() const;
    static std::optional<ProcessIdentity> fromFolderName(const QString &name);
    bool operator==(const ProcessIdentity &) const = default;
};

ProcessIdentity CurrentProcessIdentity();
// The identity of a process now running; a start time of 0 when there is none.
ProcessIdentity IdentityOf(qint64 pid);
// True while that very process runs: the same boot, and its process id started at that time.
bool ProcessRuns(const ProcessIdentity &identity);

// What a restore needs besides the program.
struct SlotCopyInfo
{
    int slot = 0; // 0..3
    QString filePath; // where 上書き保存 writes; empty when the slot has no file of its own
    QString caption; // the tab's caption
    bool operator==(const SlotCopyInfo &) const = default;
};

// The copy file of slot 0..3 in a folder of copies.
QString RecoveryCopyPath(const QString &folder, int slot);

// A program slot the editor wants copied: the current slot's working program, or another slot's
// ProgramText.
struct SlotCopy
{
    SlotCopyInfo info;
    std::variant<WorkingProgram, ProgramText> program;
};

// Writes one running program's copies on a thread of its own, in the order asked, so that a slow
// disk never holds up the editor. Every file goes through WriteWholeFile; the state folder and
// the program's folder are made (mode 0700) only when the first copy is written.
class RecoveryWriter
{
public:
    // failed runs on the writer's thread with the user's reason when a copy could not be written.
    RecoveryWriter(const QString &folder, std::function<void(const QString &reason)> failed);
    ~RecoveryWriter(); // does what was asked first
    RecoveryWriter(const RecoveryWriter &) = delete;
    RecoveryWriter &operator=(const RecoveryWriter &) = delete;

    const QString &folder() const { return m_folder; }
    // The copies that must exist now; every other copy goes, and the folder with the last one. A
    // copy whose bytes are those already written is not written again.
    void keep(QList<SlotCopy> copies);
    // Removes every copy and the folder.
    void discard();
    // Returns once everything asked before is done.
    void finish();
    // How many files were written so far (copies and descriptions).
    int filesWritten() const;

private:
    void run();
    void store(const QList<SlotCopy> &copies);
    void removeAll();
    bool makeFolders();
    void fail(const QString &reason);

    QString m_folder;
    std::function<void(const QString &)> m_failed;
    // Only the writer's thread touches these.
    std::array<QByteArray, 4> m_written;
    QByteArray m_description;
    // Shared with the editor's thread, under m_mutex.
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<std::function<void()>> m_jobs;
    std::shared_ptr<QList<SlotCopy>> m_waitingCopies; // the last job's, until it starts
    bool m_busy = false;
    bool m_stop = false;
    int m_filesWritten = 0;
    std::thread m_thread;
};

// One copy found in the folder of a program that ended without a normal end.
struct RecoveredProgram
{
    SlotCopyInfo info;
    WorkingProgram program;
    QDateTime written;
};

// The copies of one program that ended without a normal end.
struct AbandonedCopies
{
    QString folder;
    bool refusedOnce = false; // the child has said いいえ to them once
    QList<RecoveredProgram> programs; // in slot order; copies that do not read are left out
};

// The newest folder of copies whose program no longer runs (this program's own folder, folders
// of programs that still run and anything this program did not make are left alone); nothing
// when there is none.
std::optional<AbandonedCopies> FindAbandonedCopies(const QString &stateFolder,
                                                   const ProcessIdentity &self);
// The child has said いいえ: the copies stay where they are, and the next question says that
// another いいえ removes them.
bool MarkRefused(const AbandonedCopies &copies);
// Removes the copies of these slots; the folder goes with its last copy.
void RemoveAbandonedCopies(const AbandonedCopies &copies, const QList<int> &slotList);

// Where each copy goes when the editor opens: into its own slot when that slot is free, else
// into the lowest free slot left; -1 when no slot is free (it stays in the state folder).
QList<int> PlaceRecoveredPrograms(const QList<int> &ownSlots, std::array<bool, 4> free);

} // namespace zuvo
