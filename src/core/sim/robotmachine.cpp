#include "sim/robotmachine.h"

#include "codegen/instructionset.h"

namespace zuvo::sim {

namespace {

QString hex(int byte)
{
    return QString::number(quint8(byte), 16).toUpper().rightJustified(2, u'0');
}

bool hasByteOperand(quint8 op)
{
    switch (op) {
    case OpJump:
    case OpLoopEnd:
    case OpRepeatEnd:
    case OpLightBranch:
    case OpLightBranch + 1:
    case OpTouchBranch:
    case OpTouchBranch + 1:
    case OpBrake:
    case OpRepeat:
    case OpWait:
    case OpVariableBranch:
    case OpSetVariable:
        return true;
    default:
        return op >= OpCalculate && op < OpCalculate + CalculateOperatorCount;
    }
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
    if (registerByte & RegisterValueFollows) {
        quint8 v = 0;
        if (!fetch(valueOffset, v))
            return false;
        value = v;
        length = valueOffset + 1;
    } else {
        value = m_variables.at(registerByte & RegisterSourceMask);
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
    if (hasByteOperand(op) && !fetch(1, a)) {
        fault(truncated());
        return;
    }

    if (op >= OpMotion && op < OpMotion + MotionStep * MotionCount) {
        const int speed = (op - OpMotion) % MotionStep;
        if (speed >= SpeedCount) {
            fault(
                QStringLiteral(u"アドレス %1 の命令 %2 は実行できません。").arg(m_pc).arg(hex(op)));
            return;
        }
        m_drive = DriveCommand {WheelMode::Driven, Motion((op - OpMotion) / MotionStep), speed};
        m_pc += 1;
    } else if (op >= OpBeep && op < OpBeep + BeepToneCount) {
        m_tone = op - OpBeep;
        m_beeping = m_tone > 0;
        if (m_beeping) {
            m_lastTone = m_tone;
            m_lastBeepTime = m_now;
        }
        m_pc += 1;
        startTimed(BeepMilliseconds);
    } else {
        switch (op) {
        case OpEnd: {
            quint8 next = 0;
            if (fetch(1, next) && next == OpEndMark) {
                m_status = MachineStatus::Ended;
                m_drive.mode = WheelMode::Free;
                return;
            }
            fault(QStringLiteral(u"アドレス %1 の命令 00 は実行できません。").arg(m_pc));
            return;
        }
        case OpJump:
        case OpLoopEnd:
            jump(a);
            break;
        case OpMotorOff:
            m_drive.mode = WheelMode::Free;
            m_pc += 1;
            break;
        case OpRepeatEnd:
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
        case OpLightBranch:
        case OpLightBranch + 1:
            if (sensors.lightDetected(op - OpLightBranch))
                m_pc += 2;
            else
                jump(a);
            break;
        case OpTouchBranch:
        case OpTouchBranch + 1:
            if (sensors.touchPressed(op - OpTouchBranch))
                m_pc += 2;
            else
                jump(a);
            break;
        case OpLedOff:
        case OpLedOn:
            m_led = op == OpLedOn;
            m_pc += 1;
            break;
        case OpBrake:
            m_drive.mode = WheelMode::Braked;
            m_braking = true;
            ++m_brakes;
            m_pc += 2;
            startTimed(100 * a);
            break;
        case OpRepeat:
            if (m_repeatDepth >= RepeatDepthLimit) {
                fault(QStringLiteral(u"アドレス %1 のリピートが深すぎます。").arg(m_pc));
                return;
            }
            m_repeats[m_repeatDepth++] = a;
            m_pc += 2;
            break;
        case OpWait:
            m_pc += 2;
            startTimed(100 * a);
            break;
        case OpVariableBranch:
        case OpSetVariable:
        case OpCalculate:
        case OpCalculate + 1:
        case OpCalculate + 2:
        case OpCalculate + 3: {
            r = a;
            const int target = r / RegisterTargetStep;
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
            if (op == OpVariableBranch) {
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
                if (op == OpSetVariable)
                    variable = quint8(value);
                else if (op == OpCalculate)
                    variable = quint8(variable + value);
                else if (op == OpCalculate + 1)
                    variable = quint8(variable - value);
                else if (op == OpCalculate + 2)
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
    if (image.size() < TransmitHeaderLength + TransmitTrailerLength)
        return QByteArray();
    return image.mid(TransmitHeaderLength,
                     image.size() - TransmitHeaderLength - TransmitTrailerLength);
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
