#include "sessiontestsupport.h"

#include "model/iconcatalogue.h"
#include "model/pngprogram.h"
#include "model/programtext.h"
#include "model/robotfile.h"

#include "tinypng.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace zuvo;
using namespace zuvo::test;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A program with lines, icons, a memo and a scroll position.
void buildProgram(SessionFixture &f)
{
    f.place(IconForward, 6, 8);
    f.line(7, 8);
    f.place(IconWait, 8, 8);
    f.line(8, 9);
    f.session.SetMemoText(QStringLiteral(u"メモ一行\r\n二行目"));
    f.session.SetScroll(100, 50);
}

// What a refused file must leave as it was.
struct Untouched
{
    explicit Untouched(const SessionFixture &f)
        : program(f.program())
        , undo(f.session.undoSnapshot().program)
        , undoAvailable(f.view().undoAvailable)
        , path(f.state().SlotFilePath[0])
    {
    }
    bool operator==(const Untouched &) const = default;
    WorkingProgram program;
    WorkingProgram undo;
    bool undoAvailable;
    QString path;
};

} // namespace

TEST(SessionFiles, SaveAsThenOpenGivesTheSameProgram)
{
    QTemporaryDir dir;
    SessionFixture f;
    buildProgram(f);
    f.session.SaveRobotFile(); // no name yet
    EXPECT_EQ(f.prompts.messages.last().text,
              QStringLiteral(u"ファイル名が決まっていません　　\r別名で保存してください"));

    const QString path = dir.filePath(QStringLiteral("robot.qvk"));
    f.prompts.files = {path};
    f.session.SaveRobotFileAs();
    EXPECT_EQ(f.prompts.dialogs[0].filter, QStringLiteral(u"ロボットファイル(*.qvk)|*.qvk"));
    EXPECT_EQ(f.state().SlotFilePath[0], path);
    EXPECT_EQ(f.view().tabCaptions[0], QStringLiteral("robot.qvk"));
    EXPECT_EQ(f.state().SlotModified[0], 0);
    EXPECT_EQ(f.state().FileDir, dir.path() + u'/');
    const WorkingProgram saved = f.program();

    f.place(IconBrake, 30, 30);
    f.session.SetScroll(0, 0);
    f.prompts.answers = {true};
    f.prompts.files = {path};
    f.session.OpenRobotFile();
    EXPECT_EQ(f.prompts.questions.last().title, QStringLiteral(u"ファイルを開く"));
    EXPECT_EQ(f.prompts.dialogs[1].startDir, dir.path() + u'/');
    EXPECT_EQ(f.program(), saved);
    EXPECT_EQ(f.view().scroll.hValue, 100);
    EXPECT_FALSE(f.view().pictures[4].visible);
    EXPECT_FALSE(f.view().undoAvailable);

    f.place(IconBrake, 30, 30);
    f.session.SaveRobotFile(); // to the slot's own file, no dialog
    EXPECT_EQ(f.prompts.dialogs.size(), 2);
    EXPECT_TRUE(readAll(path).contains(" 3000 ,09 1=0.5 &H00FFFFFF"));

    // A deleted icon is not written; on reopening the rest is renumbered.
    f.session.IconPress(3, true);
    f.session.DeleteSelection();
    f.session.SaveRobotFile();
    EXPECT_FALSE(readAll(path).contains(" 800 ,"));
    f.prompts.files = {path};
    f.session.OpenRobotFile();
    EXPECT_EQ(f.slotAt(30, 30), 3);
    EXPECT_EQ(f.content(8, 8), EmptyCell);
}

