#include "codegencheck.h"

#include "encodingcheck.h"
#include "fuzzinput.h"

#include "check/runchecks.h"
#include "codegen/generateprogram.h"
#include "codegen/transmitencoding.h"
#include "model/iconcatalogue.h"
#include "model/samples.h"
#include "sim/robotmachine.h"

#include <QPoint>
#include <QStringList>

namespace zuvo {

namespace {

constexpr int HeaderBytes = 16;
constexpr int FrameTokenLimit = 256; // the first byte and 255 more
// How long the robot runs a program: most loops come round many times within this.
constexpr qint64 RunMilliseconds = 60000;
constexpr qint64 RunInstructions = 5000;

// Sensor answers from the fuzz input: every branch may go either way.
class InputSensors : public sim::SensorReader
{
public:
    explicit InputSensors(QByteArrayView input)
        : m_state(quint32(qHashBits(input.data(), size_t(input.size()))) | 1u)
    {
    }
    bool lightDetected(int) const override { return next(); }
    bool touchPressed(int) const override { return next(); }

private:
    bool next() const
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state & 1u;
    }
    mutable quint32 m_state;
};

// The robot runs the code: it must never meet a byte it cannot execute.
QString runOnRobot(const QByteArray &image, QByteArrayView input)
{
    sim::RobotMachine machine(sim::CodeOfTransmitImage(image));
    const InputSensors sensors(input);
    while (machine.now() < RunMilliseconds && machine.executedCount() < RunInstructions
           && machine.status() != sim::MachineStatus::Ended) {
        machine.runMillisecond(sensors);
        if (machine.status() == sim::MachineStatus::Fault)
            return QStringLiteral("the robot reports: ") + machine.faultText();
        machine.endMillisecond();
    }
    return QString();
}

bool holdsProgram(const ProgramText &text)
{
    // The empty slots of a set hold nothing but BEGIN and END.
    return LoadSlotText(text).SlotCount > 2;
}

QString hexText(const QByteArray &bytes)
{
    QStringList pairs;
    for (const char byte : bytes)
        pairs << QStringLiteral("%1").arg(quint8(byte), 2, 16, QLatin1Char('0')).toUpper();
    return pairs.join(u' ');
}

QString checkImage(const GenerateResult &result, bool checksumTest)
{
    const QByteArray &image = result.TransmitImage;
    const int count = result.ProgramByteCount;
    if (image.size() != HeaderBytes + count + 3)
        return QStringLiteral("TransmitImage of %1 bytes for %2 code bytes")
            .arg(image.size())
            .arg(count);
    if (image.left(HeaderBytes) != QByteArray::fromHex(TransmitHeaderText.toLatin1()))
        return QStringLiteral("TransmitImage without its header");
    int sum = 0;
    for (qsizetype i = HeaderBytes; i < image.size() - 1; ++i)
        sum += quint8(image.at(i));
    if (image.at(image.size() - 3) != '\0' || quint8(image.at(image.size() - 2)) != 0xff
        || quint8(image.at(image.size() - 1)) != (sum & 0xff))
        return QStringLiteral("TransmitImage trailer or checksum wrong");
    QString expected = hexText(image);
    if (checksumTest && result.outcome == GenerateOutcome::Ready)
        expected += QStringLiteral(" 5");
    if (!result.writesTxData || result.txData != expected)
        return QStringLiteral("TXdata does not hold the TransmitImage");
    return QString();
}

} // namespace

const QList<ProgramText> &SamplePrograms()
{
    static const QList<ProgramText> programs = [] {
        QList<ProgramText> list;
        for (int set = 1; set <= SampleSetCount; ++set)
            for (const ProgramText &text : BuiltInSampleSet(set).programs)
                if (holdsProgram(text))
                    list << text;
        return list;
    }();
    return programs;
}

ProgramText LongChainProgram()
{
    WorkingProgram program;
    const int icons = ChainIcons + 2;
    QPoint previous;
    for (int i = 0; i < icons; ++i) {
        // Icon cells in rows 0, 2, 4, ..., each row walked the other way than the one before.
        const int row = i / IconColumns;
        const int column = row % 2 == 0 ? i % IconColumns : IconColumns - 1 - i % IconColumns;
        const QPoint cell(2 * column, 2 * row);
        const int code = i == 0 ? IconBegin : (i == icons - 1 ? IconEnd : IconSetVariable);
        program.placeNewIcon(cell.x(), cell.y(), code,
                             code == IconSetVariable ? QStringLiteral(u"18 2=Ａ 0 &H00FFFFFF")
                                                     : DefaultParams(code));
        if (i > 0)
            program.CellContent((cell.x() + previous.x()) / 2, (cell.y() + previous.y()) / 2)
                = LineCell;
        previous = cell;
    }
    program.Memo = QStringLiteral("long chain");
    return StoreSlotText(program);
}

const QList<ProgramText> &CodegenPrograms()
{
    static const QList<ProgramText> programs = SamplePrograms() + QList {LongChainProgram()};
    return programs;
}

QString CheckCodegenInput(QByteArrayView input)
{
    if (input.isEmpty())
        return QString();
    const QList<ProgramText> &samples = CodegenPrograms();
    const int choice = quint8(input.at(0));
    const ProgramText &sample = samples.at(choice % samples.size());
    const bool checksumTest = (choice / samples.size()) % 2 == 1;

    WorkingProgram program = LoadSlotText(sample);
    const QList<QByteArray> pieces = SplitFuzzInput(input.sliced(1), IconSlotLimit);
    for (int slot = 0; slot < pieces.size() && slot < program.SlotCount; ++slot)
        if (!pieces.at(slot).isEmpty())
            program.SlotParams[slot] = QString::fromUtf8(pieces.at(slot));

    CheckRun run = RunChecks(program);
    if (!run.passed)
        return QString();

    const GenerateResult result = GenerateProgram(program, run.flow, true, checksumTest);
    switch (result.outcome) {
    case GenerateOutcome::NotChecked:
        return QStringLiteral("a checked program refused as unchecked");
    case GenerateOutcome::TooLarge:
        if (result.ProgramByteCount <= ProgramByteLimit)
            return QStringLiteral("refused as too large with %1 code bytes")
                .arg(result.ProgramByteCount);
        return checkImage(result, checksumTest);
    case GenerateOutcome::Ready:
        break;
    default:
        return QString();
    }

    if (result.ProgramByteCount > ProgramByteLimit)
        return QStringLiteral("%1 code bytes handed on for sending").arg(result.ProgramByteCount);
    if (const QString fault = checkImage(result, checksumTest); !fault.isEmpty())
        return fault;
    // The test token " 5" follows the image's bytes; a frame takes 255 tokens after the first
    // byte (01), so behind an image of 256 bytes (237 code bytes) it is not counted.
    const bool testTokenCounted = checksumTest && result.TransmitImage.size() < FrameTokenLimit;
    const QString symbols = EncodeTransmission(result.txData.trimmed());
    if (symbols != FrameSymbols(result.TransmitImage, testTokenCounted ? 5 : 0))
        return QStringLiteral("SymbolText does not carry the TransmitImage");
    return runOnRobot(result.TransmitImage, input);
}

} // namespace zuvo
