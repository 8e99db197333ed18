#include "session/propertyform.h"

#include <gtest/gtest.h>

using namespace zuvo;
using namespace Qt::StringLiterals;

namespace {

const QString White = u" &H00FFFFFF"_s;

// A panel as the editor opens it.
struct Panel
{
    PropertyFormView view;
    PropertyForm form {view};
    Panel()
    {
        form.InitEditorControls();
        form.HideIconParameters();
    }
    // Opens the form, lets the test edit it, and presses 設定.
    template<typename Edit> QString apply(const QString &params, Edit edit)
    {
        const int code = params.left(2).toInt();
        form.ShowIconParameters(code, params);
        edit(form);
        return form.ApplyIconParameters(code, params);
    }
    QString typeNumber(const QString &params, const QString &typed)
    {
        return apply(params, [&](PropertyForm &f) { f.SetNumberText(typed); });
    }
};

bool placedAt(const FormControlView &c, int left, int top, int width, int height)
{
    return c.visible && c.left == left && c.top == top && c.width == width && c.height == height;
}

} // namespace

TEST(PropertyForm, EditorStartFillsListsAndShowsNavigator)
{
    Panel p;
    EXPECT_EQ(p.view.listItems[0].join(u'|'), u"Ａ|Ｂ|Ｃ|Ｄ|Ｅ|Ｆ|Ｇ|Ｈ"_s);
    EXPECT_EQ(p.view.listItems[1].join(u'|'), u"数|Ａ|Ｂ|Ｃ|Ｄ|Ｅ|Ｆ|Ｇ|Ｈ"_s);
    EXPECT_EQ(p.view.listItems[2].join(u'|'), u"＋|－|×|÷"_s);
    EXPECT_EQ(p.view.listIndex, (std::array<int, 3> {0, 0, 0}));
    EXPECT_EQ(p.view.numberMaxLength, 4);
    EXPECT_EQ(p.view.checkedOption, 0);
    EXPECT_TRUE(p.view.numberBox.enabled);
    EXPECT_TRUE(p.view.mapVisible);
    EXPECT_FALSE(p.view.applyButton.visible);
    EXPECT_FALSE(p.view.title.visible);
    EXPECT_EQ(p.view.applyButton.caption, u"設定"_s);
    EXPECT_EQ(p.view.applyButton.left, 1050);
    EXPECT_EQ(p.view.applyButton.top, 1130);
    EXPECT_EQ(p.view.applyButton.width, 735);
    for (const FormControlView &c : p.view.options)
        EXPECT_FALSE(c.visible);
    for (const FormControlView &c : p.view.lists)
        EXPECT_FALSE(c.visible);
    for (const FormControlView &c : p.view.memos)
        EXPECT_FALSE(c.visible);
    EXPECT_FALSE(p.view.numberBox.visible);
}

