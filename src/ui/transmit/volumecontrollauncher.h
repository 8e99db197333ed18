#pragma once
// Opens the desktop's volume control without blocking and tells when the user has closed it.
// Tries the known mixer programs in turn until one starts.

#include <QObject>
#include <QProcess>
#include <QStringList>

namespace zuvo {

struct MixerCandidate
{
    QString program; // looked up on the search path
    QStringList arguments;
    QString needs; // another program that must also be installed (empty: none)
};

class VolumeControlLauncher : public QObject
{
    Q_OBJECT
public:
    explicit VolumeControlLauncher(QObject *parent = nullptr);
    // Candidates and search path given, for tests; an empty path list means the system's PATH.
    VolumeControlLauncher(QList<MixerCandidate> candidates, QStringList searchPaths,
                          QObject *parent = nullptr);
    ~VolumeControlLauncher() override;

    static QList<MixerCandidate> defaultCandidates();
    static QString unavailableText();

    // Starts the first candidate that can be started. Returns at once; started or unavailable
    // follows, then finished when the mixer has exited. Ignored while a mixer runs.
    void start();
    bool isRunning() const { return m_process != nullptr; }

signals:
    void started(const QString &program);
    void finished();
    // No candidate could be started; the text names the package to install.
    void unavailable(const QString &text);

private:
    void tryNext();
    void onErrorOccurred(QProcess::ProcessError error);
    void onFinished();
    void dropProcess();

    QList<MixerCandidate> m_candidates;
    QStringList m_searchPaths;
    qsizetype m_next = 0;
    QProcess *m_process = nullptr;
};

} // namespace zuvo
