#include "model/numbers.h"

#include <algorithm>
#include <cmath>

namespace zuvo {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Length of the number prefix of text starting at position start (0 when none).
qsizetype numberLength(QStringView text, qsizetype start)
{
    qsizetype i = start;
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isAsciiDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        qsizetype j = i + 1;
        qsizetype fraction = 0;
        while (j < n && isAsciiDigit(text[j])) {
            ++j;
            ++fraction;
        }
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0)
        return 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        qsizetype expDigits = 0;
        while (j < n && isAsciiDigit(text[j])) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0)
            i = j;
    }
    return i - start;
}

qsizetype skipBlanks(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    return i;
}

} // namespace

double ReadLeadingNumber(QStringView text)
{
    const qsizetype start = skipBlanks(text);
    const qsizetype len = numberLength(text, start);
    if (len == 0)
        return 0.0;
    // Whole numbers of up to 15 digits, nearly all a file holds, are exact in a double: counted
    // here, where converting the text costs a hundred times as much.
    const QStringView number = text.mid(start, len);
    const bool negative = number.front() == u'-';
    const QStringView digits
        = number.front() == u'-' || number.front() == u'+' ? number.sliced(1) : number;
    if (digits.size() <= 15 && std::all_of(digits.begin(), digits.end(), isAsciiDigit)) {
        double whole = 0;
        for (QChar digit : digits)
            whole = whole * 10 + (digit.unicode() - u'0');
        return negative ? -whole : whole;
    }
    bool ok = false;
    const double v = text.mid(start, len).toString().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return 0.0;
    return v;
}

long long RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    if (value > 9.0e18)
        return 9000000000000000000LL;
    if (value < -9.0e18)
        return -9000000000000000000LL;
    return static_cast<long long>(std::nearbyint(value)); // default mode: to nearest, ties even
}

long long ReadTokenNumber(QStringView text)
{
    return RoundHalfEven(ReadLeadingNumber(text));
}

QString LeadingNumberText(QStringView text)
{
    const qsizetype start = skipBlanks(text);
    return text.mid(start, numberLength(text, start)).toString();
}

bool StartsWithNumber(QStringView text)
{
    return numberLength(text, skipBlanks(text)) > 0;
}

QString NumericPrintFormat(long long value)
{
    if (value < 0)
        return QStringLiteral("-%1 ").arg(-value);
    return QStringLiteral(" %1 ").arg(value);
}

} // namespace zuvo
