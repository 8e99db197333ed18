#pragma once
// Line breaks of text in any of their forms (CR LF, CR, LF) turned into one form, in one pass:
// a memo can be long, and replacing a break by a longer one piece by piece moves the rest of
// the text each time.

#include <QString>
#include <QStringView>

namespace zuvo {

// Every CR LF, lone CR and lone LF of text as lineBreak.
QString WithLineBreaks(QStringView text, QStringView lineBreak);

} // namespace zuvo
