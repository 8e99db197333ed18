#include "memoroundtrip.h"

#include "model/programtext.h"

#include <QRegularExpression>
#include <QStringList>

namespace zuvo {

namespace {

// The pieces of a memo as the file's reader takes them: split at line breaks of any form and at
// commas, each without its leading blanks.
QStringList pieces(const QString &memo)
{
    static const QRegularExpression separator(QStringLiteral("\r\n|\r|\n|,"));
    QStringList result = memo.split(separator);
    for (QString &piece : result) {
        qsizetype blanks = 0;
        while (blanks < piece.size() && piece[blanks] == u' ')
            ++blanks;
        piece.remove(0, blanks);
    }
    return result;
}

// A piece came back as it was, or changed only as the save reported.
bool samePiece(QString want, const QString &got, const MemoChanges &changes, bool last)
{
    if (changes.endWords && want == ListEnd)
        want = QStringLiteral(u"ＥＮＤ");
    if (changes.quotes && want.startsWith(u'"'))
        want[0] = QChar(u'＂');
    qsizetype w = 0;
    qsizetype g = 0;
    while (w < want.size() && g < got.size()) {
        if (want[w] == got[g]) {
            ++w;
            ++g;
        } else if (!changes.replacedCharacters.isEmpty() && got[g] == u'？') {
            w += want[w].isHighSurrogate() && w + 1 < want.size() ? 2 : 1;
            ++g;
        } else {
            return false;
        }
    }
    if (g < got.size())
        return false;
    return w == want.size() || (last && changes.shortened);
}

} // namespace

QString CheckMemoAfterSave(const QString &memo, const MemoChanges &changes, const QString &reopened)
{
    if (reopened.size() > MemoCharacterLimit)
        return QStringLiteral("memo read back longer than the memo limit");
    const QStringList want = pieces(memo);
    const QStringList got = reopened.split(QStringLiteral("\r\n"));
    if (got.size() > want.size() || (got.size() < want.size() && !changes.shortened))
        return QStringLiteral("memo read back with %1 lines instead of %2")
            .arg(got.size())
            .arg(want.size());
    for (qsizetype i = 0; i < got.size(); ++i)
        if (!samePiece(want[i], got[i], changes, i + 1 == got.size()))
            return QStringLiteral("memo line %1 changed without a word by the save").arg(i + 1);
    return QString();
}

} // namespace zuvo
