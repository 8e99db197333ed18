#include "common/picturebox.h"
#include "common/windowplacement.h"
#include "help/helpbrowser.h"
#include "help/helptopics.h"
#include "widgetapp.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStyleOptionViewItem>
#include <QTest>

#include <gtest/gtest.h>

using namespace zuvo;

namespace {

// What the balloon shows, in the text box's own line breaks.
QString asShown(int entry)
{
    return HelpTopicText(entry).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void clickPicture(QWidget *window, const char *name)
{
    auto *picture = window->findChild<PictureBox *>(QString::fromUtf8(name));
    ASSERT_NE(picture, nullptr) << name;
    QTest::mouseClick(picture, Qt::LeftButton, {}, picture->rect().center());
}

} // namespace

TEST(HelpBrowser, FirstShowingLoadsTheListAndShowsTheFirstTopic)
{
    zuvo::test::widgetApp();
    HelpBrowser help;
    EXPECT_EQ(help.objectName(), QStringLiteral("Form2"));
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Ｚｕｖｏｍａｔｉｃ　説明"));
    EXPECT_EQ(help.centralWidget()->size(), QSize(792, 568));
    EXPECT_FALSE(help.isLoaded());

    help.show();
    auto *list = help.findChild<QListWidget *>(QStringLiteral("List1"));
    auto *text = help.findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    ASSERT_NE(list, nullptr);
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(help.isLoaded());
    ASSERT_EQ(list->count(), HelpTopicCount);
    for (int entry = 0; entry < HelpTopicCount; ++entry)
        EXPECT_EQ(list->item(entry)->text(), HelpListText(entry));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_TRUE(text->isVisible());
    EXPECT_FALSE(text->toPlainText().isEmpty());
    EXPECT_EQ(help.shownText(), asShown(0));
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_TRUE(list->font().fixedPitch());

    // The layout in twips: List1 at 1335, 3105, 3930 x 3480 (wider than the design's 3750 from
    // 1440, so that every entry shows in full), Text1 at 6120, 3000.
    EXPECT_EQ(list->geometry(), QRect(89, 207, 262, 232));
    EXPECT_EQ(text->geometry(), QRect(408, 200, 297, 249));
}

TEST(HelpBrowser, EveryEntryShowsInFullAndTheSeparatorEndsInsideTheList)
{
    zuvo::test::widgetApp();
    HelpBrowser help;
    help.show();
    auto *list = help.findChild<QListWidget *>(QStringLiteral("List1"));
    ASSERT_NE(list, nullptr);
    QCoreApplication::processEvents();
    // Nothing scrolls sideways: the separator ends at the list's edge.
    EXPECT_EQ(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(list->textElideMode(), Qt::ElideNone);
    const int room = list->viewport()->width();
    QStyleOptionViewItem option;
    option.initFrom(list->viewport());
    option.font = list->font();
    option.fontMetrics = QFontMetrics(list->font());
    for (int entry = 0; entry < HelpTopicCount; ++entry) {
        if (entry == 2)
            continue; // the separator line
        const QModelIndex index = list->model()->index(entry, 0);
        EXPECT_LE(list->itemDelegate()->sizeHint(option, index).width(), room)
            << entry << ": " << HelpListText(entry).toStdString();
    }
    // "Q3：…その１" and "Q4：…その２" differ in what shows.
    EXPECT_LE(list->itemDelegate()->sizeHint(option, list->model()->index(102, 0)).width(), room);
}

TEST(HelpBrowser, OnAScreenTooSmallTheWindowScrollsInsteadOfRunningPastIt)
{
    zuvo::test::widgetApp();
    // 1920 x 1080 at 200 %: 960 x 540.
    HelpBrowser help;
    FitFixedClientInside(&help, QRect(0, 0, 960, 540));
    auto *scroll = qobject_cast<QScrollArea *>(help.centralWidget());
    ASSERT_NE(scroll, nullptr);
    EXPECT_EQ(scroll->widget()->size(), QSize(792, 568));
    EXPECT_EQ(help.height(), 540);
    EXPECT_LE(help.width(), 960);
    EXPECT_GT(help.width(), 792); // room for the vertical scroll bar
    EXPECT_NE(help.findChild<QListWidget *>(QStringLiteral("List1")), nullptr);

    // A window that fits keeps its plain client.
    HelpBrowser roomy;
    FitFixedClientInside(&roomy, QRect(0, 0, 1920, 1080));
    EXPECT_EQ(qobject_cast<QScrollArea *>(roomy.centralWidget()), nullptr);
    EXPECT_EQ(roomy.centralWidget()->size(), QSize(792, 568));
}

TEST(HelpBrowser, SelectingAnEntryReplacesTheText)
{
    zuvo::test::widgetApp();
    HelpBrowser help;
    help.show();
    auto *list = help.findChild<QListWidget *>(QStringLiteral("List1"));

    list->setCurrentRow(13);
    EXPECT_EQ(help.shownText(), asShown(13));
    // A heading, the separator and entry 76 empty the balloon rather than keep the old text.
    for (int entry : {3, 2, 76}) {
        list->setCurrentRow(13);
        list->setCurrentRow(entry);
        EXPECT_TRUE(help.shownText().isEmpty()) << entry;
    }
    list->setCurrentRow(102);
    list->setCurrentRow(0);
    EXPECT_EQ(help.shownText(), asShown(0));

    // The keyboard moves the selection as well.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(help.shownText(), asShown(1));
}

TEST(HelpBrowser, BackKeepsTheSelectionAndCloseStartsAfresh)
{
    zuvo::test::widgetApp();
    HelpBrowser help;
    QSignalSpy toStart(&help, &HelpBrowser::startScreenRequested);
    help.show();
    auto *list = help.findChild<QListWidget *>(QStringLiteral("List1"));
    list->setCurrentRow(47);

    clickPicture(&help, "Image3");
    EXPECT_EQ(toStart.count(), 1);
    EXPECT_FALSE(help.isVisible());
    help.show();
    EXPECT_EQ(list->currentRow(), 47);
    EXPECT_EQ(help.shownText(), asShown(47));
    EXPECT_EQ(list->count(), HelpTopicCount);

    EXPECT_TRUE(help.close());
    EXPECT_EQ(toStart.count(), 2);
    EXPECT_FALSE(help.isVisible());
    EXPECT_FALSE(help.isLoaded());
    help.show();
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(help.shownText(), asShown(0));
    EXPECT_EQ(list->count(), HelpTopicCount);
}

TEST(HelpBrowser, MenusOfferTheStartScreenChoices)
{
    zuvo::test::widgetApp();
    HelpBrowser help;
    QSignalSpy choices(&help, &HelpBrowser::choiceRequested);
    QSignalSpy toStart(&help, &HelpBrowser::startScreenRequested);
    help.show();

    QStringList captions;
    for (QAction *action : help.findChild<QMenu *>(QStringLiteral("ファイル"))->actions())
        captions << action->text();
    EXPECT_EQ(captions,
              QStringList({QStringLiteral("つくる"), QStringLiteral("サンプル"),
                           QStringLiteral("はじめる"), QStringLiteral("おわり")}));
    for (const char *name : {"編集", "表示", "ツール"}) {
        auto *menu = help.findChild<QMenu *>(QString::fromUtf8(name));
        ASSERT_NE(menu, nullptr) << name;
        EXPECT_FALSE(menu->isEnabled()) << name;
    }
    auto *helpMenu = help.findChild<QMenu *>(QStringLiteral("ヘルプ"));
    ASSERT_NE(helpMenu, nullptr);
    EXPECT_EQ(helpMenu->actions().at(0)->text(), QStringLiteral("バージョン情報(&V)"));
    EXPECT_EQ(helpMenu->actions().at(1)->text(), QStringLiteral("Zuvomaticについて"));

    help.findChild<QAction *>(QStringLiteral("つくる"))->trigger();
    help.findChild<QAction *>(QStringLiteral("サンプル"))->trigger();
    help.findChild<QAction *>(QStringLiteral("おわり"))->trigger();
    ASSERT_EQ(choices.count(), 3);
    EXPECT_EQ(choices.at(0).at(0).toInt(), 0);
    EXPECT_EQ(choices.at(1).at(0).toInt(), 1);
    EXPECT_EQ(choices.at(2).at(0).toInt(), 3);

    help.findChild<QAction *>(QStringLiteral("はじめる"))->trigger();
    EXPECT_EQ(toStart.count(), 1);
    EXPECT_FALSE(help.isVisible());
}
