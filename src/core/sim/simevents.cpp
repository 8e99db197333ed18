#include "sim/simevents.h"

#include <chrono>
#include <cmath>

namespace zuvo::sim {

std::optional<SimEvent> ParseSimEvent(qint64 timeMs, const QString &action, QString *error)
{
    const auto fail = [error](const QString &reason) -> std::optional<SimEvent> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    const qsizetype equals = action.indexOf(u'=');
    if (equals <= 0)
        return fail(QStringLiteral("expected NAME=VALUE, got \"%1\"").arg(action));
    const QString name = action.left(equals).trimmed().toLower();
    const QString value = action.mid(equals + 1).trimmed().toLower();

    SimEvent event;
    event.time = timeMs;
    if (name == QLatin1String("ball")) {
        const QStringList xy = value.split(u',');
        bool okX = false;
        bool okY = false;
        const double x = xy.size() == 2 ? xy[0].toDouble(&okX) : 0;
        const double y = xy.size() == 2 ? xy[1].toDouble(&okY) : 0;
        if (!okX || !okY || !std::isfinite(x) || !std::isfinite(y))
            return fail(QStringLiteral("ball needs X,Y in centimetres, got \"%1\"").arg(value));
        event.kind = SimEvent::Kind::Ball;
        event.position = QPointF(x, y);
        return event;
    }

    if (value != QLatin1String("on") && value != QLatin1String("off"))
        return fail(QStringLiteral("%1 must be on or off, got \"%2\"").arg(name, value));
    event.on = value == QLatin1String("on");
    if (name == QLatin1String("room")) {
        event.kind = SimEvent::Kind::RoomLight;
    } else if (name == QLatin1String("touch1") || name == QLatin1String("touch2")) {
        event.kind = SimEvent::Kind::TouchSwitch;
        event.sensor = name.endsWith(u'2') ? 1 : 0;
    } else if (name == QLatin1String("light1") || name == QLatin1String("light2")) {
        event.kind = SimEvent::Kind::LightSwitch;
        event.sensor = name.endsWith(u'2') ? 1 : 0;
    } else {
        return fail(QStringLiteral("unknown event \"%1\" (touch1, touch2, light1, light2, room, "
                                   "ball)")
                        .arg(name));
    }
    return event;
}

std::optional<qint64> ParseSeconds(const QString &text, double maxSeconds)
{
    bool ok = false;
    const double seconds = text.toDouble(&ok);
    if (!ok || !std::isfinite(seconds) || seconds < 0 || seconds > maxSeconds)
        return std::nullopt;
    using namespace std::chrono;
    return round<milliseconds>(duration<double>(seconds)).count();
}

} // namespace zuvo::sim
