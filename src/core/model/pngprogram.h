#pragma once
// A robot file carried inside a PNG picture of its program: one tEXt chunk under our own
// keyword holds the file's bytes in base64, so the picture alone can be shared and opened.
// Reading needs no image library: the chunks are walked and checked here.

#include <QByteArray>
#include <QString>

namespace zuvo {

// The keyword of the chunk that holds the robot file.
inline const QByteArray PngProgramKeyword = QByteArrayLiteral("Zuvomatic robot file");

// Our chunk holds bytes that are no robot file.
inline const QString PictureHoldsNoProgramReason
    = QStringLiteral(u"画像の中のデータはロボットファイルではありません");

// True when the bytes start as a PNG does ("\x89PNG"): a picture, even when cut short or
// damaged after these bytes.
bool LooksLikePng(const QByteArray &bytes);

struct PngProgramResult
{
    enum class Status {
        Found,
        NoProgram, // a sound PNG without our chunk
        Damaged, // truncated, a checksum that does not match, or an unreadable chunk
    };
    Status status = Status::NoProgram;
    QByteArray robotFile; // the robot file's bytes when Found
    QString reason; // for Damaged, in Japanese
};

// Walks every chunk from the signature to IEND, checking each length and CRC, and returns the
// content of our chunk. A file that is not a complete, intact PNG is Damaged even when the
// chunk itself came through, and so is one with more than one of our chunks (which program it
// shows could be another's).
PngProgramResult ExtractProgramFromPng(const QByteArray &png);

// The PNG with our chunk inserted right after IHDR (any earlier one of ours is dropped);
// empty when `png` is not a PNG that starts with IHDR.
QByteArray EmbedProgramInPng(const QByteArray &png, const QByteArray &robotFile);

} // namespace zuvo
