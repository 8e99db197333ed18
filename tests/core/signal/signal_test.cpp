#include "signal/signaldecoder.h"
#include "signal/soundmodule.h"
#include "signal/symbolrender.h"
#include "signal/wavfile.h"

#include "codegen/transmitencoding.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace zuvo;

namespace {

const QByteArray Pulse("\xC0\xFF\xFF\xFF\xFF\xFF\x40\x00\x00\x00\x00\x00", 12);

QByteArray silence(qsizetype n)
{
    return QByteArray(n, char(128));
}

const QString Example
    = QStringLiteral("01 3A 5C C4 B4 E1 F1 F9 00 00 00 00 00 00 00 00 51 C0 05 00 FF 15");

} // namespace

TEST(SymbolRender, SamplesPerSymbol)
{
    EXPECT_EQ(RenderSymbols(QStringLiteral("10")), Pulse + silence(12));
    EXPECT_EQ(RenderSymbols(QStringLiteral("A")), silence(120));
    EXPECT_EQ(RenderSymbols(QStringLiteral("F")), silence(720));
    EXPECT_EQ(RenderSymbols(QStringLiteral("5")), silence(60));
    EXPECT_EQ(RenderSymbols(QStringLiteral("2")), silence(24));
    EXPECT_EQ(RenderSymbols(QStringLiteral("9")), silence(108));
    EXPECT_TRUE(RenderSymbols(QStringLiteral(" ab-G")).isEmpty());
    EXPECT_EQ(RenderSymbols(QStringLiteral("1a1")), Pulse + Pulse);

    const QString mixed = QStringLiteral("1B0 3c1FE");
    EXPECT_EQ(CountSymbolSamples(mixed), 12 + 240 + 12 + 36 + 12 + 720 + 600);
    EXPECT_EQ(RenderSymbols(mixed).size(), CountSymbolSamples(mixed));

    QByteArray buffer(24, 'x');
    qsizetype position = 0;
    WriteGap(buffer, position);
    WritePulse(buffer, position);
    EXPECT_EQ(position, 24);
    EXPECT_EQ(buffer, silence(12) + Pulse);
}

TEST(WavFile, HeaderAndRoundTrip)
{
    const QByteArray samples = RenderSymbols(EncodeTransmission(Example));
    const QByteArray wav = EncodeWav(samples);
    ASSERT_EQ(wav.size(), 44 + 3840);
    EXPECT_TRUE(wav.startsWith("RIFF"));
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 4), 36u + 3840u);
    EXPECT_EQ(wav.mid(8, 8), QByteArray("WAVEfmt "));
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 16), 16u);
    EXPECT_EQ(qFromLittleEndian<quint16>(wav.constData() + 20), 1); // PCM
    EXPECT_EQ(qFromLittleEndian<quint16>(wav.constData() + 22), 1); // mono
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 24), 24000u);
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 28), 24000u);
    EXPECT_EQ(qFromLittleEndian<quint16>(wav.constData() + 32), 1);
    EXPECT_EQ(qFromLittleEndian<quint16>(wav.constData() + 34), 8);
    EXPECT_EQ(wav.mid(36, 4), QByteArray("data"));
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 40), 3840u);
    EXPECT_EQ(wav.mid(44), samples);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("signal.wav"));
    ASSERT_TRUE(WriteWavFile(path, samples).ok);
    const WavReadResult read = ReadWavFile(path);
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_EQ(read.samples, samples);

    // An odd number of samples is padded to keep the chunks aligned; the pad is not a sample.
    const QByteArray odd = EncodeWav(Pulse + QByteArray(1, char(128)));
    EXPECT_EQ(odd.size(), 44 + 14);
    EXPECT_EQ(ParseWav(odd).samples.size(), 13);

    // A directory that does not exist: reported, nothing written.
    const WavWriteResult failed
        = WriteWavFile(dir.filePath(QStringLiteral("missing/signal.wav")), samples);
    EXPECT_FALSE(failed.ok);
    EXPECT_FALSE(failed.error.isEmpty());
}

