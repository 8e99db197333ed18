#include "sim/robotmachine.h"

namespace zuvo::sim {

namespace {

constexpr int HeaderLength = 16;
constexpr int TrailerLength = 3; // 00 FF checksum

QString hex(int byte)
{
    return QString::number(byte & 0xff, 16).toUpper().rightJustified(2, u'0');
}

} // namespace

RobotMachine::RobotMachine(const QByteArray &code)
    : m_code(code)
{
    reset();
}

void RobotMachine::reset()
{
    m_status = m_code.isEmpty() ? MachineStatus::Ended : MachineStatus::Running;
    m_pc = 0;
    m_executing = -1;
    m_now = 0;
    m_timedUntil = 0;
    m_budgetUsed = 0;
    m_executed = 0;
    m_drive = DriveCommand();
    m_braking = false;
    m_brakes = 0;
    m_beeping = false;
    m_led = false;
    m_tone = 0;
    m_lastTone = 0;
    m_lastBeepTime = -1;
    m_variables.fill(0);
    m_repeats.fill(0);
    m_repeatDepth = 0;
    m_fault.clear();
}

bool RobotMachine::canExecute() const
{
    return m_status == MachineStatus::Running && m_budgetUsed < InstructionsPerMillisecond;
}

bool RobotMachine::fetch(int offset, quint8 &byte) const
{
    const int at = m_pc + offset;
    if (at < 0 || at >= m_code.size())
        return false;
    byte = quint8(m_code.at(at));
    return true;
}

void RobotMachine::fault(const QString &text)
{
    m_status = MachineStatus::Fault;
    m_fault = text;
    m_drive.mode = WheelMode::Free;
    m_braking = false;
    m_beeping = false;
}

void RobotMachine::jump(int target)
{
    // The trailer follows the last code byte, so a jump just past the code ends the program.
    if (target > m_code.size()) {
        fault(QStringLiteral(u"アドレス %1 の飛び先 %2 はプログラムの外です。")
                  .arg(m_executing)
                  .arg(target));
        return;
    }
    m_pc = target;
}

void RobotMachine::startTimed(int milliseconds)
{
    if (milliseconds <= 0) {
        if (m_braking) {
            m_braking = false;
            m_drive.mode = WheelMode::Free;
        }
        m_beeping = false;
        return;
    }
    m_status = MachineStatus::Timed;
    m_timedUntil = m_now + milliseconds;
}

// The second operand of a variable instruction: a value byte when bit 3 of the register byte
// is set, otherwise the variable in its low three bits.
bool RobotMachine::operand(quint8 registerByte, int valueOffset, int &value, int &length)
{
    if (registerByte & 0x08) {
        quint8 v = 0;
        if (!fetch(valueOffset, v))
            return false;
        value = v;
        length = valueOffset + 1;
    } else {
        value = m_variables.at(registerByte & 0x07);
        length = valueOffset;
    }
    return true;
}

void RobotMachine::executeNext(const SensorReader &sensors)
{
    if (!canExecute())
        return;
    if (m_pc >= m_code.size()) {
        m_status = MachineStatus::Ended;
        m_drive.mode = WheelMode::Free;
        return;
    }
    ++m_budgetUsed;
    ++m_executed;
    m_executing = m_pc;

    const auto truncated = [this] {
        return QStringLiteral(u"アドレス %1 の命令 %2 が途中で切れています。")
            .arg(m_executing)
            .arg(hex(m_code.at(m_executing)));
    };
    const quint8 op = quint8(m_code.at(m_pc));
    quint8 a = 0;
    quint8 r = 0;

    // Instructions with a byte operand read it first; a missing byte is a fault.
    const bool hasByteOperand = op == 0x10 || op == 0x40 || op == 0x48 || op == 0x90 || op == 0x91
        || op == 0x98 || op == 0x99 || op == 0xB0 || op == 0xB8 || op == 0xC0 || op == 0xD0
        || op == 0xD8 || (op >= 0xE0 && op <= 0xE3);
    if (hasByteOperand && !fetch(1, a)) {
        fault(truncated());
        return;
    }

    if (op >= 0x50 && op <= 0x8F) {
        const int speed = op & 0x07;
        if (speed > 2) {
            fault(
                QStringLiteral(u"アドレス %1 の命令 %2 は実行できません。").arg(m_pc).arg(hex(op)));
            return;
        }
        m_drive = DriveCommand {WheelMode::Driven, Motion((op >> 3) - 10), speed};
        m_pc += 1;
    } else if (op >= 0xA8 && op <= 0xAC) {
        m_tone = op - 0xA8;
        m_beeping = m_tone > 0;
        if (m_beeping) {
            m_lastTone = m_tone;
            m_lastBeepTime = m_now;
        }
        m_pc += 1;
        startTimed(BeepMilliseconds);
    } else {
        switch (op) {
        case 0x00: {
            quint8 next = 0;
            if (fetch(1, next) && next == 0xFF) {
                m_status = MachineStatus::Ended;
                m_drive.mode = WheelMode::Free;
                return;
            }
            fault(QStringLiteral(u"アドレス %1 の命令 00 は実行できません。").arg(m_pc));
            return;
        }
        case 0x10:
        case 0x40:
            jump(a);
            break;
        case 0x20:
            m_drive.mode = WheelMode::Free;
            m_pc += 1;
            break;
        case 0x48:
            if (m_repeatDepth == 0) {
                fault(QStringLiteral(u"アドレス %1 のリピートの終わりに始まりがありません。")
                          .arg(m_pc));
                return;
            }
            if (--m_repeats[m_repeatDepth - 1] > 0) {
                jump(a);
            } else {
                --m_repeatDepth;
                m_pc += 2;
            }
            break;
        case 0x90:
        case 0x91:
            if (sensors.lightDetected(op - 0x90))
                m_pc += 2;
            else
                jump(a);
            break;
        case 0x98:
        case 0x99:
            if (sensors.touchPressed(op - 0x98))
                m_pc += 2;
            else
                jump(a);
            break;
        case 0xA0:
        case 0xA1:
            m_led = op == 0xA1;
            m_pc += 1;
            break;
        case 0xB0:
            m_drive.mode = WheelMode::Braked;
            m_braking = true;
            ++m_brakes;
            m_pc += 2;
            startTimed(100 * a);
            break;
        case 0xB8:
            if (m_repeatDepth >= RepeatDepthLimit) {
                fault(QStringLiteral(u"アドレス %1 のリピートが深すぎます。").arg(m_pc));
                return;
            }
            m_repeats[m_repeatDepth++] = a;
            m_pc += 2;
            break;
        case 0xC0:
            m_pc += 2;
            startTimed(100 * a);
            break;
        case 0xD0:
        case 0xD8:
        case 0xE0:
        case 0xE1:
        case 0xE2:
        case 0xE3: {
            r = a;
            const int target = r >> 4;
            if (target >= VariableCount) {
                fault(QStringLiteral(u"アドレス %1 の変数番号 %2 は使えません。")
                          .arg(m_pc)
                          .arg(target));
                return;
            }
            int value = 0;
            int length = 0;
            if (!operand(r, 2, value, length)) {
                fault(truncated());
                return;
            }
            quint8 &variable = m_variables[target];
            if (op == 0xD0) {
                quint8 no = 0;
                if (!fetch(length, no)) {
                    fault(truncated());
                    return;
                }
                if (variable >= value)
                    m_pc += length + 1;
                else
                    jump(no);
            } else {
                if (op == 0xD8)
                    variable = quint8(value);
                else if (op == 0xE0)
                    variable = quint8(variable + value);
                else if (op == 0xE1)
                    variable = quint8(variable - value);
                else if (op == 0xE2)
                    variable = quint8(variable * value);
                else if (value != 0)
                    variable = quint8(variable / value);
                m_pc += length;
            }
            break;
        }
        default:
            fault(
                QStringLiteral(u"アドレス %1 の命令 %2 は実行できません。").arg(m_pc).arg(hex(op)));
            return;
        }
    }

    if (m_status == MachineStatus::Running && m_pc >= m_code.size()) {
        m_status = MachineStatus::Ended;
        m_drive.mode = WheelMode::Free;
    }
}

void RobotMachine::runMillisecond(const SensorReader &sensors)
{
    while (canExecute())
        executeNext(sensors);
}

void RobotMachine::endMillisecond()
{
    ++m_now;
    m_budgetUsed = 0;
    if (m_status == MachineStatus::Timed && m_now >= m_timedUntil) {
        m_status = MachineStatus::Running;
        if (m_braking) {
            m_braking = false;
            m_drive.mode = WheelMode::Free;
        }
        m_beeping = false;
        if (m_pc >= m_code.size()) {
            m_status = MachineStatus::Ended;
            m_drive.mode = WheelMode::Free;
        }
    }
}

QByteArray CodeOfTransmitImage(const QByteArray &image)
{
    if (image.size() < HeaderLength + TrailerLength)
        return QByteArray();
    return image.mid(HeaderLength, image.size() - HeaderLength - TrailerLength);
}

QString MotionName(Motion motion)
{
    switch (motion) {
    case Motion::Forward:
        return QStringLiteral("forward");
    case Motion::Backward:
        return QStringLiteral("backward");
    case Motion::TurnRight:
        return QStringLiteral("turn-right");
    case Motion::TurnLeft:
        return QStringLiteral("turn-left");
    case Motion::TurnRightBack:
        return QStringLiteral("turn-right-back");
    case Motion::TurnLeftBack:
        return QStringLiteral("turn-left-back");
    case Motion::SpinRight:
        return QStringLiteral("spin-right");
    case Motion::SpinLeft:
        return QStringLiteral("spin-left");
    }
    return QString();
}

} // namespace zuvo::sim
