#pragma once
// The help window's topics, each entry a list line and the text it shows: the 107 entries of the
// manual, then the key sheet of the editor's keyboard mode and the page on the copies of unsaved
// programs. They are content, kept as one text file in the resources (":/help/topics.txt"), read
// once when first asked for.

#include <QByteArray>
#include <QList>
#include <QString>

namespace zuvo {

struct HelpTopicEntry
{
    QString ListText;
    QString TopicText; // lines joined by CR LF; empty for headings without a text
};

inline constexpr int ManualTopicCount = 107;
inline constexpr int KeySheetTopic = 107;
inline constexpr int RecoveryTopic = 108;
inline constexpr int HelpTopicCount = 109;

// The entries of a topic file (UTF-8): a line "== LIST TEXT" begins an entry, the lines up to the
// next one are its text without the empty lines at its end; what stands above the first entry is
// a comment. LF or CR LF end a line.
QList<HelpTopicEntry> ParseHelpTopics(const QByteArray &file);

// The entries of the program's own topic file, in list order.
const QList<HelpTopicEntry> &HelpTopics();

// An entry's list text and topic text; empty for an entry the file does not hold.
QString HelpListText(int entry);
QString HelpTopicText(int entry);

} // namespace zuvo
