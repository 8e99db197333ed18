#include "sim/simtrace.h"

namespace zuvo::sim {

namespace {

QString decimal(double value)
{
    const QString text = QString::number(value, 'f', 1);
    return text == QLatin1String("-0.0") ? QStringLiteral("0.0") : text;
}

QString bits(bool first, bool second)
{
    return QString(QChar(first ? u'1' : u'0')) + QChar(second ? u'1' : u'0');
}

} // namespace

QString DriveText(const DriveCommand &drive)
{
    static const char *const speeds[] = {"slow", "middle", "fast"};
    switch (drive.mode) {
    case WheelMode::Free:
        return QStringLiteral("free");
    case WheelMode::Braked:
        return QStringLiteral("brake");
    case WheelMode::Driven:
        break;
    }
    return MotionName(drive.motion) + u':' + QLatin1String(speeds[qBound(0, drive.speed, 2)]);
}

QString StatusText(MachineStatus status)
{
    switch (status) {
    case MachineStatus::Running:
        return QStringLiteral("running");
    case MachineStatus::Timed:
        return QStringLiteral("waiting");
    case MachineStatus::Ended:
        return QStringLiteral("ended");
    case MachineStatus::Fault:
        break;
    }
    return QStringLiteral("fault");
}

QStringList TraceHeader(const Simulation &simulation)
{
    const World &world = simulation.world();
    const Course &course = world.course();
    QStringList lines;
    lines << QStringLiteral("# course %1 %2, start %3")
                 .arg(course.number)
                 .arg(course.name, course.starts.at(world.start()).name);
    lines << QStringLiteral("# code %1")
                 .arg(QString::fromLatin1(simulation.machine().code().toHex(' ').toUpper()));
    lines << QStringLiteral("# time(s) x,y(cm) dir(degrees clockwise from east) addr drive "
                            "touch(1,2) light(1,2) led beep variables");
    return lines;
}

QString TraceLine(const Simulation &simulation)
{
    const RobotMachine &machine = simulation.machine();
    const World &world = simulation.world();
    const Pose pose = world.pose();
    QString line = decimal(simulation.now() / 1000.0);
    line += QStringLiteral(" x=") + decimal(pose.position.x());
    line += QStringLiteral(" y=") + decimal(pose.position.y());
    line += QStringLiteral(" dir=") + decimal(pose.heading);
    line += QStringLiteral(" addr=")
        + (machine.executingAddress() < 0 ? QStringLiteral("-")
                                          : QString::number(machine.executingAddress()));
    line += QStringLiteral(" drive=") + DriveText(machine.drive());
    line
        += QStringLiteral(" touch=") + bits(simulation.touchPressed(0), simulation.touchPressed(1));
    line += QStringLiteral(" light=")
        + bits(simulation.lightDetected(0), simulation.lightDetected(1));
    line += QStringLiteral(" led=")
        + (machine.ledOn() ? QStringLiteral("on") : QStringLiteral("off"));
    line += QStringLiteral(" beep=")
        + (machine.beepTone() > 0 ? QString::number(machine.beepTone()) : QStringLiteral("-"));
    for (int v = 0; v < VariableCount; ++v)
        line += u' ' + QChar(u'A' + v) + u'=' + QString::number(machine.variable(v));
    if (world.hasBall())
        line += QStringLiteral(" ball=") + decimal(world.ball().x()) + u','
            + decimal(world.ball().y());
    line += QStringLiteral(" state=") + StatusText(machine.status());
    return line;
}

} // namespace zuvo::sim
