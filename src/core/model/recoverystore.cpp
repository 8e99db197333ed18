#include "model/recoverystore.h"

#include "model/filewriter.h"
#include "model/robotfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace zuvo {

namespace {

const QString FolderPrefix = QStringLiteral("session-");
const QString DescriptionName = QStringLiteral("programs.json");

QByteArray readSmallFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(64 * 1024) : QByteArray();
}

QString currentBootId()
{
    return QString::fromLatin1(readSmallFile(QStringLiteral("/proc/sys/kernel/random/boot_id")))
        .trimmed();
}

// Field 22 of /proc/PID/stat, counted after the command name in parentheses (which may itself
// hold blanks and parentheses); 0 when the process does not exist.
quint64 processStartTime(qint64 pid)
{
    const QByteArray stat = readSmallFile(QStringLiteral("/proc/%1/stat").arg(pid));
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return 0;
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    constexpr int StartTimeAfterName = 22 - 3;
    return fields.size() > StartTimeAfterName ? fields[StartTimeAfterName].toULongLong() : 0;
}

// Makes a folder for this user alone; one that exists keeps its place but is closed to others.
bool makePrivateFolder(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), 0700) == 0)
        return true;
    if (errno != EEXIST)
        return false;
    struct stat info;
    if (::stat(name.constData(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        errno = ENOTDIR;
        return false;
    }
    return (info.st_mode & 077) == 0 || ::chmod(name.constData(), 0700) == 0;
}

QByteArray describe(const QList<SlotCopyInfo> &infos, bool refusedOnce)
{
    QJsonArray list;
    for (const SlotCopyInfo &info : infos)
        list.append(QJsonObject {{QStringLiteral("slot"), info.slot},
                                 {QStringLiteral("file"), info.filePath},
                                 {QStringLiteral("savedUnderName"), !info.filePath.isEmpty()},
                                 {QStringLiteral("caption"), info.caption}});
    QJsonObject top {{QStringLiteral("programs"), list}};
    if (refusedOnce)
        top.insert(QStringLiteral("refusedOnce"), true);
    return QJsonDocument(top).toJson();
}

QString defaultCaption(int slot)
{
    return QStringLiteral(u"プログラム") + QString::number(slot + 1);
}

} // namespace

QString RecoveryStateFolder()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(base + QStringLiteral("/zuvomatic"));
}

QString ProcessIdentity::folderName() const
{
    return FolderPrefix + QStringLiteral("%1-%2-%3").arg(pid).arg(startTime).arg(bootId);
}

std::optional<ProcessIdentity> ProcessIdentity::fromFolderName(const QString &name)
{
    if (!name.startsWith(FolderPrefix))
        return std::nullopt;
    const QStringList parts = name.mid(FolderPrefix.size()).split(u'-');
    if (parts.size() < 3)
        return std::nullopt;
    bool pidOk = false;
    bool timeOk = false;
    ProcessIdentity identity;
    identity.pid = parts[0].toLongLong(&pidOk);
    identity.startTime = parts[1].toULongLong(&timeOk);
    identity.bootId = parts.mid(2).join(u'-');
    if (!pidOk || !timeOk || identity.pid <= 0)
        return std::nullopt;
    return identity;
}

ProcessIdentity CurrentProcessIdentity()
{
    return IdentityOf(::getpid());
}

ProcessIdentity IdentityOf(qint64 pid)
{
    return {pid, processStartTime(pid), currentBootId()};
}

bool ProcessRuns(const ProcessIdentity &identity)
{
    if (identity.bootId != currentBootId())
        return false;
    const quint64 started = processStartTime(identity.pid);
    return started != 0 && started == identity.startTime;
}

QString RecoveryCopyPath(const QString &folder, int slot)
{
    return folder + u'/' + defaultCaption(slot) + QStringLiteral(".qvk");
}

// --- the writer

RecoveryWriter::RecoveryWriter(const QString &folder,
                               std::function<void(const QString &reason)> failed)
    : m_folder(folder)
    , m_failed(std::move(failed))
    , m_thread([this] { run(); })
{
}