TEST(PropertyForm, EachLayoutShowsItsHeadingAndOnlyItsControls)
{
    struct Layout
    {
        const char16_t *params;
        const char16_t *title;
        int options; // Option1(0 .. options - 1) shown
        bool numberBox;
        std::array<bool, 3> lists;
        std::array<bool, 3> memos; // メモ(0..2)
    };
    const Layout layouts[] = {
        {u"03 1=中 &H00FFFFFF", u"\u3000\u3000\u3000\u3000\u3000\u3000 移動情報", 3, false, {}, {}},
        {u"09 1=0.5 &H00FFFFFF",
         u"  ブレーキ情報（範囲 0.1-10）",
         0,
         true,
         {},
         {false, true, true}},
        {u"19 1=0.5 &H00FFFFFF",
         u"\u3000\u3000待ち情報（範囲 0.1-10）",
         0,
         true,
         {},
         {false, true, true}},
        {u"10 1=１ &H00FFFFFF", u"\u3000\u3000\u3000\u3000光センサ分岐情報", 2, false, {}, {}},
        {u"11 1=１ &H00FFFFFF", u"\u3000\u3000タッチセンサ分岐情報", 2, false, {}, {}},
        {u"12 2=Ａ 1 &H00FFFFFF",
         u"\u3000\u3000\u3000変数分岐（範囲0-255）",
         0,
         true,
         {true, true, false},
         {false, true, true}},
        {u"17 1=1 &H00FFFFFF",
         u"\u3000 繰り返し情報（範囲1-255）",
         0,
         true,
         {},
         {false, true, true}},
        {u"18 2=Ａ 0 &H00FFFFFF",
         u"\u3000\u3000\u3000変数設定（範囲0-255）",
         0,
         true,
         {true, true, false},
         {false, true, true}},
        {u"22 3=Ａ 1 ＋ &H00FFFFFF",
         u"\u3000\u3000計算設定（範囲0-255）",
         0,
         true,
         {true, true, true},
         {false, false, true}},
        {u"23 1=ON &H00FFFFFF",
         u"\u3000\u3000\u3000\u3000\u3000\u3000ＬＥＤ情報",
         2,
         false,
         {},
         {}},
        {u"24 1=1 &H00FFFFFF",
         u"\u3000\u3000\u3000\u3000\u3000ビープ音色情報",
         4,
         false,
         {},
         {false, true, true}},
    };
    Panel p;
    for (const Layout &layout : layouts) {
        const QString params = QString::fromUtf16(layout.params);
        SCOPED_TRACE(params.toStdString());
        p.form.ShowIconParameters(params.left(2).toInt(), params);
        EXPECT_EQ(p.view.title.caption, QString::fromUtf16(layout.title));
        EXPECT_TRUE(placedAt(p.view.title, 300, 500, 2295, 255));
        EXPECT_TRUE(p.view.applyButton.visible);
        EXPECT_FALSE(p.view.mapVisible);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(p.view.options[i].visible, i < layout.options) << i;
        EXPECT_EQ(p.view.numberBox.visible, layout.numberBox);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(p.view.lists[i].visible, layout.lists[i]) << i;
            EXPECT_EQ(p.view.memos[i].visible, layout.memos[i]) << i;
        }
    }
    // A few places and captions the table does not make obvious.
    EXPECT_TRUE(placedAt(p.view.memos[1], 550, 980, 400, 255));
    EXPECT_EQ(p.view.memos[2].caption, u"高音"_s);
    EXPECT_TRUE(placedAt(p.view.options[3], 2000, 750, 500, 225));
    p.form.ShowIconParameters(22, u"22 3=Ａ 1 ＋ &H00FFFFFF"_s);
    EXPECT_TRUE(placedAt(p.view.numberBox, 1450, 750, 400, 270));
    EXPECT_TRUE(placedAt(p.view.lists[1], 2040, 750, 560, 300));
    p.form.ShowIconParameters(18, u"18 2=Ａ 0 &H00FFFFFF"_s);
    EXPECT_EQ(p.view.memos[1].caption, u" ="_s);
    EXPECT_TRUE(placedAt(p.view.memos[2], 1730, 800, 150, 255));

    p.form.HideIconParameters();
    EXPECT_TRUE(p.view.mapVisible);
    EXPECT_FALSE(p.view.applyButton.visible);
    EXPECT_FALSE(p.view.title.visible);
    EXPECT_FALSE(p.view.memos[1].visible);
}

