#include "signal/signaldecoder.h"

#include "signal/symbolrender.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <queue>
#include <vector>

namespace zuvo {

namespace {

constexpr int StartMarker = 0x5C;
constexpr int FrameCode = 0xEF;
constexpr int EndCode = 0x8F;
constexpr int PauseGaps = 10; // one "A"
constexpr int PauseTolerance = 2;
constexpr int GroupSlots = 10; // start pulse, eight bits, stop bit

// The level of the pulses is taken from the signal itself: the strongest pulses but a few,
// so that a click or two louder than the frame do not set it. A frame has far more pulses.
constexpr int LevelRank = 16;
// Below this slot energy (about 1 % of full scale) nothing counts as a pulse.
constexpr double FloorEnergy = 12.0;
// A frame is hunted for where the energy reaches this share of the signal's level; within a
// frame, a slot holds a pulse when its energy reaches this share of the frame's level.
constexpr double OnsetShare = 0.35;
constexpr double BitShare = 0.5;
// How far the bit clock may be off the nominal slot (12 samples), and how strongly each start
// pulse pulls the clock's phase and frequency within a frame.
constexpr double ClockTolerance = 0.06;
constexpr double PhaseGain = 0.5;
constexpr double FrequencyGain = 0.05;
// Where the clearest reading of a byte is looked for around the predicted start, nearest first.
constexpr double SearchShifts[] = {0, -0.5, 0.5, -1, 1, -1.5, 1.5, -2, 2, -2.5, 2.5, -3, 3};

// The energy of one 2000 Hz period (one slot) in the window starting at each sample: the
// magnitude of the window's correlation with that frequency. It is the same for a pulse of
// either polarity, ignores a constant offset and anything slow, and smears little under a
// low-pass filter that keeps the fundamental.
class SlotEnergy
{
public:
    explicit SlotEnergy(const QByteArray &samples)
        : m_samples(samples)
    {
        constexpr double Pi = 3.14159265358979323846;
        for (int k = 0; k < SymbolSamples; ++k) {
            m_cos[k] = std::cos(2 * Pi * k / SymbolSamples);
            m_sin[k] = std::sin(2 * Pi * k / SymbolSamples);
        }
    }

    qsizetype size() const { return m_samples.size(); }

    double at(qsizetype start) const
    {
        double re = 0;
        double im = 0;
        for (int k = 0; k < SymbolSamples; ++k) {
            const qsizetype i = start + k;
            if (i < 0 || i >= m_samples.size())
                continue;
            const double x = int(quint8(m_samples[i])) - SilenceSample;
            re += x * m_cos[k];
            im += x * m_sin[k];
        }
        return std::sqrt(re * re + im * im);
    }

    // The strongest energy near a position, for a bit whose slot is a sample or two off.
    double around(double position) const
    {
        const qsizetype centre = qsizetype(std::lround(position));
        return std::max({at(centre - 1), at(centre), at(centre + 1)});
    }

private:
    const QByteArray &m_samples;
    std::array<double, SymbolSamples> m_cos {};
    std::array<double, SymbolSamples> m_sin {};
};

// The signal's pulse level: the LevelRank-th strongest local peak of the slot energy.
double SignalLevel(const SlotEnergy &energy)
{
    std::priority_queue<double, std::vector<double>, std::greater<>> strongest;
    double previous = 0;
    double current = energy.at(0);
    for (qsizetype i = 0; i < energy.size(); ++i) {
        const double next = energy.at(i + 1);
        if (current >= FloorEnergy && current > previous && current >= next) {
            strongest.push(current);
            if (strongest.size() > LevelRank)
                strongest.pop();
        }
        previous = current;
        current = next;
    }
    return strongest.empty() ? 0.0 : strongest.top();
}

struct Group
{
    double start = 0; // where the start pulse's slot begins, in samples
    double level = 0; // the start pulse's energy
    int value = 0;
    bool stopBit = false;
    int gapsBefore = 0; // whole slots of silence between the previous group and this one
};

class Reader
{
public:
    Reader(const SlotEnergy &energy, double huntThreshold)
        : m_energy(energy)
        , m_huntThreshold(huntThreshold)
    {
    }

    // The next rise of the energy above the hunting threshold, from position on.
    std::optional<double> hunt(double position) const
    {
        return findOnset(position, m_huntThreshold);
    }