RecoveryWriter::~RecoveryWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void RecoveryWriter::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || !m_jobs.empty(); });
        if (m_jobs.empty())
            return; // stopped with nothing left to do
        std::function<void()> job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_busy = true;
        lock.unlock();
        job();
        lock.lock();
        m_busy = false;
        if (m_jobs.empty())
            m_idle.notify_all();
    }
}

void RecoveryWriter::keep(QList<SlotCopy> copies)
{
    std::lock_guard lock(m_mutex);
    // Only the newest picture of the slots matters: it replaces one still waiting at the end of
    // the queue.
    if (m_waitingCopies) {
        *m_waitingCopies = std::move(copies);
        return;
    }
    auto waiting = std::make_shared<QList<SlotCopy>>(std::move(copies));
    m_waitingCopies = waiting;
    m_jobs.push_back([this, waiting] {
        QList<SlotCopy> taken;
        {
            std::lock_guard lock(m_mutex);
            if (m_waitingCopies == waiting)
                m_waitingCopies.reset();
            taken = std::move(*waiting);
        }
        store(taken);
    });
    m_wake.notify_one();
}

void RecoveryWriter::discard()
{
    std::lock_guard lock(m_mutex);
    m_waitingCopies.reset();
    m_jobs.push_back([this] { removeAll(); });
    m_wake.notify_one();
}

void RecoveryWriter::finish()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_jobs.empty() && !m_busy; });
}

int RecoveryWriter::filesWritten() const
{
    std::lock_guard lock(m_mutex);
    return m_filesWritten;
}

void RecoveryWriter::fail(const QString &reason)
{
    if (m_failed)
        m_failed(reason);
}

bool RecoveryWriter::makeFolders()
{
    // The state folder's parents as the user's other state (~/.local/state is private too).
    const QString state = QFileInfo(m_folder).absolutePath();
    QStringList missing;
    for (QString path = QFileInfo(state).absolutePath(); !QFileInfo::exists(path);
         path = QFileInfo(path).absolutePath())
        missing.prepend(path);
    for (const QString &path : missing)
        makePrivateFolder(path);
    return makePrivateFolder(state) && makePrivateFolder(m_folder);
}

void RecoveryWriter::store(const QList<SlotCopy> &copies)
{
    std::array<const SlotCopy *, 4> wanted {};
    for (const SlotCopy &copy : copies) {
        if (copy.info.slot >= 0 && copy.info.slot < 4)
            wanted[copy.info.slot] = &copy;
    }
    QList<SlotCopyInfo> described;
    bool foldersMade = false;
    for (int slot = 0; slot < 4; ++slot) {
        const QString path = RecoveryCopyPath(m_folder, slot);
        if (!wanted[slot]) {
            if (!m_written[slot].isNull()) {
                QFile::remove(path);
                m_written[slot] = QByteArray();
            }
            continue;
        }
        const SlotCopy &copy = *wanted[slot];
        const WorkingProgram program = std::holds_alternative<WorkingProgram>(copy.program)
            ? std::get<WorkingProgram>(copy.program)
            : LoadSlotText(std::get<ProgramText>(copy.program));
        QByteArray bytes = EncodeRobotFile(program).bytes;
        if (bytes != m_written[slot]) {
            // A copy the reader would refuse could never be restored: better none than that.
            if (ParseRobotFile(bytes).status != RobotFileReadResult::Status::Ok) {
                fail(QStringLiteral(u"このプログラムはファイルに書けません"));
            } else if (!foldersMade && !(foldersMade = makeFolders())) {
                fail(FileErrorReason(errno));
            } else if (const FileWriteResult written = WriteWholeFile(path, bytes); !written.ok) {
                fail(written.reason);
            } else {
                m_written[slot] = std::move(bytes);
                std::lock_guard lock(m_mutex);
                ++m_filesWritten;
            }
        }
        // A copy that could not be written this time keeps the one written before.
        if (!m_written[slot].isNull())
            described.append(copy.info);
    }
    if (copies.isEmpty()) {
        removeAll();
        return;
    }
    if (described.isEmpty())
        return;
    const QByteArray description = describe(described, false);
    if (description == m_description)
        return;
    const FileWriteResult written = WriteWholeFile(m_folder + u'/' + DescriptionName, description);
    if (!written.ok) {
        fail(written.reason);
        return;
    }
    m_description = description;
    std::lock_guard lock(m_mutex);
    ++m_filesWritten;
}

