#pragma once
// What one check stage decides; the editor's check driver applies it.

#include "model/colours.h"

#include <QList>
#include <QString>
#include <optional>

namespace zuvo {

struct StageResult
{
    // A run-time failure inside the stage: the driver shows "文法チェックを実行できません。"
    // / "プログラムを再確認してください。" titled "不明なエラー", sets CheckStage to 0 and
    // leaves the message area as it was.
    bool runtimeFailure = false;
    QString text; // the message area's two lines, joined by CR LF
    quint32 background = ColourWhite; // 0xRRGGBB
    QList<int> blinkCells; // CellIndex values whose CellMark becomes 1
    std::optional<int> checkStage; // the value the stage sets CheckStage to, if it sets one
    bool completesCheck = false; // the loop check passed in its regular turn
};

} // namespace zuvo
