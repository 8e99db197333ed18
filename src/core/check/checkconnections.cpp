#include "check/checkconnections.h"

#include "check/neighbourscan.h"
#include "check/stagefailure.h"
#include "model/colours.h"
#include "model/iconcatalogue.h"
#include "model/iconvalues.h"
#include "model/parameterstring.h"

#include <exception>

namespace zuvo {

namespace {

// "０個" -> "１個" -> "複数", which stays.
QString nextCount(const QString &count)
{
    if (count == u"０個")
        return QStringLiteral(u"１個");
    return QStringLiteral(u"複数");
}

void markOnce(QList<int> &cells, int cell)
{
    if (!cells.contains(cell))
        cells.append(cell);
}

} // namespace

int RequiredLinkCount(int iconCode)
{
    if (iconCode == IconBegin || iconCode == IconEnd)
        return 1;
    if (isBranchIcon(iconCode) || iconCode == IconMerge)
        return 3;
    return 2;
}

StageResult CheckConnections(const WorkingProgram &program)
{
    QString beginCount = QStringLiteral(u"０個");
    QString endCount = QStringLiteral(u"０個");
    QString status = QStringLiteral(u"アイコンの接続は正常");
    StageResult result;
    try {
        for (int i = 0; i < program.SlotCount; ++i) {
            const int cell = program.SlotCell.at(static_cast<size_t>(i));
            const NeighbourScanResult scan = NeighbourScan(program, cell);
            bool fault = scan.dangling;
            const int kind = ParamsIconCode(program.SlotParams.at(static_cast<size_t>(i)));
            if (kind == IconBegin)
                beginCount = nextCount(beginCount);
            else if (kind == IconEnd)
                endCount = nextCount(endCount);
            if (scan.linkCount != RequiredLinkCount(kind))
                fault = true;
            if (fault) {
                markOnce(result.blinkCells, cell);
                status = QStringLiteral(u"点滅アイコンは接続不良です");
                result.checkStage = 2;
            }
        }
        // Once every icon is connected, the values, which only a file can bring in unchecked: the
        // first fault is named and every faulty icon blinks.
        const bool connected = !result.checkStage.has_value();
        for (int i = 0; connected && i < program.SlotCount; ++i) {
            if (const auto fault = FindValueFault(program.SlotParams.at(static_cast<size_t>(i)))) {
                markOnce(result.blinkCells, program.SlotCell.at(static_cast<size_t>(i)));
                if (!result.checkStage.has_value())
                    status = ValueFaultText(*fault);
                result.checkStage = 2;
            }
        }
    } catch (const std::exception &) {
        return StageRuntimeFailure(result.blinkCells);
    }
    result.text = QStringLiteral(u"開始") + beginCount + QStringLiteral(u"、終了") + endCount
        + QStringLiteral(u"です。\r\n") + status;
    result.background = ConnectionResultColour;
    return result;
}

} // namespace zuvo