TEST(PropertyForm, TimesAndCountsAreCorrectedIntoTheirRanges)
{
    Panel p;
    const QString brake = u"09 1=0.5"_s + White;
    EXPECT_EQ(p.typeNumber(brake, u"0"_s), u"09 1=0.1"_s + White);
    EXPECT_EQ(p.view.numberText, u"0.1"_s) << "the box shows the corrected value";
    EXPECT_EQ(p.typeNumber(brake, u"12"_s), u"09 1=10"_s + White);
    EXPECT_EQ(p.typeNumber(brake, QString()), u"09 1=0.1"_s + White);
    EXPECT_EQ(p.typeNumber(brake, u"５"_s), u"09 1=0.1"_s + White);
    EXPECT_EQ(p.typeNumber(brake, u"0.1"_s), u"09 1=0.1"_s + White);
    EXPECT_EQ(p.typeNumber(brake, u"10"_s), u"09 1=10"_s + White);
    EXPECT_EQ(p.typeNumber(brake, u"05"_s), u"09 1=05"_s + White) << "kept as typed";
    EXPECT_EQ(p.typeNumber(u"19 1=0.5"_s + White, u"0.09"_s), u"19 1=0.1"_s + White);

    const QString repeat = u"17 1=1"_s + White;
    EXPECT_EQ(p.typeNumber(repeat, u"0"_s), u"17 1=1"_s + White);
    EXPECT_EQ(p.typeNumber(repeat, u"999"_s), u"17 1=255"_s + White);
    EXPECT_EQ(p.typeNumber(repeat, u"５"_s), u"17 1=1"_s + White);
    EXPECT_EQ(p.typeNumber(repeat, u"255"_s), u"17 1=255"_s + White);
    EXPECT_EQ(p.typeNumber(repeat, u"007"_s), u"17 1=007"_s + White);
}

TEST(PropertyForm, StoredNumbersNeverCarryBlanksCommasOrTrailingText)
{
    Panel p;
    const QString brake = u"09 1=0.5"_s + White;
    EXPECT_EQ(p.typeNumber(brake, u"5ab"_s), u"09 1=5"_s + White);
    EXPECT_EQ(p.view.numberText, u"5"_s);
    EXPECT_EQ(p.typeNumber(brake, u"1 2"_s), u"09 1=1"_s + White);
    EXPECT_EQ(p.typeNumber(brake, u"3,5"_s), u"09 1=3"_s + White);
    EXPECT_EQ(p.typeNumber(brake, u" 2.5"_s), u"09 1=2.5"_s + White);
    EXPECT_EQ(p.typeNumber(brake, u"2."_s), u"09 1=2."_s + White);
    EXPECT_EQ(p.typeNumber(u"17 1=1"_s + White, u"9, "_s), u"17 1=9"_s + White);
    EXPECT_EQ(p.typeNumber(u"17 1=1"_s + White, u"1e2"_s), u"17 1=1e2"_s + White);
    // Typing past the box's limit never leaves half a character in it, and the number before
    // such a character is still the value stored.
    const QString wide = u" 1J"_s + QString::fromUcs4(U"\U0004F3CF");
    EXPECT_EQ(p.typeNumber(brake, wide), u"09 1=1"_s + White);
}

TEST(PropertyForm, VariableNumbersAreWholeAndLimited)
{
    Panel p;
    const QString set = u"18 2=Ａ 0"_s + White;
    EXPECT_EQ(p.typeNumber(set, u"300"_s), u"18 2=Ａ 255"_s + White);
    EXPECT_EQ(p.view.numberText, u"300"_s) << "the box keeps what was typed";
    EXPECT_EQ(p.typeNumber(set, u"-5"_s), u"18 2=Ａ 0"_s + White);
    EXPECT_EQ(p.typeNumber(set, u"2.7"_s), u"18 2=Ａ 2"_s + White);
    EXPECT_EQ(p.view.numberText, u"2.7"_s);
    EXPECT_EQ(p.typeNumber(set, u"５"_s), u"18 2=Ａ 0"_s + White);
    EXPECT_EQ(p.typeNumber(set, u"-0.5"_s), u"18 2=Ａ 0"_s + White);
    EXPECT_EQ(p.typeNumber(set, u"12ab"_s), u"18 2=Ａ 12"_s + White);
    EXPECT_EQ(p.apply(set,
                      [](PropertyForm &f) {
                          f.SelectListItem(0, 7);
                          f.SetNumberText(u"42"_s);
                      }),
              u"18 2=Ｈ 42"_s + White);
}

