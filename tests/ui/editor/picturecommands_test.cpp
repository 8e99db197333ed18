#include "widgettestsupport.h"

#include "editor/editormenus.h"
#include "model/robotfile.h"
#include "model/samples.h"
#include "picture/pagefit.h"

#include <QAction>
#include <QImage>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>

using namespace zuvo;
using namespace zuvo::test;

namespace {

class PictureCommandsTest : public EditorWindowTest
{
protected:
    QAction *item(const char *name) { return window->menus()->item(QString::fromUtf8(name)); }

    // Runs `trigger`, which opens a modal dialog, and hands that dialog to `inspect` once its
    // own event loop runs; the dialog is then closed.
    template<typename Dialog>
    Dialog *whileModal(const std::function<void()> &trigger,
                       const std::function<void(Dialog *)> &inspect)
    {
        Dialog *seen = nullptr;
        QTimer::singleShot(0, [&] {
            seen = qobject_cast<Dialog *>(QApplication::activeModalWidget());
            if (seen) {
                inspect(seen);
                seen->reject();
            }
        });
        trigger();
        return seen;
    }
};

} // namespace

TEST_F(PictureCommandsTest, TheMenuItemsCarryTheirNames)
{
    const std::pair<const char *, const char *> items[] = {
        {"画像として保存", "画像として保存(&G)..."},
        {"印刷", "印刷(&P)..."},
        {"印刷プレビュー", "印刷プレビュー(&W)..."},
        {"マス目も描く", "マス目も描く(&M)"},
    };
    for (const auto &[name, caption] : items) {
        ASSERT_NE(item(name), nullptr) << name;
        EXPECT_EQ(item(name)->text(), QString::fromUtf8(caption));
    }
    EXPECT_TRUE(item("マス目も描く")->isCheckable());
    EXPECT_FALSE(item("マス目も描く")->isChecked());
    EXPECT_EQ(item("印刷")->shortcut(), QKeySequence(QKeySequence::Print));
    EXPECT_TRUE(item("区切画像")->isSeparator());
}

TEST_F(PictureCommandsTest, SavedPngOpensAgainAsTheSameProgramInAnotherSlot)
{
    QTemporaryDir dir;
    session().LoadSampleSet(4);
    const WorkingProgram shown = session().program();
    const QString caption = session().view().tabCaptions[0];
    const QString path = dir.filePath(QStringLiteral("program.png"));
    prompts.files = {path};
    item("画像として保存")->trigger();
    ASSERT_EQ(prompts.dialogs.size(), 1);
    EXPECT_EQ(prompts.dialogs[0].title, QStringLiteral(u"画像として保存"));
    EXPECT_EQ(prompts.dialogs[0].filter,
              QStringLiteral(u"PNG画像(*.png)|*.png|SVG画像(*.svg)|*.svg|PDF文書(*.pdf)|*.pdf"));
    EXPECT_TRUE(prompts.messages.isEmpty());
    const QImage image(path);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.text(QStringLiteral("Title")), caption);

    // The picture back through 開く, in an empty slot: the very program.
    session().SwitchSlot(1);
    prompts.files = {path};
    item("開く")->trigger();
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(session().program(), shown);

    // Saving over an existing picture asks first; No leaves it.
    const QByteArray before = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    prompts.files = {path};
    prompts.answers = {false};
    item("画像として保存")->trigger();
    EXPECT_EQ(prompts.questions.last().title, QStringLiteral(u"画像として保存"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST_F(PictureCommandsTest, AFailedSaveIsReportedAndAWrongSuffixWritesNothing)
{
    QTemporaryDir dir;
    prompts.files = {dir.filePath(QStringLiteral("program.bmp"))};
    item("画像として保存")->trigger();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].title, QStringLiteral(u"画像として保存"));
    EXPECT_TRUE(prompts.messages[0].text.startsWith(
        QStringLiteral(u"画像を保存できませんでした。　　\rprogram.bmp\r")));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("program.bmp"))));

    prompts.files = {dir.filePath(QStringLiteral("missing/program.png"))};
    item("画像として保存")->trigger();
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(prompts.messages[1].icon, MessageIcon::Warning);
}

TEST_F(PictureCommandsTest, PrintingShowsTheDialogAndThePreviewShowsOnePage)
{
    session().LoadSampleSet(4); // wider than high: landscape
    QPrintPreviewDialog *preview = whileModal<QPrintPreviewDialog>(
        [&] { item("印刷プレビュー")->trigger(); },
        [](QPrintPreviewDialog *dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral(u"印刷プレビュー"));
            EXPECT_EQ(dialog->printer()->pageLayout().orientation(), QPageLayout::Landscape);
        });
    EXPECT_NE(preview, nullptr);

    QPrintDialog *print = whileModal<QPrintDialog>(
        [&] { item("印刷")->trigger(); },
        [](QPrintDialog *dialog) {
            EXPECT_EQ(dialog->printer()->pageLayout().orientation(), QPageLayout::Landscape);
        });
    EXPECT_NE(print, nullptr);

    // The icon cards go through the print dialog too, on A4 in colour.
    ASSERT_NE(item("アイコンカードを印刷"), nullptr);
    EXPECT_EQ(item("アイコンカードを印刷")->text(), QStringLiteral(u"アイコンカードを印刷(&I)..."));
    QPrintDialog *cards = whileModal<QPrintDialog>(
        [&] { item("アイコンカードを印刷")->trigger(); },
        [](QPrintDialog *dialog) {
            EXPECT_EQ(dialog->printer()->pageLayout().pageSize().id(), QPageSize::A4);
            EXPECT_EQ(dialog->printer()->colorMode(), QPrinter::Color);
        });
    EXPECT_NE(cards, nullptr);
}

TEST(PageFit, TheOrientationAndThePlaceSuitThePicture)
{
    EXPECT_EQ(SuitedOrientation(QSize(600, 300)), QPageLayout::Landscape);
    EXPECT_EQ(SuitedOrientation(QSize(300, 600)), QPageLayout::Portrait);
    EXPECT_EQ(SuitedOrientation(QSize(300, 300)), QPageLayout::Portrait);

    // A large picture shrinks to the page, whole, centred across, at the top.
    const QRectF page(10, 20, 1000, 700);
    const QRectF big = FittedPictureRect(QSize(4000, 1400), page, 100);
    EXPECT_DOUBLE_EQ(big.width(), 1000);
    EXPECT_DOUBLE_EQ(big.height(), 350);
    EXPECT_DOUBLE_EQ(big.top(), 20);
    EXPECT_TRUE(page.contains(big));
    const QRectF tall = FittedPictureRect(QSize(100, 1400), page, 100);
    EXPECT_DOUBLE_EQ(tall.height(), 700);
    EXPECT_DOUBLE_EQ(tall.center().x(), page.center().x());
    // A small one grows no further than the limit.
    const QRectF small = FittedPictureRect(QSize(100, 50), page, 2);
    EXPECT_DOUBLE_EQ(small.width(), 200);
    EXPECT_DOUBLE_EQ(small.height(), 100);
}