    // Reads the candidate start marker whose start pulse rises at onset, with the nominal
    // clock and with one a few percent off. A marker sets the frame's level from all its
    // pulses; the frame code, a pause later, sets its clock.
    Group startFrame(double onset)
    {
        const double level = m_energy.around(onset);
        Group group;
        for (double clock : {1.0, 1 - ClockTolerance / 1.5, 1 + ClockTolerance / 1.5}) {
            m_slot = clock * SymbolSamples;
            m_level = level;
            group = readGroup(onset);
            if (group.value == StartMarker && group.stopBit)
                break;
        }
        if (group.value != StartMarker || !group.stopBit)
            return group;
        double sum = 0;
        for (int slot : {0, 2, 4, 5, 6, 9}) // 1 0101 1100 1
            sum += m_energy.around(onset + slot * m_slot);
        m_level = sum / 6;
        m_clockSet = false;
        return group;
    }

    // The group after previous: its start pulse is the first to rise once previous's last
    // slot is over (a stop pulse is always followed by a pause). The time between the two
    // start pulses sets the clock, the start pulse's level keeps the frame's level.
    std::optional<Group> next(const Group &previous)
    {
        const std::optional<double> onset
            = findOnset(previous.start + (previous.stopBit ? GroupSlots + 0.5 : 9.0) * m_slot,
                        BitShare * m_level);
        if (!onset)
            return std::nullopt;
        double start = *onset;
        int whole = int(std::lround((start - previous.start) / m_slot));
        if (m_clockSet && whole == GroupSlots) {
            // Back to back, the clock predicts the start, and the byte's own slots correct
            // it, as a phase-locked loop: a rise that merges with an echo of the byte before
            // says little about the time, the clearest reading of all ten slots says more.
            const double predicted = previous.start + GroupSlots * m_slot;
            const double error = sharpest(predicted, GroupSlots) - predicted;
            start = predicted + PhaseGain * error;
            m_slot = std::clamp(m_slot + FrequencyGain * error / GroupSlots,
                                (1 - ClockTolerance) * SymbolSamples,
                                (1 + ClockTolerance) * SymbolSamples);
        } else {
            // After a pause the rise places the group, but it may merge with an echo of what
            // came before: the group's first slots, read clearest, place it better.
            start = sharpest(start, 4);
            const double elapsed = start - previous.start;
            whole = int(std::lround(elapsed / m_slot));
            if (!m_clockSet) {
                // The frame code follows the marker after a pause: 20 slots, which set the
                // clock.
                if (nearNominal(elapsed / (GroupSlots + PauseGaps)))
                    whole = GroupSlots + PauseGaps;
                if (whole >= GroupSlots && nearNominal(elapsed / whole)) {
                    m_slot = elapsed / whole;
                    m_clockSet = true;
                }
            }
        }
        Group group = readGroup(start);
        group.gapsBefore = whole - GroupSlots;
        m_level = 0.75 * m_level + 0.25 * group.level;
        return group;
    }

private:
    // The start near start at which the group's first slots read most clearly: each slot's
    // energy as far from the decision threshold as it gets. A slot read off its time loses
    // energy to its neighbour or takes some from it; an echo adds about the same at any time.
    double sharpest(double start, int count) const
    {
        const double threshold = BitShare * m_level;
        double best = start;
        double bestClarity = -1;
        for (double shift : SearchShifts) {
            double clarity = 0;
            for (int slot = 0; slot < count; ++slot)
                clarity += std::abs(
                    m_energy.at(qsizetype(std::lround(start + shift + slot * m_slot))) - threshold);
            if (clarity > bestClarity) {
                bestClarity = clarity;
                best = start + shift;
            }
        }
        return best;
    }

    static bool nearNominal(double slot)
    {
        return std::abs(slot / SymbolSamples - 1) <= ClockTolerance;
    }

    // The next place from position on where a pulse rises above threshold, as its slot's
    // beginning: six samples after the energy crosses half the pulse's own level.
    std::optional<double> findOnset(double position, double threshold) const
    {
        const qsizetype from = qsizetype(std::ceil(position));
        for (qsizetype i = from; i < m_energy.size(); ++i) {
            if (m_energy.at(i) < threshold)
                continue;
            double peak = 0;
            for (qsizetype j = i; j <= i + SymbolSamples; ++j)
                peak = std::max(peak, m_energy.at(j));
            qsizetype cross = std::max(from, i - SymbolSamples);
            while (m_energy.at(cross) < peak / 2)
                ++cross;
            const double below = m_energy.at(cross - 1);
            const double above = m_energy.at(cross);
            const double fraction
                = above > below ? std::clamp((peak / 2 - below) / (above - below), 0.0, 1.0) : 1.0;
            return double(cross - 1) + fraction + SymbolSamples / 2.0;
        }
        return std::nullopt;
    }

