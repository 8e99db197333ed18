#include "check/checkloops.h"

#include "check/checkbranches.h"
#include "check/stagefailure.h"
#include "model/colours.h"
#include "model/iconcatalogue.h"
#include "model/parameterstring.h"

#include <array>
#include <exception>

namespace zuvo {

namespace {

class LoopCheck
{
public:
    LoopCheck(const WorkingProgram &program, const FlowTable &flow, int checkStage)
        : m_program(program)
        , m_flow(flow)
        , m_regularTurn(checkStage == 2)
    {
    }

    StageResult run();

private:
    void walk();
    void innerWalk();
    void open(int slot, int kind);
    void close(int slot, int expectedOpening);
    void evaluate();
    void blink(int slot);
    int kindOf(int slot) const { return m_flow.at(slot, FlowKind); }
    int successorOf(int slot) const { return m_flow.at(slot, FlowSuccessor); }

    const WorkingProgram &m_program;
    const FlowTable &m_flow;
    bool m_regularTurn;
    bool m_fault = false;
    StageResult m_result;

    int m_cur = 0;
    int m_step = 0;
    int m_inner = 0;
    bool m_endReached = false;
    int m_loopFaults = 0;
    int m_repeatFaults = 0;

    // Open Loops and Repeats: kind and cell.
    std::array<int, LoopDepthLimit> m_openKind {};
    std::array<int, LoopDepthLimit> m_openCell {};
    int m_depth = 0;

    // Second paths of branches met inside a loop body, taken when the body runs into END.
    std::array<int, LoopBranchCapacity> m_pending {};
    int m_pendingCount = 0;

