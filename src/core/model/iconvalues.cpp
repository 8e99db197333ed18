#include "model/iconvalues.h"

#include "model/iconcatalogue.h"
#include "model/numbers.h"
#include "model/parameterstring.h"

#include <QStringList>
#include <algorithm>

namespace zuvo {

namespace {

constexpr int NamedValueLength = 8; // characters of a faulty value the message shows

const QStringList Speeds {QStringLiteral(u"高"), QStringLiteral(u"中"), QStringLiteral(u"低")};
const QStringList Sensors {QStringLiteral(u"１"), QStringLiteral(u"２")};
const QStringList Variables {QStringLiteral(u"Ａ"), QStringLiteral(u"Ｂ"), QStringLiteral(u"Ｃ"),
                             QStringLiteral(u"Ｄ"), QStringLiteral(u"Ｅ"), QStringLiteral(u"Ｆ"),
                             QStringLiteral(u"Ｇ"), QStringLiteral(u"Ｈ")};
const QStringList Operators {QStringLiteral(u"＋"), QStringLiteral(u"－"), QStringLiteral(u"×"),
                             QStringLiteral(u"÷")};
const QStringList LedStates {QStringLiteral("ON"), QStringLiteral("OFF")};
const QStringList Tones {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                         QStringLiteral("4")};

int valueCount(int code)
{
    return ParamsPrefix(DefaultParams(code)).mid(3, 1).toInt();
}

bool numberWithin(const QString &value, double low, double high)
{
    const double v = ReadLeadingNumber(value);
    return StartsWithNumber(value) && v >= low && v <= high;
}

// A number the form writes for a variable's operand: ASCII digits, 0 to 255.
bool operandNumber(const QString &value)
{
    bool ok = false;
    const uint n = value.toUInt(&ok, 10);
    return ok && n <= 255 && !value.isEmpty()
        && std::all_of(value.begin(), value.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool offered(int code, int index, const QString &value)
{
    switch (code) {
    case IconBrake:
    case IconWait:
        return numberWithin(value, 0.1, 10);
    case IconRepeat:
        return numberWithin(value, 1, 255);
    case IconLightBranch:
    case IconTouchBranch:
        return Sensors.contains(value);
    case IconVariableBranch:
    case IconSetVariable:
    case IconCalculateVariable:
        if (index == 0)
            return Variables.contains(value);
        if (index == 1)
            return Variables.contains(value) || operandNumber(value);
        return Operators.contains(value);
    case IconSetLed:
        return LedStates.contains(value);
    case IconSetBeep:
        return Tones.contains(value);
    default:
        return Speeds.contains(value); // the motion icons 00 to 07
    }
}

ValueFault fault(ValueFault::Kind kind, const QString &value = QString())
{
    return ValueFault {kind, value};
}

QString named(const QString &value)
{
    if (value.size() <= NamedValueLength)
        return value;
    return value.left(NamedValueLength - 1) + QStringLiteral(u"…");
}

} // namespace

QString CanonicalPrefix(int code)
{
    return ParamsPrefix(DefaultParams(code));
}

bool IsColourToken(const QString &token)
{
    static const QString hex = QStringLiteral("0123456789ABCDEFabcdef");
    return token.size() == 10 && token.startsWith(QLatin1String("&H"))
        && std::all_of(token.begin() + 2, token.end(), [](QChar c) { return hex.contains(c); });
}

std::optional<ValueFault> FindValueFault(const QString &params)
{
    const int code = ParamsIconCode(params);
    if (!isValidIconCode(code))
        return fault(ValueFault::Kind::Layout);
    const int count = valueCount(code);
    if (count == 0)
        return std::nullopt; // nothing of it reaches the robot
    const QString prefix = CanonicalPrefix(code);
    if (!params.startsWith(prefix))
        return fault(ValueFault::Kind::Layout);
    const QStringList parts = params.mid(prefix.size()).split(u' ');
    for (int i = 0; i < count; ++i) {
        const QString value = parts.value(i);
        if (value.isEmpty())
            return fault(ValueFault::Kind::Missing);
        if (!offered(code, i, value))
            return fault(ValueFault::Kind::Value, value);
    }
    if (parts.size() > count + 1)
        return fault(ValueFault::Kind::Layout);
    if (!IsColourToken(parts.value(count)))
        return fault(ValueFault::Kind::Colour, parts.value(count));
    return std::nullopt;
}

QString ValueFaultText(const ValueFault &fault)
{
    switch (fault.kind) {
    case ValueFault::Kind::Value:
        return QStringLiteral(u"点滅アイコンの値「%1」が異常です").arg(named(fault.value));
    case ValueFault::Kind::Missing:
        return QStringLiteral(u"点滅アイコンの値が足りません");
    case ValueFault::Kind::Layout:
        return QStringLiteral(u"点滅アイコンの設定の形が異常です");
    case ValueFault::Kind::Colour:
        return QStringLiteral(u"点滅アイコンの色「%1」が異常です").arg(named(fault.value));
    }
    return QString();
}

} // namespace zuvo
