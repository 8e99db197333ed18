#include "editor/editormenus.h"
#include "editor/iconpicturewidget.h"
#include "editor/memobox.h"
#include "editor/picturebutton.h"
#include "editor/propertypanel.h"
#include "editor/traypanel.h"
#include "model/iconcatalogue.h"
#include "widgettestsupport.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolButton>

namespace zuvo::test {
namespace {

TEST_F(EditorWindowTest, OpensAtTheDesignSizeWithEveryAreaInPlace)
{
    EXPECT_EQ(window->objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zuvomatic 編集"));
    EXPECT_EQ(client()->size(), QSize(792, 568));
    EXPECT_EQ(window->outerSize(), QSize(800, 626));

    EXPECT_EQ(placeIn(control("編集窓"), client()), QRect(8, 0, 761, 401));
    EXPECT_EQ(placeIn(control("Frame4"), client()), QRect(8, 400, 760, 17));
    EXPECT_EQ(placeIn(control("Frame3"), client()), QRect(768, 0, 17, 419));
    QWidget *frame5 = control("Frame5");
    EXPECT_EQ(placeIn(frame5, client()), QRect(0, 416, 785, 161));
    EXPECT_EQ(control("HScroll1")->width(), 688);
    EXPECT_EQ(control("VScroll1")->height(), 353);

    EXPECT_EQ(surface()->objectName(), QStringLiteral("編集エリア"));
    EXPECT_EQ(surface()->size(), QSize(2941, 1761));
    EXPECT_EQ(window->findChildren<IconPictureWidget *>(QStringLiteral("Drow")).size(), 100);
    // The hidden grid source pictures bmp(0..31) lie in the program area.
    auto *source = control<PictureButton>("bmp", 30);
    EXPECT_FALSE(source->isVisible());
    EXPECT_EQ(source->iconCode(), 30);
    EXPECT_TRUE(control("編集窓")->isAncestorOf(source));

    // The bottom panel, in its own coordinates.
    EXPECT_EQ(placeIn(control("プログラム", 0), frame5), QRect(8, 0, 193, 17));
    EXPECT_EQ(placeIn(control("プログラム", 3), frame5), QRect(584, 0, 201, 17));
    EXPECT_EQ(placeIn(control("パラメータ"), frame5), QRect(7, 20, 177, 84));
    EXPECT_EQ(placeIn(control("アイコン枠"), frame5), QRect(186, 20, 437, 84));
    // Forward is the first tray place, Nop the last of row 1, Set Beep the last of row 2.
    EXPECT_EQ(placeIn(control("bmp", 32), frame5), QRect(196, 30, 33, 33));
    EXPECT_EQ(placeIn(control("bmp", 32 + 25), frame5), QRect(580, 30, 33, 33));
    EXPECT_EQ(placeIn(control("bmp", 32 + 24), frame5), QRect(580, 63, 33, 33));
    EXPECT_EQ(placeIn(control("bmp", 32 + 15), frame5), QRect(292, 63, 33, 33));
    EXPECT_EQ(placeIn(control("複写"), frame5), QRect(625, 23, 52, 38));
    EXPECT_EQ(placeIn(control("移動"), frame5), QRect(679, 23, 52, 38));
    EXPECT_EQ(placeIn(control("戻す"), frame5), QRect(733, 23, 52, 38));
    EXPECT_EQ(placeIn(control("解除"), frame5), QRect(625, 63, 52, 38));
    EXPECT_EQ(placeIn(control("削除"), frame5), QRect(679, 63, 52, 38));
    EXPECT_EQ(placeIn(control("文法"), frame5), QRect(733, 63, 52, 38));
    EXPECT_EQ(placeIn(control("text2"), frame5), QRect(8, 108, 337, 41));
    EXPECT_EQ(placeIn(control("Text1"), frame5), QRect(352, 108, 433, 41));
    for (const char *hidden : {"戻す0", "戻す1", "文法0", "文法1", "文法2", "TXdata"})
        EXPECT_FALSE(control(QString::fromUtf8(hidden))->isVisible()) << hidden;
    EXPECT_FALSE(control("Text", 0)->isVisible());
    EXPECT_FALSE(control("デバッグ")->isVisible());

    // BEGIN and END of the new program, with the start-up texts.
    EXPECT_TRUE(surface()->picture(0)->isVisible());
    EXPECT_EQ(surface()->picture(0)->pos(), QPoint(60, 119));
    EXPECT_EQ(surface()->picture(0)->iconCode(), 29);
    EXPECT_EQ(surface()->picture(1)->pos(), QPoint(591, 119));
    EXPECT_FALSE(surface()->picture(2)->isVisible());
    // The memo box shows the session's memo, with LF where the program keeps CR LF.
    QString memo = session().view().memo;
    EXPECT_TRUE(memo.startsWith(QStringLiteral("プログラム履歴　メモ")));
    EXPECT_EQ(control<QPlainTextEdit>("Text1")->toPlainText(),
              memo.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_TRUE(control<QLabel>("text2")->text().startsWith(QStringLiteral("アイコンｸﾞﾘｯﾄﾞ")));
    EXPECT_EQ(control<QPushButton>("プログラム", 1)->text(), QStringLiteral("プログラム2"));
    EXPECT_EQ(control<QToolButton>("左上")->text(), QStringLiteral("┏"));
    EXPECT_EQ(control<QToolButton>("右下")->text(), QStringLiteral("┛"));
    EXPECT_EQ(control<QScrollBar>("HScroll1")->maximum(), 2189);
    EXPECT_EQ(control<QScrollBar>("HScroll1")->pageStep(), 219);
    EXPECT_EQ(control<PictureButton>("戻す")->picturePath(),
              QStringLiteral(":/buttons/undo_spent.svg"));
    EXPECT_EQ(control<PictureButton>("文法")->picturePath(),
              QStringLiteral(":/buttons/check0.svg"));
}

TEST_F(EditorWindowTest, MenusCarryTheirNamesCaptionsAndShortcuts)
{
    const QList<std::pair<const char *, const char *>> items {
        {"新規", "新規(&N)"},
        {"開く", "開く(&O)"},
        {"差込読出", "差込読出し(&I)"},
        {"上書き保存", "上書き保存(&V)"},
        {"別名で保存", "別名で保存(&E)"},
        {"初期画面に戻る", "初期画面に戻る(&R)"},
        {"Delete", "消す(&D)"},
        {"Copy", "コピー(&C)"},
        {"move", "いどう(&M)"},
        {"取り消し", "一つ前に戻る(&U)"},
        {"undo", "選択のクリア(&R)"},
        {"送信", "送る(&S)"},
        {"音", "音量プロパティ表示(&P)"},
        {"WAV保存", "信号をWAVファイルに保存(&W)..."},
        {"バージョン", "バージョン情報(&V)"},
        {"Zuvomatic", "Zuvomaticについて"},
    };
    EditorMenus *menus = window->menus();
    for (const auto &[name, caption] : items) {
        QAction *action = menus->item(QString::fromUtf8(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text(), QString::fromUtf8(caption)) << name;
    }
    QStringList menuCaptions;
    for (QAction *menu : window->menuBar()->actions())
        menuCaptions << menu->text();
    EXPECT_EQ(menuCaptions,
              (QStringList {QStringLiteral("ファイル(&F)"), QStringLiteral("編集(&E)"),
                            QStringLiteral("ツール(&T)"), QStringLiteral("ヘルプ")}));
    ASSERT_NE(menus->item(QStringLiteral("区切0")), nullptr);
    EXPECT_TRUE(menus->item(QStringLiteral("区切0"))->isSeparator());
    EXPECT_TRUE(menus->item(QStringLiteral("区切1"))->isSeparator());

    EXPECT_EQ(menus->item(QStringLiteral("新規"))->shortcut(), QKeySequence(QKeySequence::New));
    EXPECT_EQ(menus->item(QStringLiteral("開く"))->shortcut(), QKeySequence(QKeySequence::Open));
    EXPECT_EQ(menus->item(QStringLiteral("上書き保存"))->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(menus->item(QStringLiteral("別名で保存"))->shortcut(), QKeySequence("Ctrl+Shift+S"));
    EXPECT_EQ(menus->item(QStringLiteral("取り消し"))->shortcut(), QKeySequence("Ctrl+Z"));

    // Enablement follows the session: no undo and nothing to send at start.
    EXPECT_FALSE(menus->item(QStringLiteral("取り消し"))->isEnabled());
    EXPECT_FALSE(menus->item(QStringLiteral("送信"))->isEnabled());
    EXPECT_TRUE(menus->item(QStringLiteral("文法チェック"))->isEnabled());
    EXPECT_FALSE(menus->item(QStringLiteral("WAV保存"))->isEnabled());
}

TEST_F(EditorWindowTest, ResizingMovesTheAreasAndTheScrollRange)
{
    window->resizeClient(QSize(992, 742));
    QCoreApplication::processEvents();
    EXPECT_EQ(window->outerSize(), QSize(1000, 800));
    EXPECT_EQ(placeIn(control("編集窓"), client()), QRect(8, 0, 961, 575));
    EXPECT_EQ(placeIn(control("Frame5"), client()).topLeft(), QPoint(0, 590));
    EXPECT_EQ(placeIn(control("Frame3"), client()).left(), 968);
    EXPECT_EQ(session().view().scroll.areaWidth, 961);
    EXPECT_EQ(control<QScrollBar>("HScroll1")->maximum(), 2950 - 961);
    EXPECT_EQ(control<QScrollBar>("VScroll1")->maximum(), 1770 - 575);
}

TEST_F(EditorWindowTest, TheMemoBoxShowsOnlyWholeLines)
{
    auto *memo = control<MemoBox>("Text1");
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(placeIn(memo, control("Frame5")), QRect(352, 108, 433, 41));
    memo->setPlainText(QStringLiteral("一行目\n二行目\n三行目\n四行目"));
    QCoreApplication::processEvents();
    const int line = memo->fontMetrics().lineSpacing();
    EXPECT_GE(memo->visibleLines(), 2);
    EXPECT_EQ(memo->viewport()->height() % line, 0) << memo->viewport()->height();
    EXPECT_EQ(memo->viewport()->height(), memo->visibleLines() * line);
    // Scrolled to the end, the last line is shown whole as well.
    memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum());
    EXPECT_EQ(memo->viewport()->height() % line, 0);
}

TEST_F(EditorWindowTest, TrayPicturesAndEditButtonsSayWhatTheyAre)
{
    EXPECT_EQ(control("bmp", 32)->toolTip(),
              QStringLiteral(u"前進（Forward）\nロボットを前進させます。"));
    for (int code = 0; code < TrayIconCount; ++code) {
        const QString tip = control("bmp", code + 32)->toolTip();
        EXPECT_EQ(tip, TrayPanel::toolTipFor(code));
        const QStringList lines = tip.split(u'\n');
        ASSERT_EQ(lines.size(), 2) << code;
        EXPECT_TRUE(lines[0].startsWith(QString::fromUtf16(iconInfo(code).japaneseName)));
        EXPECT_TRUE(IconHelpText(code).startsWith(lines[1])) << code;
        EXPECT_FALSE(lines[1].isEmpty()) << code;
    }
    // Each edit button in the word its picture shows.
    const std::pair<const char *, const char16_t *> buttons[]
        = {{"複写", u"コピー："}, {"移動", u"いどう："}, {"戻す", u"もどす："},
           {"解除", u"解除："},   {"削除", u"けす："},   {"文法", u"チェック："}};
    for (const auto &[name, word] : buttons)
        EXPECT_TRUE(
            control(QString::fromUtf8(name))->toolTip().startsWith(QString::fromUtf16(word)))
            << name;
}

} // namespace
} // namespace zuvo::test
