#pragma once
// The smallest sound PNG, one white pixel, made without any image library: the base of the
// pictures the tests put robot files into (or leave without one).

#include <QByteArray>

namespace zuvo::test {

inline QByteArray TinyPng()
{
    return QByteArray::fromHex(
        "89504e470d0a1a0a0000000d4948445200000001000000010802000000907753de0000000c49444154789c63f8"
        "ffff3f0005fe02fe0def46b80000000049454e44ae426082");
}

} // namespace zuvo::test
