#include "signal/soundmodule.h"

#include <QCoreApplication>
#include <QLibrary>

namespace zuvo {

namespace {

// What is left when the module cannot be loaded: every answer is the reason.
class UnavailableServer final : public SoundServer
{
public:
    explicit UnavailableServer(QString reason)
        : m_reason(std::move(reason))
    {
    }

    OutputInfo readOutput() override
    {
        OutputInfo info;
        info.failure = m_reason;
        return info;
    }
    QString makeAudible() override { return m_reason; }
    void start(const QByteArray &, bool) override { }
    PlaybackProgress progress() override
    {
        PlaybackProgress failed;
        failed.finished = true;
        failed.result = PlaybackResult::failed(m_reason);
        return failed;
    }
    void stop() override { }

private:
    QString m_reason;
};

} // namespace

QStringList SoundModulePaths()
{
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir + QStringLiteral("/../" ZUVO_MODULE_INSTALL_DIR "/zuvo_playback"),
            dir + QStringLiteral("/zuvo_playback"), QStringLiteral(ZUVO_PLAYBACK_MODULE)};
}

std::unique_ptr<SoundServer> OpenSoundServer(const QStringList &modulePaths)
{
    QStringList reasons;
    for (const QString &path : modulePaths) {
        // The module stays loaded: the client library keeps threads and global state until
        // the process ends.
        QLibrary module(path);
        const auto open
            = reinterpret_cast<OpenSoundServerFunction>(module.resolve(OpenSoundServerSymbol));
        if (open)
            return std::unique_ptr<SoundServer>(open());
        reasons << module.errorString();
    }
    return std::make_unique<UnavailableServer>(
        QStringLiteral(u"音声出力モジュールを読み込めません。")
        + (reasons.isEmpty() ? QString() : u' ' + reasons.last()));
}

} // namespace zuvo