TEST(WavFile, RefusesOtherFormats)
{
    const QByteArray good = EncodeWav(Pulse);
    EXPECT_FALSE(ParseWav(QByteArray("not a wav file at all")).ok);
    // Cut inside the header: in the RIFF header, the format chunk, before and inside the data
    // chunk's header.
    for (const int length : {6, 30, 36, 40})
        EXPECT_EQ(ParseWav(good.left(length)).error,
                  QStringLiteral(u"WAVファイルが途中で切れています"))
            << length;

    auto patched = [&good](int offset, quint32 value, int size) {
        QByteArray bytes = good;
        if (size == 2)
            qToLittleEndian(quint16(value), bytes.data() + offset);
        else
            qToLittleEndian(value, bytes.data() + offset);
        return ParseWav(bytes);
    };
    EXPECT_FALSE(patched(22, 2, 2).ok); // stereo
    EXPECT_FALSE(patched(24, 44100, 4).ok); // another rate
    EXPECT_FALSE(patched(34, 16, 2).ok); // 16 bits
    EXPECT_FALSE(patched(20, 3, 2).ok); // floating point

    // A recording whose data size was never filled in still gives its samples.
    const WavReadResult unfinished = patched(40, 0xFFFFFFFF, 4);
    ASSERT_TRUE(unfinished.ok);
    EXPECT_EQ(unfinished.samples, Pulse);

    // Chunks before the format and data are skipped.
    QByteArray withList = good.left(12)
        + QByteArray("LIST\x03\x00\x00\x00"
                     "abc\x00",
                     12)
        + good.mid(12);
    const WavReadResult listed = ParseWav(withList);
    ASSERT_TRUE(listed.ok) << listed.error.toStdString();
    EXPECT_EQ(listed.samples, Pulse);
}

TEST(SignalDecoder, ReadsTheFrameBack)
{
    const QByteArray samples = RenderSymbols(EncodeTransmission(Example));
    DecodedFrame frame = DecodeSignal(samples);
    ASSERT_TRUE(frame.complete) << frame.error.toStdString();
    EXPECT_EQ(HexBytesText(frame.bytes), Example);
    EXPECT_EQ(frame.receivedChecksum, 0x03);
    EXPECT_TRUE(frame.checksumHolds);

    // Silence around it, a shift by a few samples and half the amplitude do not matter.
    QByteArray quiet = silence(1005) + samples + silence(333);
    for (char &sample : quiet)
        sample = char(128 + (int(quint8(sample)) - 128) / 2);
    frame = DecodeSignal(quiet);
    ASSERT_TRUE(frame.complete) << frame.error.toStdString();
    EXPECT_EQ(HexBytesText(frame.bytes), Example);
    EXPECT_TRUE(frame.checksumHolds);

    // The test token makes the sent checksum disagree with the bytes.
    frame = DecodeSignal(RenderSymbols(EncodeTransmission(Example + QStringLiteral(" 5"))));
    ASSERT_TRUE(frame.complete);
    EXPECT_EQ(HexBytesText(frame.bytes), Example);
    EXPECT_EQ(frame.receivedChecksum, 0x08);
    EXPECT_EQ(frame.computedChecksum, 0x03);
    EXPECT_FALSE(frame.checksumHolds);

    // A frame without bytes.
    frame = DecodeSignal(RenderSymbols(EncodeTransmission(QString())));
    EXPECT_TRUE(frame.complete);
    EXPECT_TRUE(frame.bytes.isEmpty());
}

TEST(SignalDecoder, NoticesDamage)
{
    const QString symbols = EncodeTransmission(Example);
    EXPECT_FALSE(DecodeSignal(silence(5000)).complete);
    EXPECT_FALSE(DecodeSignal(QByteArray()).complete);

    // A bit turned over in a data byte: the checksum no longer holds.
    QString flipped = symbols;
    const qsizetype bit = symbols.indexOf(QStringLiteral("1010100010")) + 3; // inside 51
    ASSERT_GT(bit, 3);
    flipped[bit] = flipped[bit] == u'1' ? u'0' : u'1';
    DecodedFrame frame = DecodeSignal(RenderSymbols(flipped));
    ASSERT_TRUE(frame.complete);
    EXPECT_FALSE(frame.checksumHolds);

    // A missing pause or a cut-off end breaks the frame.
    QString noPause = symbols;
    noPause.remove(10, 1);
    EXPECT_FALSE(DecodeSignal(RenderSymbols(noPause)).complete);
    const QByteArray samples = RenderSymbols(symbols);
    frame = DecodeSignal(samples.left(samples.size() - 400));
    EXPECT_FALSE(frame.complete);
    EXPECT_FALSE(frame.error.isEmpty());
}

TEST(PlaybackModule, AMissingModuleIsAFailureWithItsReason)
{
    const auto server = OpenSoundServer({QStringLiteral("/nonexistent/zuvo_playback")});
    const OutputInfo output = server->readOutput();
    EXPECT_FALSE(output.reached);
    server->start(Pulse, true);
    const PlaybackProgress progress = server->progress();
    ASSERT_TRUE(progress.finished);
    EXPECT_EQ(progress.result.Response, PlaybackResult::DeviceFailed);
    EXPECT_EQ(progress.result.errorText, output.failure);
    EXPECT_TRUE(output.failure.startsWith(QStringLiteral(u"音声出力モジュールを読み込めません。")));
    EXPECT_TRUE(output.failure.contains(QStringLiteral("zuvo_playback")));
}
