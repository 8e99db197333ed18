#include "model/pngprogram.h"

#include <array>
#include <cstdint>
#include <optional>

namespace zuvo {

namespace {

const QByteArray Signature = QByteArrayLiteral("\x89PNG\r\n\x1a\n");
constexpr qsizetype ChunkOverhead = 12; // length, type, CRC
// The PNG format's own bound on a chunk's length.
constexpr quint32 ChunkLengthLimit = 0x7fffffffu;

const QString TruncatedReason = QStringLiteral(u"画像ファイルが途中で切れています");
const QString ChecksumReason = QStringLiteral(u"画像ファイルのデータが壊れています");
const QString ChunkReason = QStringLiteral(u"画像の中のプログラムが読み取れません");
const QString TwoProgramsReason = QStringLiteral(u"画像の中にプログラムが二つ以上あります");

const std::array<quint32, 256> &crcTable()
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t {};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

// CRC-32 of the chunk's type and data, as PNG defines it.
quint32 chunkCrc(const char *data, qsizetype size)
{
    quint32 c = 0xffffffffu;
    const auto &table = crcTable();
    for (qsizetype i = 0; i < size; ++i)
        c = table[(c ^ static_cast<quint8>(data[i])) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

quint32 readBigEndian(const QByteArray &bytes, qsizetype at)
{
    quint32 value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<quint8>(bytes[at + i]);
    return value;
}

void appendBigEndian(QByteArray &bytes, quint32 value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(static_cast<char>((value >> shift) & 0xff));
}

QByteArray makeChunk(const QByteArray &type, const QByteArray &data)
{
    QByteArray chunk;
    appendBigEndian(chunk, static_cast<quint32>(data.size()));
    const QByteArray typed = type + data;
    chunk += typed;
    appendBigEndian(chunk, chunkCrc(typed.constData(), typed.size()));
    return chunk;
}

struct Chunk
{
    QByteArray type;
    qsizetype start = 0; // offset of the length field
    qsizetype dataStart = 0;
    qsizetype dataSize = 0;
    qsizetype end() const { return dataStart + dataSize + 4; }
};

// The chunk at `at`, or nothing when the file ends inside it.
bool chunkAt(const QByteArray &png, qsizetype at, Chunk &chunk)
{
    if (png.size() - at < ChunkOverhead)
        return false;
    const quint32 length = readBigEndian(png, at);
    if (length > ChunkLengthLimit || png.size() - at - ChunkOverhead < qsizetype(length))
        return false;
    chunk.type = png.mid(at + 4, 4);
    chunk.start = at;
    chunk.dataStart = at + 8;
    chunk.dataSize = length;
    return true;
}

bool crcMatches(const QByteArray &png, const Chunk &chunk)
{
    const quint32 stored = readBigEndian(png, chunk.dataStart + chunk.dataSize);
    return stored == chunkCrc(png.constData() + chunk.start + 4, chunk.dataSize + 4);
}

// Our chunk's keyword and separator, the start of a tEXt chunk that holds a robot file.
QByteArray keywordPrefix()
{
    return PngProgramKeyword + '\0';
}

bool isProgramChunk(const QByteArray &png, const Chunk &chunk)
{
    const QByteArray prefix = keywordPrefix();
    return chunk.type == "tEXt" && chunk.dataSize >= prefix.size()
        && png.mid(chunk.dataStart, prefix.size()) == prefix;
}

PngProgramResult damaged(const QString &reason)
{
    PngProgramResult result;
    result.status = PngProgramResult::Status::Damaged;
    result.reason = reason;
    return result;
}

} // namespace

bool LooksLikePng(const QByteArray &bytes)
{
    return bytes.startsWith(Signature.left(4));
}

PngProgramResult ExtractProgramFromPng(const QByteArray &png)
{
    if (!png.startsWith(Signature))
        return damaged(Signature.startsWith(png) ? TruncatedReason : ChecksumReason);
    std::optional<QByteArray> program;
    qsizetype at = Signature.size();
    for (;;) {
        Chunk chunk;
        if (!chunkAt(png, at, chunk))
            return damaged(TruncatedReason);
        if (!crcMatches(png, chunk))
            return damaged(ChecksumReason);
        if (isProgramChunk(png, chunk) && program)
            return damaged(TwoProgramsReason);
        if (isProgramChunk(png, chunk)) {
            const qsizetype prefix = keywordPrefix().size();
            const QByteArray text = png.mid(chunk.dataStart + prefix, chunk.dataSize - prefix);
            const auto decoded = QByteArray::fromBase64Encoding(
                text, QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
            if (!decoded)
                return damaged(ChunkReason);
            program = *decoded;
        }
        if (chunk.type == "IEND")
            break;
        at = chunk.end();
    }
    PngProgramResult result;
    if (program) {
        result.status = PngProgramResult::Status::Found;
        result.robotFile = *program;
    }
    return result;
}

QByteArray EmbedProgramInPng(const QByteArray &png, const QByteArray &robotFile)
{
    Chunk header;
    if (!png.startsWith(Signature) || !chunkAt(png, Signature.size(), header)
        || header.type != "IHDR")
        return QByteArray();
    QByteArray out = png.left(header.end());
    out += makeChunk("tEXt", keywordPrefix() + robotFile.toBase64());
    qsizetype at = header.end();
    Chunk chunk;
    while (chunkAt(png, at, chunk)) {
        if (!isProgramChunk(png, chunk))
            out += png.mid(chunk.start, chunk.end() - chunk.start);
        at = chunk.end();
    }
    out += png.mid(at); // whatever follows (nothing in a sound file)
    return out;
}

} // namespace zuvo
