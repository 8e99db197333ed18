#pragma once
// What one playback of the signal came to.

#include <QMetaType>
#include <QString>

namespace zuvo {

struct PlaybackResult
{
    static constexpr int Played = 1;
    static constexpr int DeviceFailed = 3;

    int Response = 0; // Played: every sample was heard; DeviceFailed: see errorText
    QString errorText;
};

} // namespace zuvo

Q_DECLARE_METATYPE(zuvo::PlaybackResult)
