#include "signal/wavfile.h"

#include "signal/symbolrender.h"

#include "model/filereader.h"
#include "model/filewriter.h"

#include <QtEndian>

namespace zuvo {

namespace {

void appendU32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void appendU16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

quint32 readU32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 readU16(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

WavReadResult refused(const QString &reason)
{
    WavReadResult result;
    result.error = reason;
    return result;
}

} // namespace

QByteArray EncodeWav(const QByteArray &samples)
{
    const quint32 dataSize = quint32(samples.size());
    const bool pad = dataSize % 2 != 0; // chunks are word aligned
    QByteArray out;
    out.reserve(44 + samples.size() + 1);
    out.append("RIFF");
    appendU32(out, 36 + dataSize + (pad ? 1 : 0));
    out.append("WAVE");
    out.append("fmt ");
    appendU32(out, 16);
    appendU16(out, 1); // PCM
    appendU16(out, 1); // mono
    appendU32(out, SignalSampleRate);
    appendU32(out, SignalSampleRate); // bytes per second
    appendU16(out, 1); // block alignment
    appendU16(out, 8); // bits per sample
    out.append("data");
    appendU32(out, dataSize);
    out.append(samples);
    if (pad)
        out.append('\0');
    return out;
}

WavWriteResult WriteWavFile(const QString &path, const QByteArray &samples)
{
    const FileWriteResult written = WriteWholeFile(path, EncodeWav(samples));
    WavWriteResult result;
    result.ok = written.ok;
    result.error = written.reason;
    return result;
}

WavReadResult ParseWav(const QByteArray &bytes)
{
    const QString cutShort = QStringLiteral(u"WAVファイルが途中で切れています");
    // Cut inside its first twelve bytes, the file can still be seen to be a WAV file.
    if (bytes.size() < 12 && !bytes.isEmpty() && QByteArray("RIFF").startsWith(bytes.left(4))
        && (bytes.size() <= 8 || QByteArray("WAVE").startsWith(bytes.mid(8))))
        return refused(cutShort);
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return refused(QStringLiteral(u"WAVファイルではありません"));
    bool formatSeen = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = readU32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (size > quint32(bytes.size() - body)) {
            // A recorder that was stopped early leaves the data size unfinished: take what is
            // there rather than refuse the recording.
            if (id != "data")
                return refused(cutShort);
        }
        if (id == "fmt ") {
            if (size < 16)
                return refused(QStringLiteral(u"WAVファイルの形式情報が壊れています"));
            const quint16 encoding = readU16(bytes, body);
            const quint16 channels = readU16(bytes, body + 2);
            const quint32 rate = readU32(bytes, body + 4);
            const quint16 bits = readU16(bytes, body + 14);
            if (encoding != 1 || channels != 1 || rate != quint32(SignalSampleRate) || bits != 8)
                return refused(QStringLiteral(u"8ビット・モノラル・24000Hz のPCMではありません"));
            formatSeen = true;
        } else if (id == "data") {
            if (!formatSeen)
                return refused(QStringLiteral(u"WAVファイルの形式情報がありません"));
            WavReadResult result;
            result.ok = true;
            result.samples = bytes.mid(body, qMin<qint64>(size, bytes.size() - body));
            return result;
        }
        at = body + qsizetype(size) + qsizetype(size % 2);
    }
    // The file ends inside a chunk's header, or before the size its RIFF header gives: it was
    // cut before its data.
    if (at < bytes.size() || readU32(bytes, 4) > quint32(bytes.size() - 8))
        return refused(cutShort);
    return refused(QStringLiteral(u"WAVファイルにデータがありません"));
}

WavReadResult ReadWavFile(const QString &path)
{
    const FileReadResult read = ReadWholeFile(path, WavFileSizeLimit);
    if (read.tooLarge)
        return refused(QStringLiteral(u"ファイルが大きすぎます"));
    if (!read.ok)
        return refused(read.reason);
    return ParseWav(read.bytes);
}

} // namespace zuvo
