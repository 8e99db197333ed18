#include "help/helptopics.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

using namespace zuvo;

namespace {

const QString CRLF = QStringLiteral("\r\n");

// Width in a fixed-pitch Japanese font: half-width characters one column, all others two.
int columns(const QString &line)
{
    int width = 0;
    for (QChar ch : line) {
        const ushort u = ch.unicode();
        const bool half = (u >= 0x20 && u <= 0x7E) || (u >= 0xFF61 && u <= 0xFF9F);
        width += half ? 1 : 2;
    }
    return width;
}

QString titleOf(QString listText)
{
    while (listText.startsWith(QLatin1Char(' ')) || listText.startsWith(QChar(0x3000)))
        listText.remove(0, 1);
    if (listText.startsWith(QStringLiteral("■")))
        listText.remove(0, 1);
    return listText;
}

const QSet<int> EmptyEntries = {2, 3, 9, 18, 24, 25, 28, 37, 40, 51, 54, 57, 75, 76, 85, 96, 99};

} // namespace

TEST(HelpTopics, ListTextsInOrderWithTheirIndents)
{
    const QString a = QStringLiteral("  ");
    const QString b = QStringLiteral("　");
    const QString c = QStringLiteral("  　");
    const QString d = QStringLiteral("　　");
    const QList<QPair<int, QString>> expected = {
        {0, QStringLiteral("■はじめに")},
        {1, QStringLiteral("■Zuvomaticについて")},
        {2, b + QString(43, QLatin1Char('-'))},
        {5, b + QStringLiteral("プログラムを作る：GO!")},
        {6, b + QStringLiteral("サンプルプログラムから始める：TRY")},
        {9, QStringLiteral("■プログラム編集画面")},
        {10, a + QStringLiteral("プログラムエリア")},
        {13, a + QStringLiteral("プロパティエリア")},
        {17, a + QStringLiteral("メモ帳エリア")},
        {22, a + QStringLiteral("アイコンの選択 (ブロック選択)")},
        {23, b + QStringLiteral("選択状態(点滅・点灯状態)の解除")},
        {26, c + QStringLiteral("BEGIN")},
        {27, c + QStringLiteral("End")},
        {33, d + QStringLiteral("Turn Left Back")},
        {36, c + QStringLiteral("Spin Right")},
        {41, d + QStringLiteral("Nop(No Operation)")},
        {50, d + QStringLiteral("Yes/No")},
        {53, c + QStringLiteral("Caluculate Variable")},
        {56, d + QStringLiteral("Set Beep")},
        {57, QStringLiteral("■メニュー説明")},
        {61, c + QStringLiteral("差込読出し")},
        {65, b + QStringLiteral("編集")},
        {74, c + QStringLiteral("音量プロパティ表示")},
        {78, b + QStringLiteral("プログラムの開始・終了")},
        {84, a + QStringLiteral("アイコン間の接続 (プログラムの連結)")},
        {91, a + QStringLiteral("エラーの種類")},
        {99, QStringLiteral("■トラブルシューティング: Q & A")},
        {100, QStringLiteral("Q1: 送信が上手くいかない｡")},
        {103, QStringLiteral("Q4: プロパティに数字を設定できない｡その2")},
        {104, QStringLiteral("■ちょっと便利な操作")},
        {106, a + QStringLiteral("すばやくいどうする")},
    };
    for (const auto &[entry, text] : expected)
        EXPECT_EQ(HelpListText(entry), text) << "entry " << entry;

    // Every entry is a heading, a Q & A line, or carries exactly one of the four indents.
    for (int entry = 0; entry < HelpTopicCount; ++entry) {
        const QString text = HelpListText(entry);
        ASSERT_FALSE(text.isEmpty()) << entry;
        const bool heading = text.startsWith(QStringLiteral("■"));
        const bool question = text.startsWith(QLatin1Char('Q'));
        const bool indented = text.startsWith(a) || text.startsWith(b);
        EXPECT_TRUE(heading || question || indented) << "entry " << entry;
    }
}

TEST(HelpTopics, TheTopicFileHoldsEveryListTextAndEveryText)
{
    ASSERT_EQ(HelpTopics().size(), HelpTopicCount);
    int listTexts = 0;
    int texts = 0;
    for (int entry = 0; entry < ManualTopicCount; ++entry) {
        listTexts += !HelpListText(entry).isEmpty();
        texts += !HelpTopicText(entry).isEmpty();
    }
    EXPECT_EQ(listTexts, 107);
    EXPECT_EQ(texts, 90);
    EXPECT_TRUE(HelpListText(HelpTopicCount).isEmpty());
    EXPECT_TRUE(HelpTopicText(-1).isEmpty());
}

