#include "model/parameterstring.h"

#include "model/numbers.h"

namespace zuvo {

int ParamsIconCode(const QString &params)
{
    return static_cast<int>(ReadTokenNumber(QStringView(params).left(2)));
}

QStringList splitLimited(const QString &text, QChar separator, int maxParts)
{
    QStringList parts;
    qsizetype from = 0;
    while (parts.size() < maxParts - 1) {
        const qsizetype at = text.indexOf(separator, from);
        if (at < 0)
            break;
        parts.append(text.mid(from, at - from));
        from = at + 1;
    }
    parts.append(text.mid(from));
    return parts;
}

QStringList LabelValues(const QString &params)
{
    const qsizetype eq = params.indexOf(u'=');
    if (eq < 0)
        return {};
    return splitLimited(params.mid(eq + 1), u' ', 4);
}

QStringList FormValues(const QString &params)
{
    const qsizetype blank = params.indexOf(u' ');
    if (blank < 0)
        return {};
    const qsizetype start = blank + 3;
    if (start > params.size())
        return {};
    return splitLimited(params.mid(start), u' ', 4);
}

QString ParamsPrefix(const QString &params)
{
    const qsizetype eq = params.indexOf(u'=');
    return eq < 0 ? params : params.left(eq + 1);
}

QString ParamsTail(const QString &params)
{
    const qsizetype eq = params.indexOf(u'=');
    const qsizetype lastBlank = params.lastIndexOf(u' ');
    if (eq < 0 || lastBlank < eq)
        return QString();
    return u' ' + params.mid(lastBlank + 1);
}

quint32 RgbFromToken(const QString &token)
{
    QString digits = token.trimmed();
    if (digits.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
        digits = digits.mid(2);
    bool ok = false;
    const uint bgr = digits.toUInt(&ok, 16);
    if (!ok)
        return 0xffffffu;
    return ((bgr & 0xffu) << 16) | (bgr & 0xff00u) | ((bgr >> 16) & 0xffu);
}

} // namespace zuvo
