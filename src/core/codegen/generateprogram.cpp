#include "codegen/generateprogram.h"

#include "codegen/instructionset.h"
#include "model/colours.h"
#include "model/iconcatalogue.h"
#include "model/iconvalues.h"
#include "model/numbers.h"

#include <array>
#include <stdexcept>

namespace zuvo {

namespace {

constexpr int IterationLimit = 500;
constexpr int EmissionLimit = 201;
constexpr int StackEntries = 10; // entry 10 of each stack is its pointer
constexpr int BracketDepthLimit = 9; // Loop and Repeat addresses are kept while the pointer < 9
const QString CrLf = QStringLiteral("\r\n");

// The FlowTable breaks a guarantee of the check; generation stops without reading further.
class BrokenFlowError : public std::runtime_error
{
public:
    BrokenFlowError()
        : std::runtime_error("broken FlowTable")
    {
    }
};

template<typename T> class Stack
{
public:
    void push(T value)
    {
        if (m_pointer >= StackEntries)
            throw BrokenFlowError();
        m_entries[m_pointer++] = value;
    }
    T pop()
    {
        if (m_pointer <= 0)
            throw BrokenFlowError();
        return m_entries[--m_pointer];
    }
    T &top()
    {
        if (m_pointer <= 0)
            throw BrokenFlowError();
        return m_entries[m_pointer - 1];
    }
    bool empty() const { return m_pointer == 0; }
    int pointer() const { return m_pointer; }

private:
    std::array<T, StackEntries> m_entries {};
    int m_pointer = 0;
};

struct OpenBranch
{
    int branch = -1; // icon slot of the branch icon
    int pending = -1; // first icon of its No path; -1 once the No path is being generated
};

// Operand values of one ParameterString (1-based positions as the icon values are laid out).
class Parameters
{
public:
    explicit Parameters(const QString &params)
        : m_params(params)
    {
        const qsizetype first = blankAfter(5);
        m_token1 = m_params.mid(5, first - 5);
        const qsizetype second = blankAfter(first + 1);
        m_token2 = m_params.mid(first + 1, second - first - 1);
        m_operator = m_params.mid(second + 1, 1);
    }

    // Position in the list of the single character at position 6, minus 1. An empty
    // parameter matches the first entry.
    int characterIndex(const QString &list) const { return int(list.indexOf(m_params.mid(5, 1))); }
    bool ledOn() const { return m_params.mid(5, 2) == QLatin1String("ON"); }
    // The parameter and the blank after it: everything between "=" and the colour token.
    double number() const
    {
        return ReadLeadingNumber(
            QStringView(m_params).mid(5, qMax<qsizetype>(0, m_params.size() - 15)));
    }
    int tenths() const { return int(RoundHalfEven(number() * 10)); }
    int count() const { return int(RoundHalfEven(number())); }

    int variableIndex() const { return int(Letters.indexOf(m_token1)); }
    bool secondIsVariable() const { return Letters.indexOf(m_token2) >= 0; }
    // The register byte: token 1 the target, token 2 the source variable or a value byte.
    int registerByte() const
    {
        const int second = int(Letters.indexOf(m_token2));
        return RegisterTargetStep * variableIndex() + (second >= 0 ? second : RegisterValueFollows);
    }
    int value() const { return int(ReadTokenNumber(m_token2)); }
    int operatorIndex() const { return int(QStringLiteral(u"＋－×÷").indexOf(m_operator)); }

private:
    qsizetype blankAfter(qsizetype from) const
    {
        const qsizetype at = m_params.indexOf(u' ', from);
        return at < 0 ? m_params.size() : at;
    }

