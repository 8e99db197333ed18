#include "model/spokennames.h"

#include "model/iconcatalogue.h"
#include "model/lattice.h"
#include "model/parameterstring.h"

namespace zuvo {

QString SpokenIconName(int code)
{
    if (code == IconYes)
        return QStringLiteral(u"イエス");
    if (code == IconNo)
        return QStringLiteral(u"ノー");
    if (!isValidIconCode(code))
        return QString();
    return QString::fromUtf16(iconInfo(code).japaneseName);
}

QString SpokenValues(const QString &params)
{
    if (params.startsWith(u'*'))
        return QString();
    const QStringList values = LabelValues(params);
    const auto value = [&values](int i) {
        return i < values.size() ? values.at(i) : QString();
    };
    const int code = ParamsIconCode(params);
    switch (code) {
    case IconBrake:
    case IconWait:
        return value(0) + QStringLiteral(u"秒");
    case IconRepeat:
        return value(0) + QStringLiteral(u"回");
    case IconLightBranch:
    case IconTouchBranch:
        return QStringLiteral(u"センサ") + value(0);
    case IconVariableBranch: // Yes when the variable is at least the value
        return value(0) + QStringLiteral(u"が") + value(1) + QStringLiteral(u"以上");
    case IconSetVariable:
        return value(0) + u'＝' + value(1);
    case IconCalculateVariable: // variable, operand, operator
        return value(0) + u'＝' + value(0) + value(2) + value(1);
    case IconSetLed:
        return value(0) == u"ON" ? QStringLiteral(u"点灯") : QStringLiteral(u"消灯");
    case IconSetBeep:
        return QStringLiteral(u"ビープ") + value(0);
    default:
        return code <= IconSpinLeft ? QStringLiteral(u"速さ") + value(0) : QString();
    }
}

QString SpokenCell(const WorkingProgram &program, int x, int y)
{
    if (!insideLattice(x, y))
        return QString();
    QString text = QString::number(x / 2 + 1) + QStringLiteral(u"列") + QString::number(y / 2 + 1)
        + QStringLiteral(u"行");
    switch (cellKind(x, y)) {
    case CellKind::Corner:
        return text + QStringLiteral(u"の右下 角");
    case CellKind::HorizontalConnector:
    case CellKind::VerticalConnector:
        return text
            + (cellKind(x, y) == CellKind::HorizontalConnector ? QStringLiteral(u"の右")
                                                               : QStringLiteral(u"の下"))
            + (program.holdsLine(x, y) ? QStringLiteral(u" 線あり") : QStringLiteral(u" 線なし"));
    case CellKind::Icon:
        break;
    }
    const int content = program.CellContent(x, y);
    if (!ContentHoldsIcon(content))
        return text + QStringLiteral(u" 空き");
    text += u' ' + SpokenIconName(ContentIconCode(content));
    const int slot = ContentSlot(content);
    const QString values
        = slot < IconSlotLimit ? SpokenValues(program.SlotParams.at(slot)) : QString();
    return values.isEmpty() ? text : text + u' ' + values;
}

} // namespace zuvo
