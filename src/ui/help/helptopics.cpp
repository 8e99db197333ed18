#include "help/helptopics.h"

#include <QFile>
#include <QStringList>

namespace zuvo {

namespace {

const QString EntryMark = QStringLiteral("== ");

void finishEntry(QList<HelpTopicEntry> &entries, QStringList &lines)
{
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    entries.last().TopicText = lines.join(QStringLiteral("\r\n"));
    lines.clear();
}

} // namespace

QList<HelpTopicEntry> ParseHelpTopics(const QByteArray &file)
{
    QList<HelpTopicEntry> entries;
    QStringList lines;
    for (QString line : QString::fromUtf8(file).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.startsWith(EntryMark)) {
            if (!entries.isEmpty())
                finishEntry(entries, lines);
            entries.append({line.mid(EntryMark.size()), QString()});
        } else if (!entries.isEmpty()) {
            lines.append(line);
        }
        // Above the first entry: comments and empty lines.
    }
    if (!entries.isEmpty())
        finishEntry(entries, lines);
    return entries;
}

const QList<HelpTopicEntry> &HelpTopics()
{
    static const QList<HelpTopicEntry> topics = [] {
        QFile file(QStringLiteral(":/help/topics.txt"));
        return file.open(QIODevice::ReadOnly) ? ParseHelpTopics(file.readAll())
                                              : QList<HelpTopicEntry>();
    }();
    return topics;
}

QString HelpListText(int entry)
{
    const QList<HelpTopicEntry> &topics = HelpTopics();
    return entry >= 0 && entry < topics.size() ? topics[entry].ListText : QString();
}

QString HelpTopicText(int entry)
{
    const QList<HelpTopicEntry> &topics = HelpTopics();
    return entry >= 0 && entry < topics.size() ? topics[entry].TopicText : QString();
}

} // namespace zuvo
