#pragma once
// The values an icon may hold: exactly those the property form can make. A ParameterString from a
// file may hold anything; the check refuses an icon whose string is not one of these (the icon
// blinks), the generator never turns one into bytes, and 設定 in the property form mends it.

#include <QString>
#include <optional>

namespace zuvo {

// What is wrong with an icon's ParameterString.
struct ValueFault
{
    enum class Kind {
        Value, // a value outside the form's lists or ranges (the value is named)
        Missing, // fewer values than the icon has
        Layout, // not the layout "CC K=v1 v2 &H00BBGGRR" of the icon's code
        Colour, // the colour token is not "&H" and eight hexadecimal digits
    };
    Kind kind = Kind::Value;
    QString value; // the value or the colour token at fault (Value, Colour)
};

// Nothing for a string the property form could have written for its IconCode (and for every icon
// without values); otherwise the first fault. The values the form makes:
//   speed "高" "中" "低"; sensor "１" "２"; variable "Ａ".."Ｈ"; operand a variable or a number
//   0..255 in ASCII digits; operator "＋" "－" "×" "÷"; LED "ON" "OFF"; tone "1".."4";
//   Brake and Wait a text whose leading number is 0.1..10, Repeat one whose leading number is
//   1..255.
std::optional<ValueFault> FindValueFault(const QString &params);

// The prefix "CC K=" of the icon's own code and value count.
QString CanonicalPrefix(int code);
// True for a colour token the value labels can show: "&H" and eight hexadecimal digits.
bool IsColourToken(const QString &token);
// The colour token written when an icon has none that can be shown.
inline const QString DefaultColourToken = QStringLiteral("&H00FFFFFF");

// The message area's line that names a fault: "点滅アイコンの値「X」が異常です", ...
QString ValueFaultText(const ValueFault &fault);

} // namespace zuvo