TEST(SessionFiles, TheFileTheProgramWasStartedWithOpensWithoutADialog)
{
    QTemporaryDir dir;
    SessionFixture f;
    buildProgram(f);
    const QString path = dir.filePath(QStringLiteral("start.qvk"));
    f.prompts.files = {path};
    f.session.SaveRobotFileAs();
    const WorkingProgram saved = f.program();

    SessionFixture fresh;
    fresh.session.OpenRobotFileAt(path);
    EXPECT_TRUE(fresh.prompts.dialogs.isEmpty());
    EXPECT_EQ(fresh.program(), saved);
    EXPECT_EQ(fresh.state().SlotFilePath[0], path);
    EXPECT_EQ(fresh.view().tabCaptions[0], QStringLiteral("start.qvk"));
    EXPECT_EQ(fresh.state().FileDir, dir.path() + u'/');
    EXPECT_EQ(fresh.state().SlotModified[0], 0);

    // A file that is gone is refused as the open command refuses it; the program stays.
    const WorkingProgram before = fresh.program();
    fresh.session.OpenRobotFileAt(dir.filePath(QStringLiteral("gone.qvk")));
    EXPECT_EQ(fresh.prompts.messages.last().title, QStringLiteral(u"読み出しメッセージ"));
    EXPECT_EQ(fresh.program(), before);
}

TEST(SessionFiles, SaveAsAsksBeforeOverwritingAndAFailureKeepsTheSlotModified)
{
    QTemporaryDir dir;
    const QString path = writeLines(dir, QStringLiteral("old.qvk"), {QStringLiteral("old")});
    SessionFixture f;
    f.place(IconForward, 6, 8);
    f.prompts.files = {path};
    f.session.SaveRobotFileAs(); // No
    EXPECT_EQ(f.prompts.questions.last().title, QStringLiteral(u"別名保存で重ね書き"));
    EXPECT_EQ(f.prompts.questions.last().text,
              QStringLiteral(u"すでに old.qvk は有ります。\r\n書換えてよろしいですか？"));
    EXPECT_EQ(readAll(path), QByteArray("old\r\n"));
    EXPECT_EQ(f.state().FileTitle, QString());

    const QString unwritable = dir.filePath(QStringLiteral("missing/robot.qvk"));
    f.prompts.files = {unwritable};
    f.session.SaveRobotFileAs();
    EXPECT_TRUE(f.prompts.messages.last().text.contains(QStringLiteral("robot.qvk")));
    EXPECT_EQ(f.state().SlotModified[0], 1);
    EXPECT_EQ(f.state().SlotFilePath[0], QString());
    EXPECT_EQ(f.view().tabCaptions[0], QStringLiteral(u"プログラム1"));

    // Memo characters code page 932 cannot hold are saved as "？" and reported.
    f.session.SetMemoText(QStringLiteral(u"ロボ") + QString::fromUcs4(U"\U0001F600"));
    f.prompts.answers = {true};
    f.prompts.files = {path};
    f.session.SaveRobotFileAs();
    EXPECT_TRUE(readAll(path).startsWith("Quorvel50 J\r\n"));
    EXPECT_EQ(f.prompts.messages.last().icon, MessageIcon::Information);
    EXPECT_TRUE(f.prompts.messages.last().text.contains(QString::fromUcs4(U"\U0001F600")));
    EXPECT_EQ(f.state().SlotModified[0], 0);
}

TEST(SessionFiles, JisLookAlikesInTheMemoSurviveSavingAndOpening)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("memo.qvk"));
    SessionFixture f;
    // As a Japanese input method types them, and the names code page 932 has at those bytes.
    f.session.SetMemoText(QStringLiteral(u"〜‖−¢£¬—¥‾\r\n～∥－￠￡￢―\\~"));
    f.prompts.files = {path};
    f.session.SaveRobotFileAs();
    EXPECT_TRUE(f.prompts.messages.isEmpty()) << f.prompts.messages.last().text.toStdString();
    EXPECT_EQ(f.state().SlotModified[0], 0);
    const QByteArray line = "\x81\x60\x81\x61\x81\x7C\x81\x91\x81\x92\x81\xCA\x81\x5C\x5C\x7E";
    EXPECT_TRUE(readAll(path).contains("\r\n" + line + "\r\n" + line + "\r\nEND\r\n"));

    SessionFixture reopened;
    reopened.prompts.files = {path};
    reopened.session.OpenRobotFile();
    EXPECT_TRUE(reopened.prompts.messages.isEmpty());
    EXPECT_EQ(reopened.view().memo, QStringLiteral(u"～∥－￠￡￢―\\~\r\n～∥－￠￡￢―\\~"));
}

