#include "common/aboutboxes.h"
#include "common/windowplacement.h"
#include "widgetapp.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include <gtest/gtest.h>

using namespace zuvo;

TEST(AboutBoxes, VersionBoxNamesProductVersionAndEdition)
{
    zuvo::test::widgetApp();
    QMessageBox *box = CreateVersionBox(nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("バージョン情報"));
    const QString text = box->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Zuvomatic")));
    EXPECT_TRUE(text.contains(QStringLiteral(ZUVOMATIC_VERSION))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("日本語版")));
    EXPECT_EQ(box->buttons().size(), 1);
    delete box;
}

TEST(AboutBoxes, AboutBoxListsTheMakerLineByLine)
{
    zuvo::test::widgetApp();
    QMessageBox *box = CreateAboutBox(nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Ｚｕｖｏｍａｔｉｃについて"));
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    ASSERT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->standardButton(box->buttons().first()), QMessageBox::Ok);

    // Name, then CR CR; address, postal code, e-mail each ended by CR, the e-mail by CR CR;
    // the support line ended by CR.
    const QStringList lines = box->text().split(QLatin1Char('\r'));
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0], QStringLiteral("合同会社　vezudavi"));
    EXPECT_TRUE(lines[1].isEmpty());
    EXPECT_FALSE(lines[2].isEmpty());
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("〒")));
    EXPECT_TRUE(lines[4].endsWith(QStringLiteral("@example.com")));
    EXPECT_TRUE(lines[5].isEmpty());
    EXPECT_TRUE(lines[6].contains(QStringLiteral("example.com")));
    EXPECT_TRUE(lines[7].isEmpty());
    EXPECT_FALSE(box->text().contains(QLatin1Char('\n')));
    delete box;
}

TEST(AboutBoxes, ShowingRunsModallyUntilOk)
{
    zuvo::test::widgetApp();
    QString seenTitle;
    // Answers the box once it is up; ShowAboutBox returns only after OK.
    std::function<void()> answer = [&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (box && box->isVisible()) {
                seenTitle = box->windowTitle();
                box->button(QMessageBox::Ok)->click();
                return;
            }
        }
        QTimer::singleShot(10, answer);
    };
    QTimer::singleShot(0, answer);
    ShowAboutBox(nullptr);
    EXPECT_EQ(seenTitle, QStringLiteral("Ｚｕｖｏｍａｔｉｃについて"));
}

TEST(WindowPlacement, CentringUsesWholeHalves)
{
    EXPECT_EQ(CentredTopLeft(QSize(1024, 768), QSize(800, 626)), QPoint(112, 71));
    EXPECT_EQ(CentredTopLeft(QSize(1025, 769), QSize(215, 101)), QPoint(512 - 107, 384 - 50));
    // A window larger than the screen starts above and left of it, as the rule says.
    EXPECT_EQ(CentredTopLeft(QSize(640, 480), QSize(800, 600)), QPoint(-80, -60));
    EXPECT_EQ(RectFromTwips(6120, 3000, 4455, 3735), QRect(408, 200, 297, 249));
}

TEST(WindowPlacement, WindowsStayInsideTheAvailableArea)
{
    // 1920 x 1080 at 200 %: 960 x 540, less a panel of 27 at the top.
    const QRect twice(0, 27, 960, 513);
    // Too tall: the top edge, with the title and menu bar, stays on screen; still centred across.
    EXPECT_EQ(PlacedInside(twice, QSize(800, 626)), QPoint(80, 27));
    EXPECT_EQ(PlacedInside(twice, QSize(1000, 626)), QPoint(0, 27));
    // Small enough: centred in the area, not in the whole screen.
    EXPECT_EQ(PlacedInside(QRect(0, 0, 1024, 740), QSize(800, 626)), QPoint(112, 57));
    EXPECT_EQ(PlacedInside(QRect(100, 50, 1024, 768), QSize(215, 101)),
              QPoint(100 + 405, 50 + 334));

    // The editor: at most as large as the area leaves room for beside its frame.
    const QSize decoration(8, 31);
    const QRect fitted = FittedInside(twice, QSize(792, 590), decoration);
    EXPECT_EQ(fitted.size(), QSize(792, 513 - 31));
    EXPECT_EQ(fitted.topLeft(), QPoint(80, 27));
    EXPECT_TRUE(twice.contains(QRect(fitted.topLeft(), fitted.size() + decoration)));
    EXPECT_EQ(FittedInside(QRect(0, 0, 1920, 1050), QSize(792, 590), decoration),
              QRect(QPoint(560, 215), QSize(792, 590)));
}