TEST(HelpTopicFile, EntriesTheirTextsAndTheCommentAbove)
{
    const QByteArray file = "# a comment\r\n"
                            "not an entry either\n"
                            "\n"
                            "== \xe2\x96\xa0Heading\n"
                            "\n"
                            "==   Indented\r\n"
                            "First line\r\n"
                            "\r\n"
                            "# still text\n"
                            "==no space: text too\n"
                            "\n"
                            "\n"
                            "== \xe3\x80\x80Last";
    const QList<HelpTopicEntry> entries = ParseHelpTopics(file);
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0].ListText, QStringLiteral("■Heading"));
    EXPECT_TRUE(entries[0].TopicText.isEmpty());
    EXPECT_EQ(entries[1].ListText, QStringLiteral("  Indented"));
    EXPECT_EQ(entries[1].TopicText,
              QStringLiteral("First line\r\n\r\n# still text\r\n==no space: text too"));
    EXPECT_EQ(entries[2].ListText, QStringLiteral("　Last"));
    EXPECT_TRUE(entries[2].TopicText.isEmpty());
    EXPECT_TRUE(ParseHelpTopics("# only a comment\n").isEmpty());
}

TEST(HelpTopics, GivenTextsAreExact)
{
    EXPECT_EQ(HelpTopicText(13),
              QStringList({QStringLiteral("●プロパティエリア"), QString(),
                           QStringLiteral("　アイコンのプロパティを表示し、変数などの数値や"),
                           QStringLiteral("　条件などを設定するエリアです。アイコンに設定す"),
                           QStringLiteral("　る情報がない場合は、プログラムエリア上の現在地"),
                           QStringLiteral("　を赤い枠で表示します。")})
                  .join(CRLF));
    EXPECT_EQ(HelpTopicText(102),
              QStringList({QStringLiteral("Q3：プロパティに数字を設定できない。その１"),
                           QStringLiteral("A3：プロパティに設定する数値に全角文字は利用でき"),
                           QStringLiteral("　　ませんので、半角文字で入力してください。")})
                  .join(CRLF));
}

TEST(HelpTopics, ExactlyTheSeventeenEntriesHaveNoText)
{
    int withText = 0;
    for (int entry = 0; entry < ManualTopicCount; ++entry) {
        EXPECT_EQ(HelpTopicText(entry).isEmpty(), EmptyEntries.contains(entry))
            << "entry " << entry;
        withText += !HelpTopicText(entry).isEmpty();
    }
    EXPECT_EQ(withText, 90);
}

TEST(HelpTopics, EveryTextFitsTheBalloonAndFollowsItsPattern)
{
    for (int entry = 0; entry < HelpTopicCount; ++entry) {
        const QString text = HelpTopicText(entry);
        if (text.isEmpty())
            continue;
        // Lines end in CR LF only: no bare CR or LF that would break a line unexpectedly.
        EXPECT_EQ(text.count(QLatin1Char('\r')), text.count(CRLF)) << entry;
        EXPECT_EQ(text.count(QLatin1Char('\n')), text.count(CRLF)) << entry;
        EXPECT_FALSE(text.endsWith(CRLF)) << entry;

        const QStringList lines = text.split(CRLF);
        EXPECT_GE(lines.size(), 2) << entry;
        EXPECT_LE(lines.size(), 17) << entry;
        for (const QString &line : lines) {
            EXPECT_LE(columns(line), 49) << "entry " << entry << ": " << line.toStdString();
            EXPECT_FALSE(!line.isEmpty() && line.trimmed().isEmpty()) << "blank line " << entry;
        }

        if (entry >= 100 && entry <= 103) {
            const QString n = QString::number(entry - 99);
            EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Q") + n + QStringLiteral("：")))
                << entry;
            EXPECT_TRUE(lines[1].startsWith(QStringLiteral("A") + n + QStringLiteral("：")))
                << entry;
            for (int i = 2; i < lines.size(); ++i)
                EXPECT_TRUE(lines[i].startsWith(QStringLiteral("　　"))) << entry;
            continue;
        }
        EXPECT_EQ(lines[0], QStringLiteral("●") + titleOf(HelpListText(entry))) << entry;
        EXPECT_TRUE(lines[1].isEmpty()) << entry;
        for (int i = 2; i < lines.size(); ++i)
            EXPECT_TRUE(lines[i].startsWith(QChar(0x3000)))
                << "entry " << entry << ": " << lines[i].toStdString();
    }
}

