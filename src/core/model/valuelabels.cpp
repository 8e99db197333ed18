#include "model/valuelabels.h"

#include "model/iconcatalogue.h"
#include "model/parameterstring.h"

namespace zuvo {

namespace {

enum Label { D1 = 0, D2 = 1, D3 = 2 };

} // namespace

ValueLabels SlotValueLabels(const QString &params)
{
    const QStringList values = LabelValues(params);
    const auto value = [&values](int i) {
        return i < values.size() ? values.at(i) : QString();
    };
    ValueLabels labels;
    const auto show = [&](Label label, int valueIndex, int colourIndex) {
        labels[label].text = value(valueIndex);
        labels[label].background = RgbFromToken(value(colourIndex));
        labels[label].visible = true;
    };
    switch (ParamsIconCode(params)) {
    case IconVariableBranch:
    case IconSetVariable:
        show(D3, 0, 2);
        show(D2, 1, 2);
        break;
    case IconCalculateVariable:
        show(D3, 0, 3);
        show(D2, 1, 3);
        show(D1, 2, 3);
        break;
    case IconMotorOff:
    case IconMerge:
    case IconYes:
    case IconNo:
    case IconLoop:
    case IconLoopEnd:
    case IconRepeatEnd:
        break;
    default:
        if (ParamsIconCode(params) <= IconSetBeep)
            show(D2, 0, 1);
        break;
    }
    return labels;
}

} // namespace zuvo
