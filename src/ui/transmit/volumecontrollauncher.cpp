#include "transmit/volumecontrollauncher.h"

#include <QStandardPaths>

namespace zuvo {

VolumeControlLauncher::VolumeControlLauncher(QObject *parent)
    : VolumeControlLauncher(defaultCandidates(), {}, parent)
{
}

VolumeControlLauncher::VolumeControlLauncher(QList<MixerCandidate> candidates,
                                             QStringList searchPaths, QObject *parent)
    : QObject(parent)
    , m_candidates(std::move(candidates))
    , m_searchPaths(std::move(searchPaths))
{
}

VolumeControlLauncher::~VolumeControlLauncher()
{
    // The mixer belongs to the user now: leave it running, only stop watching it.
    if (m_process) {
        m_process->disconnect(this);
        m_process->setParent(nullptr);
        connect(m_process, &QProcess::finished, m_process, &QObject::deleteLater);
    }
}

QList<MixerCandidate> VolumeControlLauncher::defaultCandidates()
{
    // Real mixer programs first; a desktop's settings panel and a terminal mixer last. Tray
    // mixers that keep running after their window closes are left out: the editor would stay
    // disabled.
    return {
        {QStringLiteral("pavucontrol"), {}, {}},
        {QStringLiteral("pavucontrol-qt"), {}, {}},
        {QStringLiteral("mate-volume-control"), {}, {}},
        {QStringLiteral("xfce4-mixer"), {}, {}},
        {QStringLiteral("gnome-control-center"), {QStringLiteral("sound")}, {}},
        {QStringLiteral("x-terminal-emulator"),
         {QStringLiteral("-e"), QStringLiteral("alsamixer")},
         QStringLiteral("alsamixer")},
    };
}

QString VolumeControlLauncher::unavailableText()
{
    return QStringLiteral(u"音量調節プログラムが見つかりません。\r\n"
                          u"Debianのパッケージ pavucontrol を入れてください。");
}

void VolumeControlLauncher::start()
{
    if (m_process)
        return;
    m_next = 0;
    tryNext();
}

void VolumeControlLauncher::tryNext()
{
    while (m_next < m_candidates.size()) {
        const MixerCandidate candidate = m_candidates.at(m_next++);
        const QString path = QStandardPaths::findExecutable(candidate.program, m_searchPaths);
        if (path.isEmpty())
            continue;
        if (!candidate.needs.isEmpty()
            && QStandardPaths::findExecutable(candidate.needs, m_searchPaths).isEmpty())
            continue;
        m_process = new QProcess(this);
        m_process->setProgram(path);
        m_process->setArguments(candidate.arguments);
        connect(m_process, &QProcess::errorOccurred, this, &VolumeControlLauncher::onErrorOccurred);
        connect(m_process, &QProcess::finished, this, &VolumeControlLauncher::onFinished);
        const QString name = candidate.program;
        connect(m_process, &QProcess::started, this, [this, name] { emit started(name); });
        m_process->start();
        return;
    }
    emit unavailable(unavailableText());
}

void VolumeControlLauncher::onErrorOccurred(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart)
        return; // a crash or a lost pipe still ends in finished
    dropProcess();
    tryNext();
}

void VolumeControlLauncher::onFinished()
{
    dropProcess();
    emit finished();
}

void VolumeControlLauncher::dropProcess()
{
    if (!m_process)
        return;
    m_process->disconnect(this);
    m_process->deleteLater();
    m_process = nullptr;
}

} // namespace zuvo
