#include "check/checkbranches.h"

#include "check/neighbourscan.h"
#include "check/stagefailure.h"
#include "model/colours.h"
#include "model/iconcatalogue.h"
#include "model/parameterstring.h"

#include <array>
#include <exception>

namespace zuvo {

namespace {

// The open branches of a walk: the branch icon's slot and whether the walk is on its first
// path (1) or its second (2).
class BranchStack
{
public:
    int size() const { return m_size; }
    void push(int slot)
    {
        if (m_size >= BranchStackCapacity)
            throw StageLimitError("more open branches than the walk can hold");
        m_slot[static_cast<size_t>(m_size)] = slot;
        m_state[static_cast<size_t>(m_size)] = 1;
        ++m_size;
    }
    void pop()
    {
        --m_size;
        m_state[static_cast<size_t>(m_size)] = 0;
    }
    int topSlot() const { return m_slot[static_cast<size_t>(m_size - 1)]; }
    int &topState() { return m_state[static_cast<size_t>(m_size - 1)]; }

private:
    std::array<int, BranchStackCapacity> m_slot {};
    std::array<int, BranchStackCapacity> m_state {};
    int m_size = 0;
};

class BranchCheck
{
public:
    BranchCheck(const WorkingProgram &program, FlowTable &flow)
        : m_program(program)
        , m_flow(flow)
    {
    }

    StageResult run();

private:
    void initialise();
    bool walkOne(); // false when it ran out of steps
    void walkTwo();
    void blink(int slot);
    int kindOf(int slot) const { return m_flow.at(slot, FlowKind); }
    QString display() const
    {
        return m_branchText + m_mergeText + QStringLiteral("\r\n") + m_status;
    }