TEST(SessionFiles, RefusedFilesLeaveEverythingAsItWas)
{
    QTemporaryDir dir;
    const QString foreign
        = writeLines(dir, QStringLiteral("foreign.qvk"),
                     {QStringLiteral("Quorvel50 E"), QString(), QStringLiteral("END")});
    const QString badLine = writeLines(
        dir, QStringLiteral("line.qvk"),
        {QStringLiteral("Quorvel50 J"), QStringLiteral(" 398 "), QStringLiteral("END")});
    const QString badCell
        = writeLines(dir, QStringLiteral("cell.qvk"),
                     {QStringLiteral("Quorvel50 J"), QString(), QStringLiteral("END"),
                      QStringLiteral(u" 399 ,00 1=中 &H00FFFFFF")});
    const QString badCode = writeLines(dir, QStringLiteral("code.qvk"),
                                       {QStringLiteral("Quorvel50 J"), QString(),
                                        QStringLiteral("END"), QStringLiteral(" 400 ,31 0=")});
    const QString shortFile = writeLines(dir, QStringLiteral("short.qvk"),
                                         {QStringLiteral("Quorvel50 J"), QStringLiteral(" 399 "),
                                          QStringLiteral("END"), QStringLiteral(" 398 ,29 0=")});
    const QString missing = dir.filePath(QStringLiteral("missing.qvk"));
    // A pipe that nobody writes to: refused at once as unreadable, nothing waits for it.
    const QString pipe = dir.filePath(QStringLiteral("pipe.qvk"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);

    SessionFixture f;
    buildProgram(f);
    f.session.IconPress(2, true); // a current cell for the insert
    f.session.DeleteSelection(); // a checkpoint that must survive
    f.session.Undo();
    f.place(IconWait, 40, 40);
    f.session.SurfaceRelease(12, 12, true);
    const Untouched before(f);
    const auto expectUntouched = [&] {
        EXPECT_TRUE(Untouched(f) == before);
    };

    struct Case
    {
        QString path;
        QString text;
        QString openTitle;
        QString insertTitle;
    };
    const QString broken = QStringLiteral(u"ファイルが壊れています　　\r");
    const QString foreignStart = QStringLiteral(u"このファイルは異なった言語で作成されています。\r"
                                                u"ロボットが正常に動かない可能性があります。\r");
    const QString readTitle = QStringLiteral(u"読み出しメッセージ");
    const QString insertTitle = QStringLiteral(u"差込読出しメッセージ");
    const QList<Case> cases = {
        {foreign, foreignStart + QStringLiteral(u"プログラムを新規作成してください。"), readTitle,
         QStringLiteral(u"差込読出")},
        {badLine, broken + QStringLiteral(u"接続線座標が異常です"), readTitle, insertTitle},
        {badCell, broken + QStringLiteral(u"アイコン座標が異常です"), readTitle, insertTitle},
        {badCode, broken + QStringLiteral(u"アイコン番号が異常です"), readTitle, insertTitle},
        {shortFile, broken + QStringLiteral(u"データ区分が異常"), readTitle, insertTitle},
        {missing, QStringLiteral(u"ファイルが有りません　　\r確認してください。"), readTitle,
         insertTitle},
        {pipe, QStringLiteral(u"ファイルを読み出せません　　\r通常のファイルではありません。"),
         readTitle, insertTitle},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        f.prompts.answers = {true};
        f.prompts.files = {c.path};
        const int beeps = f.prompts.beeps;
        f.session.OpenRobotFile();
        ASSERT_FALSE(f.prompts.messages.isEmpty());
        EXPECT_EQ(f.prompts.messages.last().title, c.openTitle);
        EXPECT_EQ(f.prompts.messages.last().text, c.text);
        EXPECT_EQ(f.prompts.messages.last().icon, MessageIcon::Warning);
        EXPECT_EQ(f.prompts.beeps - beeps, c.path == missing || c.path == pipe ? 1 : 0);
        expectUntouched();

        f.prompts.files = {c.path};
        f.session.InsertRobotFile();
        EXPECT_EQ(f.prompts.messages.last().title, c.insertTitle);
        if (c.path == foreign)
            EXPECT_TRUE(f.prompts.messages.last().text.endsWith(
                QStringLiteral(u"プログラムの差込を中止します。")));
        else
            EXPECT_EQ(f.prompts.messages.last().text, c.text);
        expectUntouched();
    }
}

TEST(SessionFiles, InsertPlacesTheFileAtTheCurrentCell)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("part.qvk"));
    {
        SessionFixture source;
        source.place(IconForward, 0, 0);
        source.line(1, 0);
        source.place(IconWait, 2, 0);
        source.line(95, 0); // lands on column 99
        source.line(0, 57); // lands on row 59
        source.place(IconBrake, 96, 56); // lands on column 100
        source.place(IconSetBeep, 16, 2); // lands on END's cell
        source.prompts.files = {path};
        source.session.SaveRobotFileAs();
        ASSERT_TRUE(QFile::exists(path));
    }

    SessionFixture f;
    f.session.InsertRobotFile();
    EXPECT_EQ(f.prompts.messages.last().title, QStringLiteral(u"差込読出"));
    EXPECT_EQ(f.prompts.messages.last().text, QStringLiteral(u"差し込み先が選択されていません。"));
    EXPECT_EQ(f.prompts.messages.last().icon, MessageIcon::None);
    f.destination(5, 2); // a connector
    f.session.InsertRobotFile();
    EXPECT_EQ(f.prompts.messages.last().text, QStringLiteral(u"差し込み先が不適切です。"));
    EXPECT_TRUE(f.prompts.dialogs.isEmpty());
    f.session.ClearSelection();

    f.place(IconLoop, 4, 2); // occupies the cell the file's Forward icon would take
    f.session.IconPress(2, true);
    ASSERT_EQ(f.state().CurrentCell, CellIndex(4, 2));
    const WorkingProgram before = f.program();
    f.prompts.files = {path};
    f.session.InsertRobotFile();
    EXPECT_EQ(f.prompts.messages.size(), 2);
    EXPECT_EQ(f.codeAt(4, 2), IconLoop);
    EXPECT_EQ(f.content(5, 2), LineCell);
    EXPECT_EQ(f.codeAt(6, 2), IconWait);
    EXPECT_EQ(f.program().SlotParams[f.slotAt(6, 2)], QStringLiteral("19 1=0.5 &H00FFFFFF"));
    EXPECT_TRUE(f.view().pictures[f.slotAt(6, 2)].visible);
    EXPECT_EQ(f.view().labels[f.slotAt(6, 2)][1].text, QStringLiteral("0.5"));
    EXPECT_EQ(f.codeAt(20, 4), IconEnd);
    // The file's BEGIN and END are not inserted.
    EXPECT_EQ(f.content(6, 6), EmptyCell);
    EXPECT_EQ(f.content(24, 6), EmptyCell);
    // Nothing beyond the lattice, nothing wrapped onto the next row.
    EXPECT_EQ(f.content(0, 3), EmptyCell);
    EXPECT_EQ(f.program().SlotCount, 4); // BEGIN, END, Loop and the inserted Wait
    EXPECT_EQ(f.mark(4, 2), 2);
    EXPECT_EQ(f.state().SlotModified[0], 1);
    EXPECT_TRUE(f.view().undoAvailable);
    f.session.Undo();
    EXPECT_EQ(f.program().CellContent, before.CellContent);
    EXPECT_EQ(f.program().SlotCount, before.SlotCount);
}

