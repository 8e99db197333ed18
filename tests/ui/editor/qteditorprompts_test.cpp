#include "editor/editormenus.h"
#include "editor/qteditorprompts.h"
#include "widgettestsupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
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
    // The description's own "(*.qvk)" is not shown a second time.
    EXPECT_EQ(QtEditorPrompts::dialogFilter(QStringLiteral("ロボットファイル(*.qvk)|*.qvk")),
              QStringLiteral("ロボットファイル (*.qvk)"));
    // The insert dialog's description names another extension; the pattern decides.
    EXPECT_EQ(QtEditorPrompts::dialogFilter(QStringLiteral("ロボットファイル(*.qvj)|*.qvk")),
              QStringLiteral("ロボットファイル (*.qvk)"));
    EXPECT_EQ(QtEditorPrompts::dialogFilter(QStringLiteral("メモ (*.txt)|*.txt|全部|*")),
              QStringLiteral("メモ (*.txt);;全部 (*)"));
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

TEST_F(QtEditorPromptsTest, TheOutputQuestionOffersItsChoicesAndDefaultsToTheMending)
{
    whenModalShows([](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), QtEditorPrompts::outputQuestionTitle());
        EXPECT_EQ(box->text(), QStringLiteral("a\nb"));
        EXPECT_EQ(box->buttons().size(), 3);
        EXPECT_EQ(box->defaultButton()->text(), QtEditorPrompts::makeAudibleCaption());
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(prompts.askAboutOutput(QStringLiteral("a\r\nb"), true), OutputChoice::MakeAudible);
    // Without the mending, not sending is the default; the other button sends all the same.
    whenModalShows([](QWidget *modal) {
        EXPECT_EQ(qobject_cast<QMessageBox *>(modal)->defaultButton()->text(),
                  QtEditorPrompts::stopCaption());
        modal->findChild<QPushButton *>(QStringLiteral("sendAnyway"))->click();
    });
    EXPECT_EQ(prompts.askAboutOutput(QStringLiteral("q"), false), OutputChoice::SendAnyway);
    whenModalShows([](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(prompts.askAboutOutput(QStringLiteral("q"), true), OutputChoice::Stop);
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
        EXPECT_EQ(dialog->nameFilters(), QStringList {QStringLiteral("ロボットファイル (*.qvk)")});
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

// The editor with its own Qt prompts: what its question boxes and file dialogs show.
class EditorQtTextsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ensureApplication(); }
    void SetUp() override
    {
        window = std::make_unique<EditorWindow>(10, QStringList {});
        window->show();
        QCoreApplication::processEvents();
    }
    void TearDown() override { window.reset(); }
    QAction *item(const char *name) { return window->menus()->item(QString::fromUtf8(name)); }
    std::unique_ptr<EditorWindow> window;
};

TEST_F(EditorQtTextsTest, QuestionBoxesAndMessageBoxesCarryJapaneseButtons)
{
    window->session().SurfaceRelease(8, 8, true); // the slot is modified: opening asks first
    bool asked = false;
    whenModalShows([&asked](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        asked = true;
        EXPECT_EQ(box->windowTitle(), QStringLiteral("ファイルを開く"));
        ASSERT_NE(box->button(QMessageBox::Yes), nullptr);
        ASSERT_NE(box->button(QMessageBox::No), nullptr);
        EXPECT_EQ(box->button(QMessageBox::Yes)->text(), QStringLiteral("はい(&Y)"));
        EXPECT_EQ(box->button(QMessageBox::No)->text(), QStringLiteral("いいえ(&N)"));
        box->button(QMessageBox::No)->click();
    });
    item("開く")->trigger();
    EXPECT_TRUE(asked);

    // A message with one button: OK stays OK.
    asked = false;
    whenModalShows([&asked](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        asked = true;
        EXPECT_EQ(box->windowTitle(), QStringLiteral("上書きメッセージ"));
        ASSERT_NE(box->button(QMessageBox::Ok), nullptr);
        EXPECT_EQ(box->button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
        box->button(QMessageBox::Ok)->click();
    });
    item("上書き保存")->trigger();
    EXPECT_TRUE(asked);

    // Leaving with the modified slot: はい / いいえ again, いいえ keeps the editor.
    whenModalShows([](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("編集プログラムの終了"));
        EXPECT_EQ(box->button(QMessageBox::Yes)->text(), QStringLiteral("はい(&Y)"));
        box->button(QMessageBox::No)->click();
    });
    item("初期画面に戻る")->trigger();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(EditorQtTextsTest, TheOpenDialogIsJapanese)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    QFile file(dir.filePath(QStringLiteral("robot.qvk")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Quorvel50 J\r\n");
    file.close();

    bool shown = false;
    whenModalShows([&shown, &dir](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        shown = true;
        dialog->setDirectory(dir.path());
        const auto label = [dialog](const char *name) {
            auto *l = dialog->findChild<QLabel *>(QString::fromUtf8(name));
            return l ? l->text() : QString();
        };
        EXPECT_EQ(label("lookInLabel"), QStringLiteral("アドレス:"));
        EXPECT_EQ(label("fileNameLabel"), QStringLiteral("ファイル名(&N):"));
        EXPECT_EQ(label("fileTypeLabel"), QStringLiteral("ファイルの種類:"));
        QStringList buttons;
        for (auto *box : dialog->findChildren<QDialogButtonBox *>())
            for (QAbstractButton *b : box->buttons())
                buttons << b->text();
        EXPECT_TRUE(buttons.contains(QStringLiteral("開く(&O)")))
            << buttons.join(u' ').toStdString();
        EXPECT_TRUE(buttons.contains(QStringLiteral("キャンセル")));
        auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        EXPECT_EQ(types->currentText(), QStringLiteral("ロボットファイル (*.qvk)"));

        // The detail columns: the folder's type, the file's size and date in Japanese.
        auto *view = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
        ASSERT_NE(view, nullptr);
        QAbstractItemModel *model = view->model();
        const auto rowNamed = [&](const QString &name) {
            for (int r = 0; r < model->rowCount(view->rootIndex()); ++r)
                if (model->index(r, 0, view->rootIndex()).data().toString() == name)
                    return r;
            return -1;
        };
        ASSERT_TRUE(QTest::qWaitFor([&] { return rowNamed(QStringLiteral("robot.qvk")) >= 0; }));
        const int folder = rowNamed(QStringLiteral("folder"));
        const int robot = rowNamed(QStringLiteral("robot.qvk"));
        ASSERT_GE(folder, 0);
        EXPECT_EQ(model->index(folder, 2, view->rootIndex()).data().toString(),
                  QStringLiteral("フォルダ"));
        EXPECT_EQ(model->index(robot, 1, view->rootIndex()).data().toString(),
                  QStringLiteral("13 バイト"));
        const QString date = model->index(robot, 3, view->rootIndex()).data().toString();
        EXPECT_TRUE(date.contains(u'/')) << date.toStdString();
        EXPECT_FALSE(date.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
            << date.toStdString();
        dialog->reject();
    });
    item("開く")->trigger();
    EXPECT_TRUE(shown);
}

// Run by tests/audio/output_check_test.sh against its private null sink, set up as
// ZUVO_LIVE_OUTPUT names it: the real editor asks about the real output before the fourth press
// plays, and plays at once when nothing is wrong.
TEST(LiveOutput, TheEditorAsksAboutTheOutputBeforeSending)
{
    const QString setup = qEnvironmentVariable("ZUVO_LIVE_OUTPUT");
    if (setup.isEmpty())
        GTEST_SKIP() << "needs the private sound server of output_check_test.sh";
    ensureApplication();
    EditorWindow window(11, {}); // sample set 1, with the Qt prompts
    window.show();
    QString asked;
    qsizetype choices = 0;
    if (setup != QLatin1String("fine")) {
        whenModalShows([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            ASSERT_NE(box, nullptr);
            asked = box->text();
            choices = box->buttons().size();
            box->findChild<QPushButton *>(QStringLiteral("stop"))->click();
        });
    }
    for (int i = 0; i < 4; ++i)
        window.session().RunGrammarCheck();
    const QString said = window.session().view().messageText;
    if (setup == QLatin1String("fine")) {
        EXPECT_TRUE(said.startsWith(QStringLiteral(u"プログラムの送信は終わりました。")))
            << said.toStdString();
        return;
    }
    const QHash<QString, QString> expected {
        {QStringLiteral("muted"), QStringLiteral(u"ミュート")},
        {QStringLiteral("quiet"), QStringLiteral(u"音量が30％")},
        {QStringLiteral("bluetooth"), QStringLiteral(u"Bluetooth")},
    };
    EXPECT_TRUE(asked.contains(expected.value(setup))) << asked.toStdString();
    EXPECT_EQ(choices, setup == QLatin1String("bluetooth") ? 2 : 3);
    EXPECT_TRUE(said.startsWith(QStringLiteral(u"プログラムは送信しませんでした。")));
}

} // namespace
} // namespace zuvo::test