    // The group whose start pulse rises at onset, read with the frame's clock and level.
    Group readGroup(double onset) const
    {
        Group group;
        group.start = onset;
        group.level = m_energy.around(onset);
        // An echo in step with the pulses raises every slot of a byte, its start pulse too.
        const double threshold = BitShare * std::max(m_level, group.level);
        for (int bit = 1; bit <= 8; ++bit)
            group.value
                = (group.value << 1) | (m_energy.around(onset + bit * m_slot) >= threshold ? 1 : 0);
        group.stopBit = m_energy.around(onset + 9 * m_slot) >= threshold;
        return group;
    }

    const SlotEnergy &m_energy;
    double m_huntThreshold;
    double m_slot = SymbolSamples;
    double m_level = 0;
    bool m_clockSet = false;
};

QString hexByte(int value)
{
    return QString::number(value & 0xff, 16).toUpper().rightJustified(2, u'0');
}

bool isPause(const Group &group)
{
    return std::abs(group.gapsBefore - PauseGaps) <= PauseTolerance;
}

// How far a frame got: the frame read from a start marker on, and where it broke off.
struct Attempt
{
    DecodedFrame frame;
    int stage = 0; // 0 no start marker, 1 no frame code, 2 the frame code was read
};

Attempt readFrame(Reader &reader, const Group &marker)
{
    Attempt attempt;
    DecodedFrame &frame = attempt.frame;
    const auto fail = [&attempt](const QString &why) {
        attempt.frame.error = why;
        return attempt;
    };
    if (marker.value != StartMarker || !marker.stopBit)
        return fail(QStringLiteral(u"開始マーカーがありません"));
    attempt.stage = 1;
    std::optional<Group> group = reader.next(marker);
    if (!group || group->value != FrameCode || group->stopBit || !isPause(*group))
        return fail(QStringLiteral(u"フレームコードがありません"));
    attempt.stage = 2;

    bool first = true;
    for (;;) {
        group = reader.next(*group);
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

    group = reader.next(*group);
    if (!group || group->value != EndCode || group->stopBit || !isPause(*group))
        return fail(QStringLiteral(u"終了コードがありません"));

    group = reader.next(*group);
    if (!group || group->stopBit || !isPause(*group))
        return fail(QStringLiteral(u"チェックサムがありません"));

    int sum = 0;
    for (qsizetype i = 1; i < frame.bytes.size(); ++i)
        sum += quint8(frame.bytes[i]);
    frame.receivedChecksum = quint8(group->value);
    frame.computedChecksum = quint8(sum & 0xff);
    frame.checksumHolds = frame.receivedChecksum == frame.computedChecksum;
    frame.complete = true;
    return attempt;
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
    const SlotEnergy energy(samples);
    const double level = SignalLevel(energy);
    if (level < FloorEnergy) {
        DecodedFrame none;
        none.error = QStringLiteral(u"信号がありません");
        return none;
    }

    // Hunts for the start marker as a receiver that has just been switched on would: every
    // rise of the energy may be one. A click, noise or a broken frame before it only costs a
    // slot; what is reported when no frame is complete is the attempt that got furthest.
    Reader reader(energy, OnsetShare * level);
    Attempt best;
    double position = -SymbolSamples; // a pulse may begin at the first sample
    while (const std::optional<double> onset = reader.hunt(position)) {
        // A click just before the marker merges with its first rise: the marker may start
        // anywhere in the slot after the rise.
        for (int shift = 0; shift < SymbolSamples; ++shift) {
            const Attempt attempt = readFrame(reader, reader.startFrame(*onset + shift));
            if (attempt.frame.complete)
                return attempt.frame;
            if (attempt.stage > best.stage || best.frame.error.isEmpty())
                best = attempt;
        }
        position = std::max(position + 1, *onset + SymbolSamples);
    }
    return best.frame;
}

} // namespace zuvo
