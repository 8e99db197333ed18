#pragma once
// The help window's topic table: 107 entries, each a list line and the text it shows.

#include <QString>

namespace zuvo {

struct HelpTopicEntry
{
    const char16_t *ListText;
    const char16_t *TopicText; // lines joined by CR LF; empty for headings without a text
};

inline constexpr int HelpTopicCount = 107;

extern const HelpTopicEntry HelpTopicTable[HelpTopicCount];

inline QString HelpListText(int entry)
{
    return QString::fromUtf16(HelpTopicTable[entry].ListText);
}

inline QString HelpTopicText(int entry)
{
    return QString::fromUtf16(HelpTopicTable[entry].TopicText);
}

} // namespace zuvo
