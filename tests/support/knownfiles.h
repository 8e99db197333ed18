#pragma once
// Robot files whose every byte is known, for the tests of whatever writes or reads them.

#include <QByteArray>
#include <QStringEncoder>
#include <QStringList>

namespace zuvo::test {

// Lines in code page 932, each ended by CR LF, as robot files are written; empty when a line
// holds a character the code page lacks.
inline QByteArray Cp932Lines(const QStringList &lines)
{
    QStringEncoder encoder("CP932");
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += encoder.encode(line + QStringLiteral("\r\n"));
    return encoder.hasError() ? QByteArray() : bytes;
}

// Built-in sample 1, slot 1, as the editor saves it right after loading the set: fifteen lines.
inline QByteArray SampleOneOneFile()
{
    return Cp932Lines({
        "Quorvel50 J",
        " 399 , 401 , 403 , 405 , 407 ",
        "END",
        " 398 ,29 0=",
        " 408 ,30 0=",
        QStringLiteral(u" 400 ,00 1=低 &H00FFFFFF"),
        " 402 ,19 1=5 &H00FFFFFF",
        " 404 ,09 1=0.5 &H00FFFFFF",
        " 406 ,08 0=",
        "END",
        QStringLiteral(u"サンプルプログラム　（１）－１　「５秒間前進する」"),
        QStringLiteral(u"5秒間前進して、ブレーキを使って停止するプログラム"),
        "END",
        " 0 ",
        " 0 ",
    });
}

} // namespace zuvo::test
