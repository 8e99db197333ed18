#include "session/propertyform.h"

#include "model/iconcatalogue.h"
#include "model/iconvalues.h"
#include "model/numbers.h"
#include "model/parameterstring.h"

#include <algorithm>
#include <cmath>

namespace zuvo {

using namespace Qt::StringLiterals;

namespace {

// Places in twips relative to the bottom panel.
constexpr int ControlTop = 750;
constexpr int LabelTop = 800;
constexpr int OptionHeight = 225;
constexpr int NumberBoxHeight = 270;
constexpr int ListHeight = 300;
constexpr int MemoHeight = 255;
constexpr int NumberBoxStartLimit = 4;
constexpr int ShortNumberLimit = 3;

const QString OperandNumber = QStringLiteral(u"数");

const QStringList &variableNames()
{
    static const QStringList names {u"Ａ"_s, u"Ｂ"_s, u"Ｃ"_s, u"Ｄ"_s,
                                    u"Ｅ"_s, u"Ｆ"_s, u"Ｇ"_s, u"Ｈ"_s};
    return names;
}

void place(FormControlView &control, int left, int top, int width, int height,
           const QString &caption = QString())
{
    control.left = left;
    control.top = top;
    control.width = width;
    control.height = height;
    control.caption = caption;
    control.visible = true;
}

QString valueAt(const QStringList &values, int index)
{
    return index < values.size() ? values.at(index) : QString();
}

} // namespace

bool PropertyForm::hasParameterForm(int code)
{
    return (code >= IconForward && code <= IconSpinLeft) || code == IconBrake
        || code == IconLightBranch || code == IconTouchBranch || code == IconVariableBranch
        || code == IconRepeat || code == IconSetVariable || code == IconWait
        || code == IconCalculateVariable || code == IconSetLed || code == IconSetBeep;
}

void PropertyForm::InitEditorControls()
{
    m_view.listItems[0] = variableNames();
    m_view.listItems[1] = QStringList {OperandNumber} + variableNames();
    m_view.listItems[2] = QStringList {u"＋"_s, u"－"_s, u"×"_s, u"÷"_s};
    for (int list = 0; list < 3; ++list) {
        m_view.lists[list].height = ListHeight;
        SelectListItem(list, 0);
    }
    for (FormControlView &option : m_view.options)
        option.height = OptionHeight;
    for (FormControlView &memo : m_view.memos)
        memo.height = MemoHeight;
    m_view.numberBox.height = NumberBoxHeight;
    m_view.numberMaxLength = NumberBoxStartLimit;
    m_view.checkedOption = 0;
    m_view.title = FormControlView {};
    place(m_view.title, 300, 500, 2295, 255);
    place(m_view.applyButton, 1050, 1130, 735, 255, u"設定"_s);
}

void PropertyForm::HideIconParameters()
{
    for (FormControlView &list : m_view.lists)
        list.visible = false;
    for (FormControlView &option : m_view.options)
        option.visible = false;
    m_view.numberBox.visible = false;
    for (FormControlView &memo : m_view.memos)
        memo.visible = false;
    m_view.applyButton.left = 1050;
    m_view.applyButton.top = 1130;
    m_view.applyButton.visible = false;
    m_view.title.top = 500;
    m_view.title.visible = false;
    m_view.mapVisible = true;
}

void PropertyForm::ShowIconParameters(int code, const QString &params)
{
    const QStringList values = FormValues(params);
    HideIconParameters();
    if (!hasParameterForm(code))
        return;
    m_view.applyButton.visible = true;
    m_view.title.visible = true;
    m_view.mapVisible = false;
    m_view.numberBox.enabled = true;

    const QString value1 = valueAt(values, 0);
    switch (code) {
    case IconBrake:
    case IconWait:
    case IconRepeat:
        layoutTime(code);
        m_view.numberText = value1;
        break;
    case IconLightBranch:
    case IconTouchBranch:
        layoutSensor(code);
        m_view.checkedOption = value1 == u"１" ? 0 : 1;
        break;
    case IconVariableBranch:
    case IconSetVariable:
    case IconCalculateVariable:
        layoutVariable(code);
        readOperands(values, code == IconCalculateVariable);
        break;
    case IconSetLed:
        layoutLed();
        m_view.checkedOption = value1 == u"ON" ? 0 : 1;
        break;
    case IconSetBeep: {
        layoutBeep();
        static const QStringList tones {u"1"_s, u"2"_s, u"3"_s, u"4"_s};
        m_view.checkedOption = static_cast<int>(tones.indexOf(value1));
        break;
    }
    default: { // 00-07, the motions
        layoutSpeed();
        static const QStringList speeds {u"高"_s, u"中"_s, u"低"_s};
        m_view.checkedOption = static_cast<int>(speeds.indexOf(value1));
        break;
    }
    }
}

void PropertyForm::layoutSpeed()
{
    m_view.title.caption = u"\u3000\u3000\u3000\u3000\u3000\u3000 移動情報"_s;
    place(m_view.options[0], 350, ControlTop, 700, OptionHeight, u"高速"_s);
    place(m_view.options[1], 1100, ControlTop, 700, OptionHeight, u"中速"_s);
    place(m_view.options[2], 1850, ControlTop, 700, OptionHeight, u"低速"_s);
}

void PropertyForm::layoutTime(int code)
{
    if (code == IconBrake)
        m_view.title.caption = u"  ブレーキ情報（範囲 0.1-10）"_s;
    else if (code == IconWait)
        m_view.title.caption = u"\u3000\u3000待ち情報（範囲 0.1-10）"_s;
    else
        m_view.title.caption = u"\u3000 繰り返し情報（範囲1-255）"_s;
    const bool repeat = code == IconRepeat;
    place(m_view.memos[1], 900, LabelTop, 400, MemoHeight, repeat ? u"回数"_s : u"時間"_s);
    place(m_view.numberBox, 1360, ControlTop, 400, NumberBoxHeight);
    place(m_view.memos[2], 1900, LabelTop, 200, MemoHeight, repeat ? u"回"_s : u"秒"_s);
    // Brake keeps whatever limit the box last had.
    if (code != IconBrake)
        m_view.numberMaxLength = ShortNumberLimit;
}

void PropertyForm::layoutSensor(int code)
{
    m_view.title.caption = code == IconLightBranch ? u"\u3000\u3000\u3000\u3000光センサ分岐情報"_s
                                                   : u"\u3000\u3000タッチセンサ分岐情報"_s;
    place(m_view.options[0], 400, ControlTop, 1000, OptionHeight, u"センサ１"_s);
    place(m_view.options[1], 1500, ControlTop, 1000, OptionHeight, u"センサ２"_s);
}

void PropertyForm::layoutVariable(int code)
{
    if (code == IconCalculateVariable) {
        m_view.title.caption = u"\u3000\u3000計算設定（範囲0-255）"_s;
        place(m_view.lists[0], 300, ControlTop, 500, ListHeight);
        place(m_view.lists[2], 800, ControlTop, 500, ListHeight);
        place(m_view.numberBox, 1450, ControlTop, 400, NumberBoxHeight);
        place(m_view.memos[2], 1870, LabelTop, 150, MemoHeight, u"or"_s);
        place(m_view.lists[1], 2040, ControlTop, 560, ListHeight);
        return;
    }
    const bool branch = code == IconVariableBranch;
    m_view.title.caption = branch ? u"\u3000\u3000\u3000変数分岐（範囲0-255）"_s
                                  : u"\u3000\u3000\u3000変数設定（範囲0-255）"_s;
    place(m_view.lists[0], 350, ControlTop, 600, ListHeight);
    place(m_view.memos[1], 1000, LabelTop, 200, MemoHeight, branch ? u">="_s : u" ="_s);
    place(m_view.numberBox, 1200, ControlTop, 400, NumberBoxHeight);
    place(m_view.memos[2], 1730, LabelTop, 150, MemoHeight, u"or"_s);
    place(m_view.lists[1], 1950, ControlTop, 600, ListHeight);
}

void PropertyForm::layoutLed()
{
    m_view.title.caption = u"\u3000\u3000\u3000\u3000\u3000\u3000ＬＥＤ情報"_s;
    place(m_view.options[0], 600, ControlTop, 800, OptionHeight, u"オン"_s);
    place(m_view.options[1], 1500, ControlTop, 800, OptionHeight, u"オフ"_s);
}

void PropertyForm::layoutBeep()
{
    m_view.title.caption = u"\u3000\u3000\u3000\u3000\u3000ビープ音色情報"_s;
    static const QStringList digits {u"１"_s, u"２"_s, u"３"_s, u"４"_s};
    for (int i = 0; i < 4; ++i)
        place(m_view.options[i], 500 + 500 * i, ControlTop, 500, OptionHeight, digits.at(i));
    place(m_view.memos[1], 550, 980, 400, MemoHeight, u"低音"_s);
    place(m_view.memos[2], 2100, 980, 400, MemoHeight, u"高音"_s);
}

void PropertyForm::readOperands(const QStringList &values, bool withOperator)
{
    const QString operand = valueAt(values, 1);
    m_view.numberText = operand;
    selectListText(0, valueAt(values, 0));
    if (variableNames().contains(operand)) {
        selectListText(1, operand);
        m_view.numberText.clear();
    } else {
        SelectListItem(1, 0);
    }
    if (withOperator)
        selectListText(2, valueAt(values, 2));
}

void PropertyForm::selectListText(int list, const QString &text)
{
    // A value the list does not offer selects its first item.
    SelectListItem(list, std::max(0, static_cast<int>(m_view.listItems[list].indexOf(text))));
}

QString PropertyForm::listText(int list) const
{
    const QStringList &items = m_view.listItems[list];
    const int index = m_view.listIndex[list];
    return index >= 0 && index < items.size() ? items.at(index) : QString();
}

void PropertyForm::CheckOption(int index)
{
    if (index >= 0 && index < static_cast<int>(m_view.options.size()))
        m_view.checkedOption = index;
}

void PropertyForm::SetNumberText(const QString &text)
{
    // The box holds characters, not UTF-16 units: a pair is never cut in half.
    qsizetype length = qMin(text.size(), qsizetype(m_view.numberMaxLength));
    if (length > 0 && length < text.size() && text.at(length - 1).isHighSurrogate())
        --length;
    m_view.numberText = text.left(length);
}

void PropertyForm::SelectListItem(int list, int index)
{
    if (list < 0 || list >= static_cast<int>(m_view.lists.size()))
        return;
    if (index < 0 || index >= m_view.listItems[list].size())
        return;
    m_view.listIndex[list] = index;
    OperandKindChanged();
}

void PropertyForm::OperandKindChanged()
{
    m_view.numberBox.enabled = listText(1) == OperandNumber;
}

QString PropertyForm::clampedBoxText(double low, double high)
{
    QString text = m_view.numberText;
    const double v = ReadLeadingNumber(text);
    if (v < low)
        text = QString::number(low);
    else if (v > high)
        text = QString::number(high);
    else
        // Only the number itself is stored: a blank or a comma typed after it would split the
        // ParameterString and the program text.
        text = LeadingNumberText(text);
    m_view.numberText = text;
    return text;
}

QString PropertyForm::numberValue()
{
    const double whole = std::floor(ReadLeadingNumber(m_view.numberText));
    const int n = whole < 0 ? 0 : (whole > 255 ? 255 : static_cast<int>(whole));
    return QString::number(n);
}

QString PropertyForm::ApplyIconParameters(int code, const QString &params)
{
    QStringList values;
    const int option = m_view.checkedOption;
    switch (code) {
    case IconBrake:
    case IconWait:
        values << clampedBoxText(0.1, 10);
        break;
    case IconRepeat:
        values << clampedBoxText(1, 255);
        break;
    case IconLightBranch:
    case IconTouchBranch:
        values << (option == 0 ? u"１"_s : u"２"_s);
        break;
    case IconVariableBranch:
    case IconSetVariable:
    case IconCalculateVariable: {
        values << listText(0);
        values << (listText(1) == OperandNumber ? numberValue() : listText(1));
        if (code == IconCalculateVariable)
            values << listText(2);
        break;
    }
    case IconSetLed:
        values << (option == 0 ? u"ON"_s : u"OFF"_s);
        break;
    case IconSetBeep:
        if (option < 0 || option > 3)
            return params;
        values << QString::number(option + 1);
        break;
    default:
        if (code < IconForward || code > IconSpinLeft)
            return params;
        if (option < 0 || option > 2)
            return params;
        static const QStringList speeds {u"高"_s, u"中"_s, u"低"_s};
        values << speeds.at(option);
        break;
    }
    // A string from a file that the check refuses for its layout or colour token is mended here:
    // the icon's own prefix, and white where no colour token can be shown. Strings the form
    // made keep both as they were.
    const QString tail = ParamsTail(params);
    return CanonicalPrefix(code) + values.join(u' ') + u' '
        + (IsColourToken(tail.mid(1)) ? tail.mid(1) : DefaultColourToken);
}

} // namespace zuvo