TEST(PropertyForm, CalculateVariableReplacesOnlyTheOperand)
{
    Panel p;
    const QString params = u"22 3=Ａ 1 ＋ &H00FFFFFF"_s;
    p.form.ShowIconParameters(22, params);
    EXPECT_EQ(p.view.listIndex, (std::array<int, 3> {0, 0, 0}));
    EXPECT_EQ(p.view.numberText, u"1"_s);
    EXPECT_TRUE(p.view.numberBox.enabled);
    p.form.SelectListItem(1, 2);
    EXPECT_FALSE(p.view.numberBox.enabled);
    EXPECT_EQ(p.form.ApplyIconParameters(22, params), u"22 3=Ａ Ｂ ＋ &H00FFFFFF"_s);

    const QString coloured = u"22 3=Ｃ Ｄ ÷ &H000000FF"_s;
    p.form.ShowIconParameters(22, coloured);
    EXPECT_EQ(p.view.listIndex, (std::array<int, 3> {2, 4, 3}));
    EXPECT_TRUE(p.view.numberText.isEmpty());
    p.form.SelectListItem(1, 0);
    p.form.SetNumberText(u"77"_s);
    p.form.SelectListItem(2, 2);
    EXPECT_EQ(p.form.ApplyIconParameters(22, coloured), u"22 3=Ｃ 77 × &H000000FF"_s);
}

TEST(PropertyForm, OptionFormsReadAndWriteTheirStoredTexts)
{
    Panel p;
    EXPECT_EQ(p.apply(u"24 1=3"_s + White,
                      [&](PropertyForm &f) {
                          EXPECT_EQ(p.view.checkedOption, 2);
                          f.CheckOption(3);
                      }),
              u"24 1=4"_s + White);
    EXPECT_EQ(
        p.apply(u"23 1=OFF"_s + White, [&](PropertyForm &) { EXPECT_EQ(p.view.checkedOption, 1); }),
        u"23 1=OFF"_s + White);
    EXPECT_EQ(p.apply(u"23 1=OFF"_s + White, [](PropertyForm &f) { f.CheckOption(0); }),
              u"23 1=ON"_s + White);
    EXPECT_EQ(
        p.apply(u"10 1=２"_s + White, [&](PropertyForm &) { EXPECT_EQ(p.view.checkedOption, 1); }),
        u"10 1=２"_s + White);
    EXPECT_EQ(p.apply(u"11 1=２"_s + White, [](PropertyForm &f) { f.CheckOption(0); }),
              u"11 1=１"_s + White);
    EXPECT_EQ(p.apply(u"00 1=中"_s + White,
                      [&](PropertyForm &f) {
                          EXPECT_EQ(p.view.checkedOption, 1);
                          f.CheckOption(0);
                      }),
              u"00 1=高"_s + White);
    EXPECT_EQ(p.apply(u"07 1=高"_s + White, [](PropertyForm &f) { f.CheckOption(2); }),
              u"07 1=低"_s + White);
}

TEST(PropertyForm, VariableOperandOpensWithTheBoxEmptyAndDisabled)
{
    Panel p;
    p.form.ShowIconParameters(12, u"12 2=Ｂ Ｃ"_s + White);
    EXPECT_EQ(p.view.listIndex[0], 1);
    EXPECT_EQ(p.view.listIndex[1], 3);
    EXPECT_TRUE(p.view.numberText.isEmpty());
    EXPECT_FALSE(p.view.numberBox.enabled);
    p.form.SelectListItem(1, 0);
    EXPECT_TRUE(p.view.numberBox.enabled);
    p.form.SelectListItem(0, 5); // another list also runs the operand rule
    EXPECT_TRUE(p.view.numberBox.enabled);
    // A number operand comes back with the box enabled.
    p.form.ShowIconParameters(12, u"12 2=Ａ 200"_s + White);
    EXPECT_EQ(p.view.numberText, u"200"_s);
    EXPECT_EQ(p.view.listIndex[1], 0);
    EXPECT_TRUE(p.view.numberBox.enabled);
}