    const WorkingProgram &m_program;
    FlowTable &m_flow;
    StageResult m_result;
    bool m_fault = false;
    QString m_branchText;
    QString m_mergeText;
    QString m_status = QStringLiteral(u"正常です。再度ボタンを押して繰返検査へ進む");
};

void BranchCheck::blink(int slot)
{
    const int cell = m_flow.at(slot, FlowCell);
    if (!m_result.blinkCells.contains(cell))
        m_result.blinkCells.append(cell);
}

void BranchCheck::initialise()
{
    if (m_program.SlotCount > IconSlotLimit)
        throw LatticeIndexError("more icon slots than the program can hold");
    for (int i = 0; i < m_program.SlotCount; ++i) {
        m_flow.at(i, FlowCell) = m_program.SlotCell.at(static_cast<size_t>(i));
        m_flow.at(i, FlowKind)
            = static_cast<qint16>(ParamsIconCode(m_program.SlotParams.at(static_cast<size_t>(i))));
        for (int column = FlowAddress; column < FlowColumns; ++column)
            m_flow.at(i, column) = -1;
    }
    // Both walks start at slot 0, which the editor always gives to BEGIN.
    if (m_program.SlotCount < 1 || kindOf(0) != IconBegin)
        throw StageLimitError("slot 0 does not hold BEGIN");
}

// Builds the successor links. An icon whose lines do not fit its place in the walk makes the
// walk stay on it, which changes nothing, until the steps run out.
bool BranchCheck::walkOne()
{
    int cur = 0;
    int prev = 0;
    int step = 0;
    BranchStack stack;
    while (step <= CheckStepLimit) {
        ++step;
        const NeighbourScanResult scan = NeighbourScan(m_program, m_flow.at(cur, FlowCell));
        if (scan.dangling) {
            blink(cur);
            m_status = QStringLiteral(u"点滅アイコンは接続不良です");
            m_fault = true;
            break;
        }
        const int links = scan.linkCount;
        const int kind = kindOf(cur);
        if (kind == IconEnd) {
            if (links == 1 && stack.size() == 0) {
                m_flow.at(cur, FlowPredecessor) = static_cast<qint16>(prev);
                break;
            }
        } else if (kind == IconBegin) {
            if (links == 1) {
                for (ScanDirection d : SuccessorOrder)
                    if (scan.linked(d))
                        m_flow.at(cur, FlowSuccessor) = static_cast<qint16>(scan.neighbourSlot[d]);
                m_flow.at(cur, FlowPredecessor) = static_cast<qint16>(prev);
                prev = cur;
                cur = m_flow.at(cur, FlowSuccessor);
            }
        } else if (isBranchIcon(kind)) {
            if (links == 3) {
                for (ScanDirection d : SuccessorOrder) {
                    if (!scan.linked(d) || scan.neighbourSlot[d] == prev)
                        continue;
                    const int column
                        = m_flow.at(cur, FlowSuccessor) == -1 ? FlowSuccessor : FlowSecondSuccessor;
                    m_flow.at(cur, column) = static_cast<qint16>(scan.neighbourSlot[d]);
                }
                stack.push(cur);
                m_flow.at(cur, FlowPredecessor) = static_cast<qint16>(prev);
                prev = cur;
                cur = m_flow.at(cur, FlowSuccessor);
            }
        } else if (kind == IconMerge) {
            if (stack.size() > 0 && links == 3) {
                if (stack.topState() == 1) {
                    // The first path has arrived: walk the branch's second path next.
                    m_flow.at(cur, FlowPredecessor) = static_cast<qint16>(prev);
                    stack.topState() = 2;
                    prev = stack.topSlot();
                    cur = m_flow.at(prev, FlowSecondSuccessor);
                } else {
                    const int first = m_flow.at(cur, FlowPredecessor);
                    for (ScanDirection d : SuccessorOrder) {
                        const int n = scan.neighbourSlot[d];
                        if (scan.linked(d) && n != first && n != prev)
                            m_flow.at(cur, FlowSuccessor) = static_cast<qint16>(n);
                    }
                    if (first == -1) {
                        // The first path of this branch ended at another merge.
                        step = CheckStepLimit + 1;
                        break;
                    }
                    m_flow.at(cur, FlowSecondPredecessor) = static_cast<qint16>(prev);
                    prev = cur;
                    cur = m_flow.at(cur, FlowSuccessor);
                    stack.pop();
                }
            }
        } else if (links == 2) {
            for (ScanDirection d : SuccessorOrder)
                if (scan.linked(d) && scan.neighbourSlot[d] != prev)
                    m_flow.at(cur, FlowSuccessor) = static_cast<qint16>(scan.neighbourSlot[d]);
            m_flow.at(cur, FlowPredecessor) = static_cast<qint16>(prev);
            prev = cur;
            cur = m_flow.at(cur, FlowSuccessor);
        }
    }
    return step <= CheckStepLimit;
}

void BranchCheck::walkTwo()
{
    // What the walk has found of branches and of merges; the message's first line says it.
    enum class Found { Nothing, Fine, Fault };
    Found branches = Found::Nothing;
    Found merges = Found::Nothing;
    int cur = 0;
    int step = 0;
    BranchStack stack;
    while (step <= CheckStepLimit && kindOf(cur) != IconEnd) {
        const int kind = kindOf(cur);
        if (isBranchIcon(kind)) {
            const int first = kindOf(m_flow.at(cur, FlowSuccessor));
            const int second = kindOf(m_flow.at(cur, FlowSecondSuccessor));
            const bool yesAndNo
                = (first == IconYes && second == IconNo) || (first == IconNo && second == IconYes);
            if (!yesAndNo) {
                branches = Found::Fault;
                m_fault = true;
                blink(cur);
            }
            stack.push(cur);
            cur = m_flow.at(cur, FlowSuccessor);
            if (branches == Found::Nothing)
                branches = Found::Fine;
        } else if (kind == IconMerge) {
            if (merges != Found::Fault)
                merges = Found::Fine;
            if (stack.size() <= 0) {
                // Left where it is, the walk runs into its step limit.
                merges = Found::Fault;
            } else if (stack.topState() == 1) {
                stack.topState() = 2;
                cur = m_flow.at(stack.topSlot(), FlowSecondSuccessor);
            } else {
                cur = m_flow.at(cur, FlowSuccessor);
                stack.pop();
            }
        } else if (kind == IconYes || kind == IconNo) {
            if (!isBranchIcon(kindOf(m_flow.at(cur, FlowPredecessor)))) {
                branches = Found::Fault;
                m_fault = true;
                blink(cur);
            }
            cur = m_flow.at(cur, FlowSuccessor);
        } else {
            cur = m_flow.at(cur, FlowSuccessor);
        }
        ++step;
        if (stack.size() > BranchDepthLimit)
            break;
    }
    const QString branchTexts[] = {QStringLiteral(u"分岐は無し、"), QStringLiteral(u"分岐は正常、"),
                                   QStringLiteral(u"分岐にYes,No無し、")};
    const QString mergeTexts[] = {QStringLiteral(u"合流は無し。"), QStringLiteral(u"合流は正常。"),
                                  QStringLiteral(u"合流は異常。")};
    m_branchText = branchTexts[int(branches)];
    m_mergeText = mergeTexts[int(merges)];

    if (step > CheckStepLimit) {
        m_branchText
            = QStringLiteral(u"分岐後、合流に収束していません <%1>。").arg(CheckStepLimit + 2);
        m_mergeText.clear();
        m_status.clear();
        m_result.background = ColourWarning;
        m_result.checkStage = 0;
        return;
    }
    if (stack.size() > 0) {
        m_fault = true;
        m_status.clear();
        m_branchText = QStringLiteral(u"深すぎ %1個以上です。").arg(stack.size());
        m_mergeText.clear();
        blink(cur);
    }
    m_result.background = StructureResultColour;
    if (m_fault) {
        m_result.checkStage = 0;
        m_status = QStringLiteral(u"点滅アイコンは接続不良です");
    }
}

StageResult BranchCheck::run()
{
    try {
        initialise();
        if (!walkOne()) {
            m_branchText
                = QStringLiteral(u"分岐合流のつじつまが合いません<%1>。").arg(CheckStepLimit + 1);
            m_mergeText.clear();
            m_status.clear();
            m_result.checkStage = 0;
            m_result.background = ColourWarning;
        } else {
            walkTwo();
        }
    } catch (const std::exception &) {
        return StageRuntimeFailure(m_result.blinkCells);
    }
    m_result.text = display();
    return m_result;
}

} // namespace

StageResult CheckBranches(const WorkingProgram &program, FlowTable &flow)
{
    return BranchCheck(program, flow).run();
}

} // namespace zuvo
