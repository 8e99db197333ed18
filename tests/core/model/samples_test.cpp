#include "model/iconcatalogue.h"
#include "model/programtext.h"
#include "model/samples.h"

#include <QStringList>

#include "testprinters.h"

#include <gtest/gtest.h>

using namespace zuvo;

namespace {

QStringList tokensBeforeEnd(const QString &list)
{
    QStringList tokens = list.split(u',');
    tokens = tokens.mid(0, tokens.indexOf(QStringLiteral("END")));
    tokens.removeAll(QString());
    return tokens;
}

} // namespace

TEST(Samples, EveryProgramLoadsWithAllItsLinesAndIcons)
{
    int programs = 0;
    for (int n = 1; n <= SampleSetCount; ++n) {
        const SampleSet &set = BuiltInSampleSet(n);
        for (int k = 0; k < 4; ++k) {
            SCOPED_TRACE(QStringLiteral("set %1 slot %2").arg(n).arg(k).toStdString());
            const ProgramText &text = set.programs[k];
            const WorkingProgram p = LoadSlotText(text);
            const QStringList lines = tokensBeforeEnd(text.ConnectionList);
            const QStringList icons = tokensBeforeEnd(text.IconList);
            ASSERT_EQ(icons.size() % 2, 0);
            EXPECT_EQ(p.SlotCount, icons.size() / 2);
            for (int s = 0; s < p.SlotCount; ++s) {
                EXPECT_EQ(p.SlotCell[s], icons[2 * s].trimmed().toInt());
                EXPECT_EQ(p.SlotParams[s], icons[2 * s + 1]);
                EXPECT_EQ(p.CellContent.atIndex(p.SlotCell[s]),
                          p.SlotParams[s].left(2).toInt() * 1000 + s);
            }
            for (const QString &line : lines)
                EXPECT_EQ(p.CellContent.atIndex(line.trimmed().toInt()), LineCell);
            int begins = 0;
            int ends = 0;
            for (int s = 0; s < p.SlotCount; ++s) {
                begins += p.SlotParams[s] == QStringLiteral("29 0=");
                ends += p.SlotParams[s] == QStringLiteral("30 0=");
            }
            EXPECT_EQ(begins, 1);
            EXPECT_EQ(ends, 1);
            EXPECT_TRUE(p.Memo.startsWith(QStringLiteral(u"サンプルプログラム　（"))
                        || p.Memo == QStringLiteral(u"プログラム履歴　メモ\r\n"));
            if (lines.size() > 0)
                ++programs;
        }
    }
    EXPECT_EQ(programs, 13);
}

TEST(Samples, CaptionsEmptySlotsAndTheSampleWithoutScrollValues)
{
    const SampleSet &set3 = BuiltInSampleSet(3);
    EXPECT_EQ(set3.captions[0], QStringLiteral(u"暗くなるとブザー"));
    EXPECT_EQ(set3.captions[1], QStringLiteral(u"光に反応して動く"));
    EXPECT_EQ(set3.captions[2], QStringLiteral(u"プログラム３"));
    EXPECT_EQ(set3.captions[3], QStringLiteral(u"プログラム４"));
    EXPECT_EQ(set3.programs[2].IconList, "398,29 0=,416,30 0=,END");
    EXPECT_EQ(LoadSlotText(set3.programs[3]), LoadSlotText(ProgramTemplate()));
    EXPECT_EQ(BuiltInSampleSet(2).captions[1], QStringLiteral(u"タッチセンサを2つ使う(1)"));
    EXPECT_EQ(BuiltInSampleSet(5).captions[2], QStringLiteral(u"発光ボールを追いかける"));

    const ProgramText &uTurn = BuiltInSampleSet(1).programs[2];
    EXPECT_TRUE(uTurn.MemoList.endsWith(QStringLiteral(",END")));
    const WorkingProgram p = LoadSlotText(uTurn);
    EXPECT_EQ(p.HScroll, 0);
    EXPECT_EQ(p.VScroll, 0);
    EXPECT_EQ(p.Memo,
              QStringLiteral(u"サンプルプログラム　（１）－３　「Ｕターンする」\r\n"
                             u"前進した後、反転して（方向を変えて）戻ってくるプログラム。"));

    // A memo ending in an empty line keeps it.
    EXPECT_TRUE(LoadSlotText(BuiltInSampleSet(1).programs[1]).Memo.endsWith(u"\r\n"));

    EXPECT_THROW(BuiltInSampleSet(0), std::out_of_range);
    EXPECT_THROW(BuiltInSampleSet(6), std::out_of_range);
}
