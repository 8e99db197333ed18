#include "editor/qteditorprompts.h"
#include "widgettestsupport.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace zuvo::test {
namespace {

// Runs `inspect` on the modal widget that the next call opens, once it is up.
void whenModalShows(std::function<void(QWidget *)> inspect)
{
    QTimer::singleShot(0, [inspect] {
        QWidget *modal = nullptr;
        const bool shown = QTest::qWaitFor(
            [&modal] { return (modal = QApplication::activeModalWidget()) != nullptr; }, 3000);
        ASSERT_TRUE(shown);
        inspect(modal);
        // A failed expectation must not leave the dialog waiting for ever.
        if (QApplication::activeModalWidget() == modal)
            modal->close();
    });
}

class QtEditorPromptsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ensureApplication(); }
    QtEditorPrompts prompts;
};

TEST_F(QtEditorPromptsTest, TextsAndFiltersBecomeWhatQtShows)
{
    EXPECT_EQ(QtEditorPrompts::boxText(QStringLiteral("一\r\n二\r三")),
              QStringLiteral("一\n二\n三"));
    EXPECT_EQ(QtEditorPrompts::dialogFilter(QStringLiteral("ロボットファイル(*.qvk)|*.qvk")),
              QStringLiteral("ロボットファイル(*.qvk) (*.qvk)"));
    // The insert dialog's description names another extension; the pattern decides.
    EXPECT_EQ(QtEditorPrompts::dialogFilter(QStringLiteral("ロボットファイル(*.qvj)|*.qvk")),
              QStringLiteral("ロボットファイル(*.qvj) (*.qvk)"));
    EXPECT_EQ(QtEditorPrompts::dialogFilter(QStringLiteral("A|*.a|B|*.b")),
              QStringLiteral("A (*.a);;B (*.b)"));
    EXPECT_EQ(QtEditorPrompts::dialogFilter(QStringLiteral("Files (*.x)")),
              QStringLiteral("Files (*.x)"));
    EXPECT_EQ(QtEditorPrompts::dialogSuffix(QStringLiteral("ロボットファイル(*.qvj)|*.qvk")),
              QStringLiteral("qvk"));
    EXPECT_EQ(QtEditorPrompts::dialogSuffix(QStringLiteral("All|*")), QString());
}

TEST_F(QtEditorPromptsTest, QuestionsDefaultToNoAndShowLineBreaks)
{
    whenModalShows([](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("ファイルを開く"));
        EXPECT_EQ(box->text(), QStringLiteral("消えます。\nよろしいですか？"));
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(static_cast<QAbstractButton *>(box->defaultButton()),
                  box->button(QMessageBox::No));
        QTest::keyClick(box, Qt::Key_Return); // the default button
    });
    EXPECT_FALSE(prompts.askYesNo(QStringLiteral("ファイルを開く"),
                                  QStringLiteral("消えます。\rよろしいですか？"),
                                  MessageIcon::Warning));

    whenModalShows([](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(prompts.askYesNo(QStringLiteral("t"), QStringLiteral("q"), MessageIcon::None));
}

TEST_F(QtEditorPromptsTest, FileDialogsStartWhereAskedAndLeaveOverwritingToTheEditor)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString filter = QStringLiteral("ロボットファイル(*.qvk)|*.qvk");

    whenModalShows([&dir](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
        EXPECT_EQ(dialog->nameFilters(),
                  QStringList {QStringLiteral("ロボットファイル(*.qvk) (*.qvk)")});
        dialog->reject();
    });
    EXPECT_EQ(prompts.chooseOpenFile(QStringLiteral("開く"), dir.path(), filter), QString());

    whenModalShows([&dir](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        dialog->selectFile(dir.filePath(QStringLiteral("robot")));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    EXPECT_EQ(prompts.chooseSaveFile(QStringLiteral("保存"), dir.path(), filter),
              dir.filePath(QStringLiteral("robot.qvk")));

    // The signal's dialog: a name typed without an extension becomes a WAV file's name, one
    // with an extension is left as typed.
    const QString wavFilter = QStringLiteral("WAVファイル (*.wav)");
    for (const auto &[typed, chosen] :
         {std::pair {"signal", "signal.wav"}, std::pair {"signal.data", "signal.data"}}) {
        whenModalShows([&dir, typed](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("信号をWAVファイルに保存"));
            EXPECT_EQ(dialog->nameFilters(), QStringList {QStringLiteral("WAVファイル (*.wav)")});
            dialog->selectFile(dir.filePath(QString::fromUtf8(typed)));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        EXPECT_EQ(prompts.chooseSaveFile(QStringLiteral("信号をWAVファイルに保存"), dir.path(),
                                         wavFilter),
                  dir.filePath(QString::fromUtf8(chosen)));
    }
}

} // namespace
} // namespace zuvo::test
