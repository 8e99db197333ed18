#pragma once
// Events written as text, the way a lesson script gives them: "touch1=on", "room=off",
// "ball=120,80".

#include "sim/simulation.h"

#include <QString>
#include <optional>

namespace zuvo::sim {

// The event of `action` at `timeMs`; nothing, with the reason in *error, when the text is not
// one of: touch1=on|off, touch2=on|off, light1=on|off, light2=on|off, room=on|off, ball=X,Y
// (centimetres).
std::optional<SimEvent> ParseSimEvent(qint64 timeMs, const QString &action, QString *error);

// Seconds as text ("2", "0.5") to whole milliseconds; nothing for a negative or unreadable
// time or one beyond `maxSeconds`.
std::optional<qint64> ParseSeconds(const QString &text, double maxSeconds);

} // namespace zuvo::sim
