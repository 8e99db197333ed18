#pragma once
// What one playback of the signal came to.

#include <QMetaType>
#include <QString>

namespace zuvo {

// Whether the output's monitor heard the frame that was sent.
enum class Hearing {
    NotChecked, // nothing was listened to: the server offers no monitor, or none was asked for
    Heard, // the monitor's recording decodes to the very bytes that were sent
    NotHeard, // it does not: hearingText says what was found
};

struct PlaybackResult
{
    static constexpr int Played = 1;
    static constexpr int DeviceFailed = 3;

    int Response = 0; // Played: every sample was heard; DeviceFailed: see errorText
    QString errorText;
    Hearing hearing = Hearing::NotChecked;
    QString hearingText; // when NotHeard: what went wrong and what to do, in the user's words

    static PlaybackResult played()
    {
        PlaybackResult result;
        result.Response = Played;
        return result;
    }
    static PlaybackResult failed(const QString &text)
    {
        PlaybackResult result;
        result.Response = DeviceFailed;
        result.errorText = text;
        return result;
    }
};

} // namespace zuvo

Q_DECLARE_METATYPE(zuvo::PlaybackResult)
