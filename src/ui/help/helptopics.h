#pragma once
// The help window's topic table, each entry a list line and the text it shows: the 107 entries of
// the manual, then the key sheet of the editor's keyboard mode.

#include <QString>

namespace zuvo {

struct HelpTopicEntry
{
    const char16_t *ListText;
    const char16_t *TopicText; // lines joined by CR LF; empty for headings without a text
};

inline constexpr int ManualTopicCount = 107;
inline constexpr int KeySheetTopic = 107;
inline constexpr int HelpTopicCount = 108;

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