    static inline const QString Letters = QStringLiteral(u"ＡＢＣＤＥＦＧＨ");
    QString m_params;
    QString m_token1;
    QString m_token2;
    QString m_operator;
};

QString hexByte(int value)
{
    return QString::number(quint8(value), 16).toUpper().rightJustified(2, u'0');
}

// Operand bytes are kept as their low 8 bits, so that every one of them is sent.
qint16 byteValue(int value)
{
    return qint16(quint8(value));
}

QString countLine(int count, bool fullStop)
{
    return QStringLiteral(u"データ数は") + QString::number(count)
        + (fullStop ? QStringLiteral(u"個です。") : QStringLiteral(u"個です"));
}

GenerateResult nothingToSend()
{
    GenerateResult result;
    result.outcome = GenerateOutcome::NothingToSend;
    result.text = QStringLiteral(u"プログラムは送信されません。") + CrLf + countLine(0, true);
    result.background = ColourWarning;
    result.beeps = true;
    return result;
}

GenerateResult walkFailure(GenerateOutcome outcome, const QString &text, int blinkCell = -1)
{
    GenerateResult result;
    result.outcome = outcome;
    result.text = text;
    result.background = ColourWarning;
    result.beeps = true;
    result.hidesTxData = true;
    if (blinkCell >= 0 && blinkCell <= LastCellIndex)
        result.blinkCells << blinkCell;
    return result;
}

class Generator
{
public:
    Generator(const WorkingProgram &program, FlowTable &flow)
        : m_program(program)
        , m_flow(flow)
    {
    }

    GenerateResult run();

private:
    int kindOf(int slot) const { return m_flow.at(slot, FlowKind); }
    int successor(int slot) const { return m_flow.at(slot, FlowSuccessor); }
    // The values of an icon; one the property form cannot make (the check refuses it) is
    // never turned into bytes.
    Parameters parameters(int slot) const
    {
        const QString &params = m_program.SlotParams.at(slot);
        if (FindValueFault(params))
            throw BrokenFlowError();
        return Parameters(params);
    }
    void appendEmission(int slot)
    {
        if (m_emission.size() >= EmissionLimit)
            throw BrokenFlowError();
        m_emission << slot;
    }
    void setOperand(int slot, int column, int value) { m_flow.at(slot, column) = byteValue(value); }

    // One step of the walk at icon h; a step that leaves m_cur unchanged makes the walk stay.
    void step(int h);
    void branch(int h, int kind);
    void merge(int h);

