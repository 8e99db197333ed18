#pragma once
// Shared by the libFuzzer entry points: runs a target's check on one input and stops the run
// with the check's finding, so that libFuzzer keeps the input as a crash.

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace zuvo {

using FuzzCheck = QString (*)(QByteArrayView);

inline int RunFuzzCheck(const char *target, FuzzCheck check, const uint8_t *data, size_t size)
{
    const QString fault
        = check(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "\n%s: %s\n", target, fault.toUtf8().constData());
        std::abort();
    }
    return 0;
}

} // namespace zuvo
