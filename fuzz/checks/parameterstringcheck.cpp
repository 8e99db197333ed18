#include "parameterstringcheck.h"

#include "fuzzinput.h"

#include "model/iconcatalogue.h"
#include "model/iconvalues.h"
#include "model/numbers.h"
#include "model/parameterstring.h"
#include "session/propertyform.h"

namespace zuvo {

using namespace Qt::StringLiterals;

namespace {

constexpr int FirstCode = -1; // codes outside the catalogue must be harmless too
constexpr int LastCode = 31;

struct UserInput
{
    bool typed = false;
    QString numberText;
    QByteArray choices; // option button, then the three lists
};

QString checkValueLabels(const QString &params)
{
    const QStringList labels = LabelValues(params);
    if (labels.size() > 4)
        return QStringLiteral("more than four label values");
    const qsizetype eq = params.indexOf(u'=');
    if (eq >= 0 && labels.join(u' ') != params.mid(eq + 1))
        return QStringLiteral("label values do not cover the text after \"=\"");
    if (eq < 0 && !labels.isEmpty())
        return QStringLiteral("label values without \"=\"");
    for (const QString &token : labels)
        if (RgbFromToken(token) > 0xffffffu)
            return QStringLiteral("colour beyond 24 bits");
    if (RgbFromToken(params) > 0xffffffu)
        return QStringLiteral("colour beyond 24 bits");
    if (FormValues(params).size() > 4)
        return QStringLiteral("more than four form values");
    return QString();
}

void enterUserInput(PropertyForm &form, const UserInput &input)
{
    if (!input.choices.isEmpty())
        form.CheckOption(quint8(input.choices.at(0)) % 6 - 1);
    for (int list = 0; list < 3 && list + 1 < input.choices.size(); ++list)
        form.SelectListItem(list, quint8(input.choices.at(list + 1)) % 11 - 1);
    if (input.typed)
        form.SetNumberText(input.numberText);
}

// Whether one written value is one the form offers for the icon.
bool offeredValue(int code, int position, const QString &value, const PropertyFormView &view)
{
    const auto inList = [&](int list) {
        return view.listItems[list].contains(value);
    };
    switch (code) {
    case IconBrake:
    case IconWait:
    case IconRepeat: {
        if (!StartsWithNumber(value))
            return false;
        const double v = ReadLeadingNumber(value);
        return code == IconRepeat ? v >= 1 && v <= 255 : v >= 0.1 && v <= 10;
    }
    case IconLightBranch:
    case IconTouchBranch:
        return value == u"１"_s || value == u"２"_s;
    case IconVariableBranch:
    case IconSetVariable:
    case IconCalculateVariable:
        if (position == 0)
            return inList(0);
        if (position == 2)
            return inList(2);
        if (inList(1) && value != view.listItems[1].value(0))
            return true;
        {
            bool ok = false;
            const int n = value.toInt(&ok);
            return ok && n >= 0 && n <= 255 && QString::number(n) == value;
        }
    case IconSetLed:
        return value == u"ON"_s || value == u"OFF"_s;
    case IconSetBeep:
        return value.size() == 1 && value.at(0) >= u'1' && value.at(0) <= u'4';
    default:
        return value == u"高"_s || value == u"中"_s || value == u"低"_s;
    }
}

int valueCount(int code)
{
    if (code == IconCalculateVariable)
        return 3;
    if (code == IconVariableBranch || code == IconSetVariable)
        return 2;
    return 1;
}

QString checkApplied(int code, const QString &params, const QString &written,
                     const PropertyFormView &view)
{
    const auto fault = [code](const QString &what) {
        return QStringLiteral("IconCode %1: %2").arg(code).arg(what);
    };
    if (!PropertyForm::hasParameterForm(code)) {
        if (written != params)
            return fault(QStringLiteral("string changed although there is nothing to write"));
        return QString();
    }
    if (written == params)
        return QString(); // nothing marked: the string is left as it was
    // The icon's own prefix; the colour token kept, or white where there was none to show.
    const QString prefix = CanonicalPrefix(code);
    const QString oldTail = ParamsTail(params).mid(1);
    const QString tail = u' ' + (IsColourToken(oldTail) ? oldTail : DefaultColourToken);
    if (!written.startsWith(prefix))
        return fault(QStringLiteral("not the icon's own prefix"));
    if (!written.endsWith(tail) || written.size() < prefix.size() + tail.size())
        return fault(QStringLiteral("colour token not kept"));
    if (FindValueFault(written))
        return fault(QStringLiteral("the check refuses what the form wrote: ") + written);
    const QString values = written.mid(prefix.size(), written.size() - prefix.size() - tail.size());
    if (values.contains(u',') || values.contains(u'\r') || values.contains(u'\n'))
        return fault(QStringLiteral("a value holds a comma or a line break: ") + values);
    const QStringList list = values.split(u' ');
    if (list.size() != valueCount(code))
        return fault(QStringLiteral("%1 values written: ").arg(list.size()) + values);
    for (int i = 0; i < list.size(); ++i)
        if (!offeredValue(code, i, list.at(i), view))
            return fault(QStringLiteral("value the form does not offer: ") + list.at(i));
    if ((code == IconBrake || code == IconWait || code == IconRepeat)
        && view.numberText != list.at(0))
        return fault(QStringLiteral("number box does not show the value written"));
    return QString();
}

// A string the form wrote (not one it left alone because nothing was marked), opened again and
// applied unchanged, stays as it is.
QString checkReapplied(int code, const QString &params, const QString &written, PropertyForm &form)
{
    if (written == params)
        return QString();
    form.ShowIconParameters(code, written);
    const QString again = form.ApplyIconParameters(code, written);
    if (again != written)
        return QStringLiteral("IconCode %1: applying an unchanged form changed %2 into %3")
            .arg(code)
            .arg(written, again);
    return QString();
}

} // namespace

QString CheckParameterStringInput(QByteArrayView input)
{
    const QList<QByteArray> parts = SplitFuzzInput(input, 3);
    const QString params = QString::fromUtf8(parts.value(0));
    UserInput user;
    user.typed = parts.size() > 1;
    user.numberText = QString::fromUtf8(parts.value(1));
    user.choices = parts.value(2);

    if (const QString fault = checkValueLabels(params); !fault.isEmpty())
        return fault;
    ParamsIconCode(params);

    PropertyFormView view;
    PropertyForm form(view);
    form.InitEditorControls();
    for (int code = FirstCode; code <= LastCode; ++code) {
        form.ShowIconParameters(code, params);
        if (form.formShown() != PropertyForm::hasParameterForm(code))
            return QStringLiteral("IconCode %1: form shown wrongly").arg(code);
        for (int list = 0; list < 3; ++list)
            if (view.listIndex[list] < 0 || view.listIndex[list] >= view.listItems[list].size())
                return QStringLiteral("list selection outside its items");
        if (view.checkedOption < -1 || view.checkedOption > 3)
            return QStringLiteral("option mark outside the buttons");

        enterUserInput(form, user);
        if (user.typed && view.numberText.size() > view.numberMaxLength)
            return QStringLiteral("number box holds more than its limit");

        const QString written = form.ApplyIconParameters(code, params);
        if (const QString fault = checkApplied(code, params, written, view); !fault.isEmpty())
            return fault;
        if (const QString fault = checkValueLabels(written); !fault.isEmpty())
            return fault;
        if (const QString fault = checkReapplied(code, params, written, form); !fault.isEmpty())
            return fault;

        form.HideIconParameters();
        if (form.formShown() || !view.mapVisible)
            return QStringLiteral("navigator not back after HideIconParameters");
    }
    return QString();
}

} // namespace zuvo