TEST(PropertyForm, ControlStateCarriesOverWhereALayoutSetsNone)
{
    Panel p;
    p.form.ShowIconParameters(23, u"23 1=OFF"_s + White);
    p.form.ShowIconParameters(19, u"19 1=0.5"_s + White);
    EXPECT_EQ(p.view.checkedOption, 1);
    EXPECT_EQ(p.view.numberMaxLength, 3);
    p.form.ShowIconParameters(9, u"09 1=0.5"_s + White);
    EXPECT_EQ(p.view.numberMaxLength, 3) << "Brake keeps the limit the box last had";
    p.form.SetNumberText(u"1234"_s);
    EXPECT_EQ(p.view.numberText, u"123"_s);
    p.form.ShowIconParameters(22, u"22 3=Ａ 1 ÷"_s + White);
    p.form.ShowIconParameters(18, u"18 2=Ｂ 4"_s + White);
    EXPECT_EQ(p.view.listIndex[2], 3) << "Set Variable does not touch the operator list";
}

TEST(PropertyForm, HandEditedValuesOpenWithoutFailing)
{
    Panel p;
    // A speed, tone or operator that no layout offers: nothing marked, first item.
    p.form.CheckOption(1);
    p.form.ShowIconParameters(0, u"00 1=速"_s + White);
    EXPECT_EQ(p.view.checkedOption, -1);
    EXPECT_EQ(p.form.ApplyIconParameters(0, u"00 1=速"_s + White), u"00 1=速"_s + White);
    p.form.ShowIconParameters(24, u"24 1=9"_s + White);
    EXPECT_EQ(p.view.checkedOption, -1);
    EXPECT_EQ(p.form.ApplyIconParameters(24, u"24 1=9"_s + White), u"24 1=9"_s + White);
    p.form.ShowIconParameters(22, u"22 3=Ｚ Ｙ ％"_s + White);
    EXPECT_EQ(p.view.listIndex, (std::array<int, 3> {0, 0, 0}));
    EXPECT_EQ(p.view.numberText, u"Ｙ"_s);
    EXPECT_EQ(p.form.ApplyIconParameters(22, u"22 3=Ｚ Ｙ ％"_s + White),
              u"22 3=Ａ 0 ＋"_s + White);
    // Too few tokens, no colour token, no blank at all.
    for (const QString &broken : {u"18 2="_s, u"18 2=Ｂ"_s, u"18"_s, QString(), u"09 1="_s}) {
        const int code = broken.isEmpty() ? 18 : broken.left(2).toInt();
        p.form.ShowIconParameters(code, broken);
        EXPECT_TRUE(p.view.applyButton.visible) << broken.toStdString();
        const QString written = p.form.ApplyIconParameters(code, broken);
        EXPECT_FALSE(written.contains(u','));
    }
    // 設定 mends what the check refuses: the icon's own prefix, white for a missing colour.
    EXPECT_EQ(p.form.ApplyIconParameters(18, u"18"_s), u"18 2=Ａ 0"_s + White);
    p.form.ShowIconParameters(18, u"18 2=Ｂ"_s);
    EXPECT_EQ(p.view.listIndex[0], 1);
    EXPECT_TRUE(p.view.numberText.isEmpty());
    EXPECT_TRUE(p.view.numberBox.enabled);
    EXPECT_EQ(p.form.ApplyIconParameters(18, u"18 2=Ｂ"_s), u"18 2=Ｂ 0"_s + White);
}

TEST(PropertyForm, InputOutsideTheControlsIsIgnored)
{
    Panel p;
    p.form.CheckOption(2);
    p.form.CheckOption(4);
    p.form.CheckOption(-1);
    EXPECT_EQ(p.view.checkedOption, 2);
    p.form.SelectListItem(2, 1);
    p.form.SelectListItem(2, 4);
    p.form.SelectListItem(3, 0);
    p.form.SelectListItem(1, -1);
    EXPECT_EQ(p.view.listIndex, (std::array<int, 3> {0, 0, 1}));
}
