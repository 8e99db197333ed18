#include "cli/cliarguments.h"
#include "cli/clicommands.h"

#include "signal/signaldecoder.h"
#include "signal/wavfile.h"

#include "model/filereader.h"

namespace zuvo::cli {

namespace {

QString hexByte(int value)
{
    return QString::number(value & 0xff, 16).toUpper().rightJustified(2, u'0');
}

} // namespace

const CommandSyntax DecodeSyntax = {
    "decode", "[--raw] IN.wav", "decode a recorded signal into its bytes and verify the checksum"};

// Reads a recorded or written signal back into the frame's bytes and verifies its checksum.
// "--raw" reads headerless 8-bit unsigned mono samples at 24000 per second, as a recorder
// writes them.
int commandDecode(const QStringList &args, QTextStream &out, QTextStream &err)
{
    CommandParser parser(DecodeSyntax);
    parser.addOption({QStringLiteral("raw"),
                      QStringLiteral("headerless 8-bit unsigned mono samples, 24000 per second")});
    if (const auto done = parser.parse(args, out, err))
        return *done;
    const bool raw = parser.isSet(QStringLiteral("raw"));
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return parser.refuse(err, QStringLiteral("expected IN.wav"));
    const QString &path = positional[0];

    QByteArray samples;
    if (raw) {
        const FileReadResult read = ReadWholeFile(path, WavFileSizeLimit);
        if (!read.ok) {
            ReportFileError(
                err, path, read.tooLarge ? QStringLiteral(u"ファイルが大きすぎます") : read.reason);
            return ExitUsage;
        }
        samples = read.bytes;
    } else {
        const WavReadResult read = ReadWavFile(path);
        if (!read.ok) {
            ReportFileError(err, path, read.error);
            return ExitUsage;
        }
        samples = read.samples;
    }

    const DecodedFrame frame = DecodeSignal(samples);
    if (!frame.complete) {
        if (!frame.bytes.isEmpty())
            out << HexBytesText(frame.bytes) << Qt::endl;
        err << path << ": no complete frame: " << frame.error << Qt::endl;
        return ExitRefused;
    }
    out << HexBytesText(frame.bytes) << '\n';
    if (frame.checksumHolds) {
        out << "checksum " << hexByte(frame.receivedChecksum) << " holds" << Qt::endl;
        return ExitOk;
    }
    out << "checksum " << hexByte(frame.receivedChecksum) << " does not hold (the bytes give "
        << hexByte(frame.computedChecksum) << ")" << Qt::endl;
    return ExitRefused;
}

} // namespace zuvo::cli
