#pragma once
// How the program reads and writes numbers in its texts.

#include <QString>
#include <QStringView>

namespace zuvo {

// The value of the longest number at the start of the text, after leading blanks: optional
// sign, digits, at most one decimal point, optional exponent. No such number gives 0.
// Full-width digits are not digits here.
double ReadLeadingNumber(QStringView text);

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
long long RoundHalfEven(double value);

// A token read as an integer: ReadLeadingNumber, then RoundHalfEven.
long long ReadTokenNumber(QStringView text);

// The characters ReadLeadingNumber reads, as typed (without the blanks before them); empty when
// the text does not start with a number.
QString LeadingNumberText(QStringView text);

// True when the text starts (after blanks) with something ReadLeadingNumber accepts.
bool StartsWithNumber(QStringView text);

// The robot file's numeric print format: " 5 ", "-5 ".
QString NumericPrintFormat(long long value);

} // namespace zuvo
