#pragma once
// WAV files of the signal: PCM, 8-bit unsigned, mono, 24000 samples per second.

#include <QByteArray>
#include <QString>

namespace zuvo {

// The complete file: a 44-byte header (format chunk of 16 bytes) and the samples.
QByteArray EncodeWav(const QByteArray &samples);

struct WavWriteResult
{
    bool ok = false;
    QString error; // the user's reason when not ok (see WriteWholeFile)
};

// Replaces the file completely or leaves it untouched (WriteWholeFile).
WavWriteResult WriteWavFile(const QString &path, const QByteArray &samples);

struct WavReadResult
{
    bool ok = false;
    QString error; // why the file is not a signal this program can read
    QByteArray samples;
};

// Accepts only the signal's own format; anything else is refused with its reason.
WavReadResult ParseWav(const QByteArray &bytes);

// The largest signal file read: far above the longest signal (under two seconds), far below
// what would strain the memory.
constexpr qint64 WavFileSizeLimit = 64 * 1024 * 1024;
WavReadResult ReadWavFile(const QString &path);

} // namespace zuvo
