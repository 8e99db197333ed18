#include "signal/outputcheck.h"

#include "signal/signaldecoder.h"

namespace zuvo {

namespace {

constexpr int FullVolume = 100;

QString kindName(OutputKind kind)
{
    switch (kind) {
    case OutputKind::Bluetooth:
        return QStringLiteral("bluetooth");
    case OutputKind::Hdmi:
        return QStringLiteral("hdmi");
    case OutputKind::Ordinary:
        break;
    }
    return QStringLiteral("ordinary");
}

} // namespace

bool OutputCheck::mendable() const
{
    for (OutputProblem problem : problems) {
        if (problem != OutputProblem::Muted && problem != OutputProblem::LowVolume)
            return false;
    }
    return !problems.isEmpty();
}

OutputCheck CheckOutput(const OutputInfo &info)
{
    OutputCheck check;
    const auto add = [&check](OutputProblem problem, const QString &text) {
        check.problems << problem;
        check.texts << text;
    };
    if (!info.reached || !info.present) {
        add(OutputProblem::Missing,
            info.reached ? QStringLiteral(u"音声出力装置が見つかりません。"
                                          u"スピーカーかイヤホンをつないでください。")
                         : QStringLiteral(u"音声出力装置が見つかりません（%1）。")
                               .arg(info.failure.isEmpty()
                                        ? QStringLiteral(u"サウンドサーバーに接続できません")
                                        : info.failure));
        return check;
    }
    if (info.muted)
        add(OutputProblem::Muted,
            QStringLiteral(u"音が消されています（ミュート）。ミュートを解除してください。"));
    if (info.volumePercent < FullVolume)
        add(OutputProblem::LowVolume,
            QStringLiteral(u"音量が%1％になっています。音量を100％にしてください。")
                .arg(info.volumePercent));
    if (info.kind == OutputKind::Bluetooth)
        add(OutputProblem::Bluetooth,
            QStringLiteral(u"音の出力先がBluetooth機器「%1」です。"
                           u"信号が遅れたり途切れたりすることがあります。")
                .arg(info.description));
    if (info.kind == OutputKind::Hdmi)
        add(OutputProblem::Hdmi,
            QStringLiteral(u"音の出力先がHDMI「%1」（テレビやモニター）です。"
                           u"その機器の音量とミュートも確かめてください。")
                .arg(info.description));
    return check;
}

QStringList DescribeOutput(const OutputInfo &info)
{
    return {QStringLiteral("name: ") + info.name,
            QStringLiteral("description: ") + info.description,
            QStringLiteral("format: ") + info.format,
            QStringLiteral("volume: %1%").arg(info.volumePercent),
            QStringLiteral("muted: ") + QLatin1String(info.muted ? "yes" : "no"),
            QStringLiteral("kind: ") + kindName(info.kind),
            QStringLiteral("monitor: ")
                + (info.monitor.isEmpty() ? QStringLiteral("-") : info.monitor)};
}

QString MeasuredVolumeText(const OutputInfo &info)
{
    if (!info.reached || !info.present)
        return QStringLiteral(u"音声出力装置が見つかりません。\r\n"
                              u"スピーカーかイヤホンをつないでください。");
    const QString volume = QStringLiteral(u"音量は%1％").arg(info.volumePercent);
    if (info.muted)
        return volume
            + QStringLiteral(u"ですが、ミュートになっています。\r\n"
                             u"ミュートを解除してください。");
    if (info.volumePercent < FullVolume)
        return volume + QStringLiteral(u"です。\r\n100％にするとロボットに届きやすくなります。");
    return volume + QStringLiteral(u"です。\r\nこのまま送信できます。");
}

QString OutputQuestionText(const OutputCheck &check)
{
    return QStringLiteral(u"このままではロボットに信号が届かないかもしれません。\n\n")
        + check.texts.join(u'\n') + QStringLiteral(u"\n\nどうしますか。");
}

QString HeardText()
{
    return QStringLiteral(u"出力された信号を聞き取って確かめました。");
}

HeardVerdict JudgeHeard(const QByteArray &sent, const QByteArray &heard)
{
    const DecodedFrame expected = DecodeSignal(sent);
    const DecodedFrame found = DecodeSignal(heard);
    if (found.complete && found.checksumHolds && found.bytes == expected.bytes)
        return {Hearing::Heard, {}};
    if (!found.complete && found.bytes.isEmpty())
        return {Hearing::NotHeard,
                QStringLiteral(u"出力された音から信号を聞き取れませんでした（%1）。"
                               u"音量を100％にし、ミュートを解除してください。")
                    .arg(found.error)};
    const QString why = !found.complete ? found.error
        : !found.checksumHolds          ? QStringLiteral(u"チェックサムが合いません")
                                        : QStringLiteral(u"データが違います");
    return {Hearing::NotHeard,
            QStringLiteral(u"出力された信号が崩れていました（%1）。音量を100％にし、"
                           u"音を変える効果（イコライザーなど）を切ってください。")
                .arg(why)};
}

} // namespace zuvo