    const WorkingProgram &m_program;
    FlowTable &m_flow;
    int m_pc = 0;
    int m_cur = 0;
    QList<int> m_emission;
    Stack<int> m_loops;
    Stack<int> m_repeats;
    Stack<OpenBranch> m_branches;
    Stack<int> m_merges;
    // Set when a Loop End or Repeat End finds no opening bracket.
    GenerateOutcome m_bracketError = GenerateOutcome::Ready;
};

void Generator::step(int h)
{
    const int kind = kindOf(h);
    switch (kind) {
    case IconNop:
        m_cur = successor(h);
        return;
    case IconForward:
    case IconBackward:
    case IconTurnRight:
    case IconTurnLeft:
    case IconTurnRightBack:
    case IconTurnLeftBack:
    case IconSpinRight:
    case IconSpinLeft:
    case IconMotorOff:
    case IconSetLed:
    case IconSetBeep: {
        const Parameters p = parameters(h);
        int opcode = OpMotorOff;
        if (kind <= IconSpinLeft)
            opcode = OpMotion + MotionStep * (kind - IconForward)
                + p.characterIndex(QStringLiteral(u"低中高"));
        else if (kind == IconSetLed)
            opcode = p.ledOn() ? OpLedOn : OpLedOff;
        else if (kind == IconSetBeep)
            opcode = OpBeep + p.characterIndex(QStringLiteral("01234"));
        setOperand(h, FlowOpcode, opcode);
        appendEmission(h);
        m_flow.at(h, FlowAddress) = qint16(m_pc);
        m_pc += 1;
        m_cur = successor(h);
        return;
    }
    case IconBrake:
    case IconWait:
        setOperand(h, FlowOpcode, kind == IconBrake ? OpBrake : OpWait);
        setOperand(h, FlowOperand1, parameters(h).tenths());
        appendEmission(h);
        m_flow.at(h, FlowAddress) = qint16(m_pc);
        m_pc += 2;
        m_cur = successor(h);
        return;
    case IconRepeat:
        if (m_repeats.pointer() >= BracketDepthLimit)
            throw BrokenFlowError(); // its Repeat End would jump to the wrong place
        m_repeats.push(m_pc + 2);
        setOperand(h, FlowOpcode, OpRepeat);
        setOperand(h, FlowOperand1, parameters(h).count());
        appendEmission(h);
        m_flow.at(h, FlowAddress) = qint16(m_pc);
        m_pc += 2;
        m_cur = successor(h);
        return;
    case IconLoop:
        if (m_loops.pointer() >= BracketDepthLimit)
            throw BrokenFlowError(); // its Loop End would jump to the wrong place
        m_loops.push(m_pc);
        m_flow.at(h, FlowAddress) = qint16(m_pc);
        m_cur = successor(h);
        return;
    case IconLoopEnd:
    case IconRepeatEnd: {
        Stack<int> &open = kind == IconLoopEnd ? m_loops : m_repeats;
        if (open.empty()) {
            m_bracketError
                = kind == IconLoopEnd ? GenerateOutcome::LoopError : GenerateOutcome::RepeatError;
            return;
        }
        setOperand(h, FlowOpcode, kind == IconLoopEnd ? OpLoopEnd : OpRepeatEnd);
        setOperand(h, FlowOperand1, open.pop());
        appendEmission(h);
        m_flow.at(h, FlowAddress) = qint16(m_pc);
        m_pc += 2;
        m_cur = successor(h);
        return;
    }
    case IconSetVariable:
    case IconCalculateVariable: {
        const Parameters p = parameters(h);
        setOperand(h, FlowOpcode,
                   kind == IconSetVariable ? OpSetVariable : OpCalculate + p.operatorIndex());
        m_flow.at(h, FlowAddress) = qint16(m_pc);
        setOperand(h, FlowOperand1, p.registerByte());
        if (p.secondIsVariable()) {
            m_pc += 2;
        } else {
            setOperand(h, FlowOperand2, p.value());
            m_pc += 3;
        }
        appendEmission(h);
        m_cur = successor(h);
        return;
    }
    case IconLightBranch:
    case IconTouchBranch:
    case IconVariableBranch:
        branch(h, kind);
        return;
    case IconMerge:
        merge(h);
        return;
    default:
        // Yes, No, the unused codes and a BEGIN met again: the walk stays.
        return;
    }
}

void Generator::branch(int h, int kind)
{
    const Parameters p = parameters(h);
    if (kind == IconVariableBranch) {
        setOperand(h, FlowOpcode, OpVariableBranch);
        setOperand(h, FlowOperand1, p.registerByte());
        if (p.secondIsVariable()) {
            m_pc += 3;
        } else {
            setOperand(h, FlowOperand2, p.value());
            m_pc += 4;
        }
        appendEmission(h);
        m_flow.at(h, FlowAddress) = qint16(m_pc);
    } else {
        const int base = kind == IconLightBranch ? OpLightBranch : OpTouchBranch;
        setOperand(h, FlowOpcode, base + p.characterIndex(QStringLiteral(u"１２")));
        appendEmission(h);
        m_flow.at(h, FlowAddress) = qint16(m_pc);
        m_pc += 2;
    }
    const int first = successor(h);
    const int second = m_flow.at(h, FlowSecondSuccessor);
    const bool firstIsNo = kindOf(first) == IconNo;
    const int yes = firstIsNo ? second : first;
    const int no = firstIsNo ? first : second;
    const int noStart = successor(no);
    if (noStart < 0)
        throw BrokenFlowError();
    m_branches.push(OpenBranch {h, noStart});
    m_cur = successor(yes);
}

void Generator::merge(int h)
{
    OpenBranch &top = m_branches.top();
    if (top.pending >= 0) {
        // The Yes path arrives: jump over the No path, which starts right after this jump.
        setOperand(h, FlowOpcode, OpJump);
        appendEmission(h);
        m_merges.push(h);
        m_flow.at(h, FlowAddress) = qint16(m_pc);
        m_pc += 2;
        if (m_flow.at(top.branch, FlowOperand1) == -1)
            setOperand(top.branch, FlowOperand1, m_pc);
        else
            setOperand(top.branch, FlowOperand3, m_pc);
        m_cur = top.pending;
        top.pending = -1;
    } else {
        setOperand(m_merges.pop(), FlowOperand1, m_pc);
        m_branches.pop();
        m_cur = successor(h);
    }
}

GenerateResult Generator::run()
{
    const int rows = qBound(0, m_program.SlotCount, IconSlotLimit);
    for (int slot = 0; slot < rows; ++slot) {
        for (int column : {FlowAddress, FlowOpcode, FlowOperand1, FlowOperand2, FlowOperand3})
            m_flow.at(slot, column) = -1;
    }

    m_cur = successor(0);
    int iterations = 0;
    while (iterations <= IterationLimit) {
        const int h = m_cur;
        if (kindOf(h) == IconEnd)
            break;
        step(h);
        if (m_bracketError != GenerateOutcome::Ready) {
            const QString first = m_bracketError == GenerateOutcome::LoopError
                ? QStringLiteral(u"ループの戻り先がありません。")
                : QStringLiteral(u"リピートの戻り先がありません。");
            return walkFailure(m_bracketError,
                               first + u'\r'
                                   + QStringLiteral(u"点滅アイコンを再検討してください。"),
                               m_flow.at(h, FlowCell));
        }
        ++iterations;
    }
    if (iterations > IterationLimit)
        return walkFailure(GenerateOutcome::IterationLimit,
                           QStringLiteral(u"致命的エラー<") + QString::number(510)
                               + QStringLiteral(u">。連絡ください"));

    if (m_emission.isEmpty())
        return nothingToSend();

    GenerateResult result;
    QByteArray code;
    for (int slot : std::as_const(m_emission)) {
        code.append(char(quint8(m_flow.at(slot, FlowOpcode))));
        for (int column : {FlowOperand1, FlowOperand2, FlowOperand3}) {
            const int value = m_flow.at(slot, column);
            if (value >= 0)
                code.append(char(quint8(value)));
        }
    }
    int sum = OpEnd + OpEndMark; // the trailer's end of program is part of the checksum
    QString text = TransmitHeaderText;
    for (char byte : std::as_const(code)) {
        sum += quint8(byte);
        text += hexByte(quint8(byte)) + u' ';
    }
    const quint8 checksum = quint8(sum);
    text += hexByte(OpEnd) + u' ' + hexByte(OpEndMark) + u' ' + hexByte(checksum);

    result.ProgramByteCount = int(code.size());
    result.writesTxData = true;
    result.txData = text;
    result.TransmitImage = QByteArray::fromHex(TransmitHeaderText.toLatin1()) + code + char(OpEnd)
        + char(OpEndMark) + char(checksum);

    if (result.ProgramByteCount > ProgramByteLimit) {
        result.outcome = GenerateOutcome::TooLarge;
        result.background = ColourWarning;
        result.beeps = true;
        result.text = QStringLiteral(u"プログラムが大き過ぎます。送信不可。") + CrLf
            + countLine(result.ProgramByteCount, false);
        return result;
    }
    result.outcome = GenerateOutcome::Ready;
    result.background = ColourWhite;
    return result;
}

} // namespace

GenerateResult GenerateProgram(const WorkingProgram &program, FlowTable &flow, bool checkPassed,
                               bool checksumTestFlag)
{
    if (!checkPassed) {
        GenerateResult result = nothingToSend();
        result.outcome = GenerateOutcome::NotChecked;
        result.messageBoxText = QStringLiteral(u"文法チェックが終了していません");
        return result;
    }
    GenerateResult result;
    try {
        result = Generator(program, flow).run();
    } catch (const std::exception &) {
        // Out-of-range reads of the tables and stack overruns both end here.
        return walkFailure(GenerateOutcome::BrokenFlow,
                           QStringLiteral(u"プログラムを生成できません。") + CrLf
                               + QStringLiteral(u"文法チェックからやり直してください。"));
    }
    if (result.outcome == GenerateOutcome::Ready && checksumTestFlag)
        result.txData += QStringLiteral(" 5");
    return result;
}

QString SentText(int byteCount)
{
    return QStringLiteral(u"プログラムの送信は終わりました。") + CrLf + countLine(byteCount, true);
}

} // namespace zuvo