void RecoveryWriter::removeAll()
{
    if (QFileInfo::exists(m_folder))
        QDir(m_folder).removeRecursively();
    m_written = {};
    m_description = QByteArray();
}

// --- the copies of programs that ended without a normal end

std::optional<AbandonedCopies> FindAbandonedCopies(const QString &stateFolder,
                                                   const ProcessIdentity &self)
{
    std::optional<AbandonedCopies> newest;
    QDateTime newestTime;
    const QDir state(stateFolder);
    for (const QString &name : state.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const std::optional<ProcessIdentity> owner = ProcessIdentity::fromFolderName(name);
        if (!owner || *owner == self || ProcessRuns(*owner))
            continue;
        AbandonedCopies found;
        found.folder = state.filePath(name);
        const QJsonObject top
            = QJsonDocument::fromJson(readSmallFile(found.folder + u'/' + DescriptionName))
                  .object();
        found.refusedOnce = top.value(QStringLiteral("refusedOnce")).toBool();
        std::array<SlotCopyInfo, 4> infos;
        for (int slot = 0; slot < 4; ++slot)
            infos[slot] = {slot, QString(), defaultCaption(slot)};
        for (const QJsonValue &value : top.value(QStringLiteral("programs")).toArray()) {
            const QJsonObject entry = value.toObject();
            const int slot = entry.value(QStringLiteral("slot")).toInt(-1);
            if (slot >= 0 && slot < 4)
                infos[slot] = {slot, entry.value(QStringLiteral("file")).toString(),
                               entry.value(QStringLiteral("caption")).toString()};
        }
        QDateTime latest;
        for (int slot = 0; slot < 4; ++slot) {
            const QString path = RecoveryCopyPath(found.folder, slot);
            if (!QFileInfo::exists(path))
                continue;
            RobotFileReadResult read = ReadRobotFile(path);
            if (read.status != RobotFileReadResult::Status::Ok)
                continue;
            const QDateTime written = QFileInfo(path).lastModified();
            latest = std::max(latest, written);
            found.programs.append({infos[slot], std::move(read.program), written});
        }
        if (!found.programs.isEmpty() && (!newest || latest > newestTime)) {
            newest = std::move(found);
            newestTime = latest;
        }
    }
    return newest;
}

bool MarkRefused(const AbandonedCopies &copies)
{
    QList<SlotCopyInfo> infos;
    for (const RecoveredProgram &program : copies.programs)
        infos.append(program.info);
    return WriteWholeFile(copies.folder + u'/' + DescriptionName, describe(infos, true)).ok;
}

void RemoveAbandonedCopies(const AbandonedCopies &copies, const QList<int> &slotList)
{
    for (const int slot : slotList)
        QFile::remove(RecoveryCopyPath(copies.folder, slot));
    for (int slot = 0; slot < 4; ++slot) {
        if (QFileInfo::exists(RecoveryCopyPath(copies.folder, slot)))
            return;
    }
    QDir(copies.folder).removeRecursively();
}

QList<int> PlaceRecoveredPrograms(const QList<int> &ownSlots, std::array<bool, 4> free)
{
    QList<int> places(ownSlots.size(), -1);
    // Every copy whose own slot is free goes there first, so none is pushed aside by another.
    for (qsizetype i = 0; i < ownSlots.size(); ++i) {
        const int slot = ownSlots[i];
        if (slot >= 0 && slot < 4 && free[slot]) {
            places[i] = slot;
            free[slot] = false;
        }
    }
    for (qsizetype i = 0; i < ownSlots.size(); ++i) {
        if (places[i] >= 0)
            continue;
        const auto left = std::find(free.begin(), free.end(), true);
        if (left == free.end())
            break;
        places[i] = int(left - free.begin());
        *left = false;
    }
    return places;
}

} // namespace zuvo
