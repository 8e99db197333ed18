#pragma once
// The memo of a saved program as it comes back when the file is opened again.

#include "model/robotfile.h"

#include <QString>

namespace zuvo {

// Empty when reopened is the memo the file format gives back for memo, differing only where the
// save said so (changes); otherwise what differs. The format itself splits a line at each comma
// and drops the blanks that begin a line or a piece; beyond that a piece may differ only as
// reported: "END" written as "ＥＮＤ", a leading double quote as "＂", a character the code
// page lacks as "？", and the end cut off.
QString CheckMemoAfterSave(const QString &memo, const MemoChanges &changes,
                           const QString &reopened);

} // namespace zuvo
