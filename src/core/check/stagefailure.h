#pragma once
// The run-time failure of a check stage: an index outside a table, a stack that would
// overflow, a walk that cannot start. Never a pass, never undefined behaviour.

#include "check/stageresult.h"

#include <QString>
#include <stdexcept>

namespace zuvo {

inline const QString StageFailureTitle = QStringLiteral(u"不明なエラー");
inline const QString StageFailureText
    = QStringLiteral(u"文法チェックを実行できません。\r\nプログラムを再確認してください。");

// Thrown inside a stage for a bound the walk would exceed; the stage turns it into its
// run-time failure like any index error.
class StageLimitError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The result a stage returns after a run-time failure: CheckStage 0, the message area left as
// it was. Cells the stage had already marked keep blinking.
inline StageResult StageRuntimeFailure(QList<int> blinkCells = {})
{
    StageResult result;
    result.runtimeFailure = true;
    result.checkStage = 0;
    result.blinkCells = std::move(blinkCells);
    return result;
}

} // namespace zuvo
