#include "signal/soundmodule.h"

#include "model/loadablemodule.h"

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
    return ModulePaths(QStringLiteral("zuvo_playback"), QStringLiteral(ZUVO_PLAYBACK_MODULE));
}

std::unique_ptr<SoundServer> OpenSoundServer(const QStringList &modulePaths)
{
    // The client library keeps threads and global state until the process ends.
    const ModuleEntry entry = LoadModuleEntry(modulePaths, OpenSoundServerSymbol);
    if (entry.function)
        return std::unique_ptr<SoundServer>(
            reinterpret_cast<OpenSoundServerFunction>(entry.function)());
    return std::make_unique<UnavailableServer>(
        QStringLiteral(u"音声出力モジュールを読み込めません。")
        + (entry.reason.isEmpty() ? QString() : u' ' + entry.reason));
}

} // namespace zuvo
