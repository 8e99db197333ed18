#include "signal/signaldecoder.h"

#include "signal/symbolrender.h"

#include <QStringList>

#include <cstdlib>
#include <optional>

namespace zuvo {

namespace {

constexpr int StartMarker = 0x5C;
constexpr int FrameCode = 0xEF;
constexpr int EndCode = 0x8F;
constexpr int PauseGaps = 10; // one "A"
constexpr int PauseTolerance = 2;
// Mean distance from silence above which a slot holds a pulse; a clean pulse averages about
// 116, a gap 0.
constexpr int PulseLevel = 24;

struct Group
{
    int value = 0;
    bool stopBit = false;
    int gapsBefore = 0; // whole slots of silence between the previous group and this one
};

class Reader
{
public:
    explicit Reader(const QByteArray &samples)
        : m_samples(samples)
    {
    }

    std::optional<Group> next()
    {
        const qsizetype onset = findOnset(m_position);
        if (onset < 0)
            return std::nullopt;
        Group group;
        group.gapsBefore = int((onset - m_position + SymbolSamples / 2) / SymbolSamples);
        for (int bit = 1; bit <= 8; ++bit)
            group.value = (group.value << 1) | (isPulse(onset + bit * SymbolSamples) ? 1 : 0);
        group.stopBit = isPulse(onset + 9 * SymbolSamples);
        m_position = onset + 10 * SymbolSamples;
        return group;
    }

private:
    int deviation(qsizetype at) const
    {
        if (at < 0 || at >= m_samples.size())
            return 0;
        return std::abs(int(quint8(m_samples[at])) - SilenceSample);
    }

    qsizetype findOnset(qsizetype from) const
    {
        for (qsizetype at = from; at < m_samples.size(); ++at) {
            if (deviation(at) > PulseLevel)
                return at;
        }
        return -1;
    }

    bool isPulse(qsizetype slotStart) const
    {
        int total = 0;
        for (int i = 0; i < SymbolSamples; ++i)
            total += deviation(slotStart + i);
        return total > PulseLevel * SymbolSamples;
    }

    const QByteArray &m_samples;
    qsizetype m_position = 0;
};

QString hexByte(int value)
{
    return QString::number(value & 0xff, 16).toUpper().rightJustified(2, u'0');
}

bool isPause(const Group &group)
{
    return std::abs(group.gapsBefore - PauseGaps) <= PauseTolerance;
}

} // namespace

QString HexBytesText(const QByteArray &bytes)
{
    QStringList parts;
    parts.reserve(bytes.size());
    for (char byte : bytes)
        parts << hexByte(quint8(byte));
    return parts.join(u' ');
}

DecodedFrame DecodeSignal(const QByteArray &samples)
{
    DecodedFrame frame;
    Reader reader(samples);
    const auto fail = [&frame](const QString &why) {
        frame.error = why;
        return frame;
    };

    std::optional<Group> group = reader.next();
    if (!group)
        return fail(QStringLiteral(u"信号がありません"));
    if (group->value != StartMarker || !group->stopBit)
        return fail(QStringLiteral(u"開始マーカーがありません"));

    group = reader.next();
    if (!group || group->value != FrameCode || group->stopBit || !isPause(*group))
        return fail(QStringLiteral(u"フレームコードがありません"));

    bool first = true;
    for (;;) {
        group = reader.next();
        if (!group)
            return fail(QStringLiteral(u"終了マーカーがありません"));
        const bool pauseExpected = first;
        first = false;
        if (pauseExpected ? !isPause(*group) : group->gapsBefore != 0)
            return fail(
                QStringLiteral(u"%1バイト目の前の間が不正です").arg(frame.bytes.size() + 1));
        if (group->stopBit) {
            if (group->value != StartMarker)
                return fail(QStringLiteral(u"%1バイト目のストップビットが不正です")
                                .arg(frame.bytes.size() + 1));
            break;
        }
        frame.bytes.append(char(group->value));
    }

    group = reader.next();
    if (!group || group->value != EndCode || group->stopBit || !isPause(*group))
        return fail(QStringLiteral(u"終了コードがありません"));

    group = reader.next();
    if (!group || group->stopBit || !isPause(*group))
        return fail(QStringLiteral(u"チェックサムがありません"));

    int sum = 0;
    for (qsizetype i = 1; i < frame.bytes.size(); ++i)
        sum += quint8(frame.bytes[i]);
    frame.receivedChecksum = quint8(group->value);
    frame.computedChecksum = quint8(sum & 0xff);
    frame.checksumHolds = frame.receivedChecksum == frame.computedChecksum;
    frame.complete = true;
    return frame;
}

} // namespace zuvo