TEST(HelpTopics, TheKeySheetFollowsTheManualAndNamesEveryKey)
{
    ASSERT_EQ(HelpTopicCount, ManualTopicCount + 2);
    EXPECT_EQ(HelpListText(KeySheetTopic), QStringLiteral("  キーボードで操作する"));
    // Then where the copies of unsaved programs are and what the restore question means.
    for (const char *words : {"元に戻しますか？", "はい", "いいえ", "~/.local/state/zuvomatic"})
        EXPECT_TRUE(HelpTopicText(RecoveryTopic).contains(QString::fromUtf8(words))) << words;
    const QString text = HelpTopicText(KeySheetTopic);
    for (const char *key : {"F7", "矢印", "Enter", "Shift+Enter", "Space", "Esc", "Tab",
                            "ツール→キーボードで操作", "Alt+T"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(key))) << key;
}

TEST(HelpTopics, TextsNameWhatTheProgramReallyShows)
{
    // The error topics quote the check's own messages, so a user can find them.
    const QString errors = HelpTopicText(90) + HelpTopicText(91);
    for (const char *message :
         {"点滅アイコンは接続不良です", "分岐にYes,No無し、",
          "分岐合流のつじつまが合いません<501>。", "分岐後、合流に収束していません <502>。",
          "深すぎ 9個以上です。", "否ループ数", "否リピート数", "非対応繰返し数",
          "プログラムが大き過ぎます。送信不可。"})
        EXPECT_TRUE(errors.contains(QString::fromUtf8(message))) << message;
    EXPECT_TRUE(HelpTopicText(4).contains(QStringLiteral("既に起動されています")));
    EXPECT_TRUE(HelpTopicText(74).contains(QStringLiteral("ボリュームは最大になっていますか。")));
    EXPECT_TRUE(
        HelpTopicText(89).contains(QStringLiteral("正常です。プログラムを送信して下さい。")));
    EXPECT_TRUE(HelpTopicText(73).contains(QStringLiteral("プログラムの送信は終わりました。")));
    EXPECT_TRUE(
        HelpTopicText(64).contains(QStringLiteral("プログラム1は未更新です。よろしいですか？")));
}

namespace {

// The word drawn on an edit button's picture: the text of its SVG.
QString buttonWord(const char *picture)
{
    QFile file(QStringLiteral(":/buttons/") + QString::fromUtf8(picture));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QString svg = QString::fromUtf8(file.readAll());
    static const QRegularExpression text(QStringLiteral("<text[^>]*>([^<]+)</text>"));
    return text.match(svg).captured(1);
}

} // namespace

TEST(HelpTopics, TheEditButtonsAreNamedAsTheirPicturesRead)
{
    const QString buttons = HelpTopicText(15); // 編集ボタンエリア
    for (const char *picture :
         {"copy.svg", "move.svg", "undo.svg", "clear.svg", "delete.svg", "check0.svg"}) {
        const QString word = buttonWord(picture);
        ASSERT_FALSE(word.isEmpty()) << picture;
        EXPECT_TRUE(buttons.contains(QStringLiteral("　") + word + QStringLiteral("：")))
            << picture;
    }
    // No topic names a button by a word that no picture shows.
    for (int entry = 0; entry < HelpTopicCount; ++entry) {
        const QString text = HelpTopicText(entry);
        for (const char16_t *old :
             {u"「文法」", u"「複写」", u"「移動」", u"「戻す」", u"「削除」"})
            EXPECT_FALSE(text.contains(QString::fromUtf16(old)))
                << entry << " " << QString::fromUtf16(old).toStdString();
    }
    EXPECT_TRUE(HelpTopicText(72).contains(QStringLiteral("編集ボタンの「チェック」")));
    // The Japanese question boxes and file dialogs have the buttons the help names.
    EXPECT_TRUE(HelpTopicText(60).contains(QStringLiteral("「はい」")));
    EXPECT_TRUE(HelpTopicText(77).contains(QStringLiteral("「開く」を押します")));
}