TEST(SessionFiles, ClosingAsksOnceListingEveryModifiedSlot)
{
    SessionFixture f;
    EXPECT_TRUE(f.session.ConfirmEditorClose());
    EXPECT_TRUE(f.prompts.questions.isEmpty());

    f.session.SwitchSlot(1);
    f.place(IconForward, 6, 8);
    f.session.SwitchSlot(3);
    f.place(IconForward, 6, 8);
    EXPECT_FALSE(f.session.ConfirmEditorClose());
    ASSERT_EQ(f.prompts.questions.size(), 1);
    EXPECT_EQ(f.prompts.questions[0].title, QStringLiteral(u"編集プログラムの終了"));
    EXPECT_EQ(f.prompts.questions[0].text,
              QStringLiteral(u"プログラム2は未更新です。よろしいですか？\r"
                             u"プログラム4は未更新です。よろしいですか？\r"));
    EXPECT_EQ(f.prompts.questions[0].icon, MessageIcon::None);
    f.prompts.answers = {true};
    EXPECT_TRUE(f.session.ConfirmEditorClose());
}

namespace {

QString writeBytes(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

} // namespace

TEST(SessionFiles, APictureOfAProgramOpensAsThatProgram)
{
    QTemporaryDir dir;
    SessionFixture source;
    buildProgram(source);
    const WorkingProgram saved = source.program();
    const QString picture = writeBytes(dir, QStringLiteral("picture.png"),
                                       EmbedProgramInPng(TinyPng(), EncodeRobotFile(saved).bytes));

    SessionFixture f;
    f.prompts.files = {picture};
    f.session.OpenRobotFile();
    EXPECT_EQ(f.prompts.dialogs[0].filter,
              QStringLiteral(u"ロボットファイル(*.qvk)|*.qvk|プログラムの画像(*.png)|*.png"));
    EXPECT_TRUE(f.prompts.messages.isEmpty());
    EXPECT_EQ(f.program(), saved); // lines, icons, values, memo and scroll
    EXPECT_EQ(f.view().scroll.hValue, 100);
    EXPECT_EQ(f.view().tabCaptions[0], QStringLiteral("picture.png"));
    EXPECT_EQ(f.state().SlotModified[0], 0);
    // The picture is no robot file: saving asks for a name instead of writing over it.
    EXPECT_TRUE(f.state().SlotFilePath[0].isEmpty());
    const QByteArray pictureBytes = readAll(picture);
    f.session.SaveRobotFile();
    EXPECT_EQ(f.prompts.messages.last().title, QStringLiteral(u"上書きメッセージ"));
    EXPECT_EQ(readAll(picture), pictureBytes);

    // 差込読出 takes the picture's icons and lines too.
    SessionFixture g;
    g.session.SurfaceRelease(40, 20, true);
    g.prompts.files = {picture};
    g.session.InsertRobotFile();
    EXPECT_EQ(g.prompts.dialogs[0].filter,
              QStringLiteral(u"ロボットファイル(*.qvj)|*.qvk|プログラムの画像(*.png)|*.png"));
    EXPECT_TRUE(g.prompts.messages.isEmpty());
    EXPECT_EQ(g.program().SlotCount, 4); // BEGIN, END and the two icons of the picture
}

TEST(SessionFiles, APictureWithoutItsProgramOrDamagedIsRefusedAndNothingChanges)
{
    QTemporaryDir dir;
    SessionFixture source;
    buildProgram(source);
    const QByteArray whole = EmbedProgramInPng(TinyPng(), EncodeRobotFile(source.program()).bytes);
    const qsizetype chunk = whole.indexOf(PngProgramKeyword);
    const QString plain = writeBytes(dir, QStringLiteral("plain.png"), TinyPng());
    const QString truncated
        = writeBytes(dir, QStringLiteral("truncated.png"), whole.left(chunk + 60));

    SessionFixture f;
    buildProgram(f);
    f.place(IconWait, 40, 40);
    f.session.SurfaceRelease(12, 12, true);
    const Untouched before(f);
    const QString caption = f.view().tabCaptions[0];

    const QList<std::pair<QString, QString>> cases = {
        {plain,
         QStringLiteral(u"この画像にはプログラムが入っていません。　　\r"
                        u"「画像として保存」で作ったPNGファイルを選んでください。")},
        {truncated,
         QStringLiteral(u"画像ファイルが壊れているため、プログラムを読み出せません。　　\r"
                        u"画像ファイルが途中で切れています")},
    };
    for (const auto &[path, text] : cases) {
        SCOPED_TRACE(path.toStdString());
        f.prompts.answers = {true};
        f.prompts.files = {path};
        f.session.OpenRobotFile();
        ASSERT_FALSE(f.prompts.messages.isEmpty());
        EXPECT_EQ(f.prompts.messages.last().title, QStringLiteral(u"読み出しメッセージ"));
        EXPECT_EQ(f.prompts.messages.last().text, text);
        EXPECT_EQ(f.prompts.messages.last().icon, MessageIcon::Warning);
        EXPECT_TRUE(Untouched(f) == before);
        EXPECT_EQ(f.view().tabCaptions[0], caption);

        f.prompts.files = {path};
        f.session.InsertRobotFile();
        EXPECT_EQ(f.prompts.messages.last().title, QStringLiteral(u"差込読出しメッセージ"));
        EXPECT_EQ(f.prompts.messages.last().text, text);
        EXPECT_TRUE(Untouched(f) == before);
    }
}

TEST(SessionFiles, AMemoTheFileCannotHoldAsItIsIsSavedChangedAndTheSaveSaysSo)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("memo.qvk"));
    SessionFixture f;
    f.session.SetMemoText(QStringLiteral("before\r\nEND\r\n99999"));
    f.prompts.files = {path};
    f.session.SaveRobotFileAs();
    ASSERT_EQ(f.prompts.messages.size(), 1);
    EXPECT_EQ(f.prompts.messages[0].title, QStringLiteral(u"別名で保存"));
    EXPECT_EQ(f.prompts.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(
        f.prompts.messages[0].text.contains(QStringLiteral(u"「ＥＮＤ」として保存しました")))
        << f.prompts.messages[0].text.toStdString();
    EXPECT_EQ(f.state().SlotModified[0], 0);
    EXPECT_EQ(f.state().SlotFilePath[0], path);

    SessionFixture g;
    g.session.OpenRobotFileAt(path);
    EXPECT_EQ(g.prompts.messages.size(), 0);
    EXPECT_EQ(g.state().SlotFilePath[0], path);
    EXPECT_EQ(g.program().Memo, QStringLiteral(u"before\r\nＥＮＤ\r\n99999"));
    EXPECT_EQ(g.program().SlotCount, 2);
}

TEST(SessionFiles, TheMemoBoxHoldsAtMostTheMemoLimit)
{
    SessionFixture f;
    f.session.SetMemoText(QString(MemoCharacterLimit + 100, u'x'));
    EXPECT_EQ(f.program().Memo.size(), MemoCharacterLimit);
    EXPECT_EQ(f.view().memo.size(), MemoCharacterLimit);
    EXPECT_EQ(f.state().SlotModified[0], 1);
    // A character of two code units is not cut in half.
    f.session.SetMemoText(QString(MemoCharacterLimit - 1, u'y') + QStringLiteral(u"😀z"));
    EXPECT_EQ(f.program().Memo, QString(MemoCharacterLimit - 1, u'y'));
}