    QString m_loopText = QStringLiteral(u"Ｌｏｏｐは無し、");
    QString m_repeatText = QStringLiteral(u"Ｒｅｐは無し");
    QString m_status = QStringLiteral(u"正常です。プログラムを送信して下さい。");
};

void LoopCheck::blink(int slot)
{
    const int cell = m_flow.at(slot, FlowCell);
    if (!m_result.blinkCells.contains(cell))
        m_result.blinkCells.append(cell);
}

void LoopCheck::open(int slot, int kind)
{
    if (m_depth >= LoopDepthLimit)
        throw StageLimitError("more open loops than the check can hold");
    if (kind == IconLoop)
        m_loopText = QStringLiteral(u"Ｌｏｏｐは正常、");
    else
        m_repeatText = QStringLiteral(u"Ｒｅｐは正常");
    m_openKind[static_cast<size_t>(m_depth)] = kind;
    m_openCell[static_cast<size_t>(m_depth)] = m_flow.at(slot, FlowCell);
    ++m_depth;
}

// A Loop End or Repeat End inside an open bracket closes the innermost one, matching or not.
void LoopCheck::close(int slot, int expectedOpening)
{
    if (m_openKind[static_cast<size_t>(m_depth - 1)] != expectedOpening) {
        blink(slot);
        if (expectedOpening == IconLoop)
            ++m_loopFaults;
        else
            ++m_repeatFaults;
    }
    --m_depth;
}

void LoopCheck::walk()
{
    while (m_step <= CheckStepLimit) {
        const int kind = kindOf(m_cur);
        if (kind == IconEnd)
            break;
        if (kind == IconLoop || kind == IconRepeat) {
            open(m_cur, kind);
            m_inner = 0;
            m_endReached = false;
            m_cur = successorOf(m_cur);
            innerWalk();
        } else if (kind == IconLoopEnd || kind == IconRepeatEnd) {
            // Met outside any open bracket.
            blink(m_cur);
            if (kind == IconLoopEnd)
                ++m_loopFaults;
            else
                ++m_repeatFaults;
            m_cur = successorOf(m_cur);
        } else {
            // At the top level only the first path of a branch is walked.
            m_cur = successorOf(m_cur);
        }
        if (m_depth > 0 || m_endReached)
            break;
        ++m_step;
    }
}

void LoopCheck::innerWalk()
{
    for (;;) {
        if (m_inner > CheckStepLimit)
            return;
        const int kind = kindOf(m_cur);
        if (kind == IconEnd) {
            if (m_pendingCount == 0) {
                m_endReached = true;
                return;
            }
            // Back to the second path of the most recent branch.
            --m_pendingCount;
            m_cur = m_pending[static_cast<size_t>(m_pendingCount)];
        } else if (isBranchIcon(kind)) {
            if (m_pendingCount >= LoopBranchCapacity)
                throw StageLimitError("more branches inside loops than the check can hold");
            m_pending[static_cast<size_t>(m_pendingCount)] = m_flow.at(m_cur, FlowSecondSuccessor);
            ++m_pendingCount;
            m_cur = successorOf(m_cur);
        } else if (kind == IconLoop || kind == IconRepeat) {
            if (m_depth >= LoopDepthLimit)
                return; // too deep: reported by the result
            open(m_cur, kind);
            m_cur = successorOf(m_cur);
        } else if (kind == IconLoopEnd) {
            close(m_cur, IconLoop);
            m_cur = successorOf(m_cur);
        } else if (kind == IconRepeatEnd) {
            close(m_cur, IconRepeat);
            m_cur = successorOf(m_cur);
        } else {
            m_cur = successorOf(m_cur);
        }
        if (m_depth <= 0)
            return;
        ++m_inner;
    }
}

void LoopCheck::evaluate()
{
    if (m_step > CheckStepLimit) {
        m_loopText
            = QStringLiteral(u"繰り返しのつじつまが合いません<%1>。").arg(CheckStepLimit + 1);
        m_repeatText.clear();
        m_status.clear();
        m_fault = true;
        return;
    }
    const QString unmatched = QStringLiteral(u"繰返しがＥＮＤと対応していません。");
    if (m_loopFaults > 0) {
        m_loopText = QStringLiteral(u"否ループ数 %1、").arg(m_loopFaults);
        m_status = unmatched;
        m_fault = true;
    }
    if (m_repeatFaults > 0) {
        m_repeatText = QStringLiteral(u"否リピート数 %1、").arg(m_repeatFaults);
        m_status = unmatched;
        m_fault = true;
    }
    if (m_depth > 0) {
        m_fault = true;
        m_status.clear();
        if (m_depth >= LoopDepthLimit) {
            m_loopText = QStringLiteral(u"深すぎ %1。").arg(m_depth);
            m_repeatText.clear();
            blink(m_cur);
        } else {
            for (int i = 0; i < m_depth; ++i) {
                const int cell = m_openCell[static_cast<size_t>(i)];
                if (!m_result.blinkCells.contains(cell))
                    m_result.blinkCells.append(cell);
            }
            m_loopText = QStringLiteral(u"非対応繰返し数 %1、").arg(m_depth);
            m_repeatText = m_openKind[static_cast<size_t>(m_depth - 1)] == IconRepeat
                ? QStringLiteral(u"リピート非対応。")
                : QStringLiteral(u"ループ非対応。");
        }
    }
}

StageResult LoopCheck::run()
{
    try {
        // The walk starts at slot 0, which the editor always gives to BEGIN.
        if (m_program.SlotCount < 1 || kindOf(0) != IconBegin
            || ParamsIconCode(m_program.SlotParams[0]) != IconBegin)
            throw StageLimitError("slot 0 does not hold BEGIN");
        walk();
        evaluate();
    } catch (const std::exception &) {
        return StageRuntimeFailure(m_result.blinkCells);
    }
    m_result.text = m_loopText + m_repeatText + QStringLiteral("\r\n") + m_status;
    if (m_regularTurn && !m_fault) {
        m_result.completesCheck = true;
        m_result.background = CheckCompleteColour;
    } else {
        m_result.background = StructureResultColour;
    }
    if (m_fault)
        m_result.checkStage = 1;
    return m_result;
}

} // namespace

StageResult CheckLoops(const WorkingProgram &program, const FlowTable &flow, int checkStage)
{
    return LoopCheck(program, flow, checkStage).run();
}

} // namespace zuvo
