#include "model/codepage932.h"
#include "model/programtext.h"
#include "model/robotfile.h"
#include "model/samples.h"

#include "knownfiles.h"
#include "testprinters.h"
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zuvo;
using namespace Qt::StringLiterals;
using Status = RobotFileReadResult::Status;

namespace {

QByteArray cp932Lines(const QStringList &lines)
{
    const QByteArray bytes = zuvo::test::Cp932Lines(lines);
    EXPECT_FALSE(bytes.isEmpty());
    return bytes;
}

QStringList fileLines(const QByteArray &bytes)
{
    QStringDecoder decoder("CP932");
    QString text = decoder.decode(bytes);
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    text.chop(2);
    return text.split(QStringLiteral("\r\n"));
}

// A file with the given lists, each list being the file lines between the headers.
QByteArray fileOf(const QStringList &lines, const QStringList &icons, const QStringList &tail)
{
    return cp932Lines(QStringList {RobotFileHeader} + lines + QStringList {"END"} + icons
                      + QStringList {"END"} + tail);
}

const QStringList PlainTail = {"memo", "END", " 0 ", " 0 "};
const QStringList PlainIcons = {" 398 ,29 0=", " 416 ,30 0="};

WorkingProgram programWithLines(int count)
{
    WorkingProgram p = WorkingProgram::newProgram();
    for (int i = 0; i < count; ++i)
        p.CellContent(1 + 2 * i, 0) = LineCell; // CellIndex 1, 3, 5, ...
    return p;
}

RobotFileReadResult parseLines(const QStringList &lines)
{
    return ParseRobotFile(fileOf(lines, PlainIcons, PlainTail));
}
RobotFileReadResult parseIcons(const QStringList &icons)
{
    return ParseRobotFile(fileOf({""}, icons, PlainTail));
}
RobotFileReadResult parseTail(const QStringList &tail)
{
    return ParseRobotFile(fileOf({""}, PlainIcons, tail));
}

} // namespace

TEST(RobotFile, SampleOneOneGivesTheKnownFifteenLines)
{
    const WorkingProgram p = LoadSlotText(BuiltInSampleSet(1).programs[0]);
    const QByteArray expected = zuvo::test::SampleOneOneFile();
    ASSERT_FALSE(expected.isEmpty());
    const RobotFileEncoding encoding = EncodeRobotFile(p);
    EXPECT_EQ(encoding.bytes, expected);
    EXPECT_TRUE(encoding.memoChanges.replacedCharacters.isEmpty());

    const RobotFileReadResult back = ParseRobotFile(expected);
    ASSERT_EQ(back.status, Status::Ok);
    EXPECT_EQ(back.program, p);
}

TEST(RobotFile, ConnectionLinesHoldTwentyNumbersEach)
{
    QStringList lines = fileLines(EncodeRobotFile(programWithLines(0)).bytes);
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "END");

    lines = fileLines(EncodeRobotFile(programWithLines(20)).bytes);
    EXPECT_EQ(lines[1].split(u',').size(), 20);
    EXPECT_TRUE(lines[1].startsWith(" 1 , 3 ,"));
    EXPECT_TRUE(lines[1].endsWith(", 39 "));
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "END");

    lines = fileLines(EncodeRobotFile(programWithLines(21)).bytes);
    EXPECT_EQ(lines[1].split(u',').size(), 20);
    EXPECT_EQ(lines[2], " 41 ");
    EXPECT_EQ(lines[3], "END");

    for (int count : {0, 1, 20, 21, 40, 45}) {
        const WorkingProgram p = programWithLines(count);
        const RobotFileReadResult back = ParseRobotFile(EncodeRobotFile(p).bytes);
        ASSERT_EQ(back.status, Status::Ok) << count;
        EXPECT_EQ(back.program, p) << count;
    }
}

TEST(RobotFile, FreeSlotsAreNotWrittenAndIconsComeBackInOrder)
{
    WorkingProgram p = WorkingProgram::newProgram();
    p.placeNewIcon(4, 4, 0);
    p.placeNewIcon(6, 4, 25);
    p.placeNewIcon(8, 4, 22);
    p.CellContent(4, 4) = EmptyCell;
    p.freeSlot(2);
    p.Memo = QStringLiteral("a\nb\rc\r\nd\r\n");
    p.HScroll = 2950;
    p.VScroll = 1770;
    const QByteArray bytes = EncodeRobotFile(p).bytes;
    const QStringList lines = fileLines(bytes);
    EXPECT_EQ(lines.mid(3, 5),
              QStringList({" 398 ,29 0=", " 416 ,30 0=", " 402 ,25 0=",
                           QStringLiteral(u" 404 ,22 3=Ａ 1 ＋ &H00FFFFFF"), "END"}));
    EXPECT_EQ(lines.mid(8), QStringList({"a", "b", "c", "d", "", "END", " 2950 ", " 1770 "}));

    const RobotFileReadResult back = ParseRobotFile(bytes);
    ASSERT_EQ(back.status, Status::Ok);
    const WorkingProgram &q = back.program;
    ASSERT_EQ(q.SlotCount, 4);
    EXPECT_EQ(q.SlotCell[2], 402);
    EXPECT_EQ(q.CellContent.atIndex(402), 25002);
    EXPECT_EQ(q.SlotCell[3], 404);
    EXPECT_EQ(q.SlotParams[3], QStringLiteral(u"22 3=Ａ 1 ＋ &H00FFFFFF"));
    EXPECT_EQ(q.CellContent.atIndex(404), 22003);
    EXPECT_EQ(q.SlotCell[4], -1);
    EXPECT_EQ(q.Memo, "a\r\nb\r\nc\r\nd\r\n");
    EXPECT_EQ(q.HScroll, 2950);
    EXPECT_EQ(q.VScroll, 1770);
    for (int y = 0; y < LatticeRows; ++y)
        for (int x = 0; x < LatticeColumns; ++x)
            ASSERT_EQ(q.CellMark(x, y), 0);
}

TEST(RobotFile, MemoFieldsFollowTheFieldRules)
{
    // A comma splits a line, leading blanks are lost, quotes protect commas.
    RobotFileReadResult r
        = parseTail({"one, two", "   three  ", "\"four, five\" tail", "", "END", " 0 ", " 0 "});
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(r.program.Memo, "one\r\ntwo\r\nthree  \r\nfour, five\r\n");

    // A memo line "END" in a file ends the memo; the next lines are read as the scroll
    // positions.
    r = parseTail({"before", "END", "300", "after"});
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(r.program.Memo, "before");
    EXPECT_EQ(r.program.HScroll, 300);
    EXPECT_EQ(r.program.VScroll, 0); // "after" reads as 0

    // The program never writes such a line: a memo line "END" is saved as "ＥＮＤ", reported,
    // and the program opens again whole.
    WorkingProgram p = WorkingProgram::newProgram();
    p.Memo = QStringLiteral("before\r\nEND\r\n300\r\nafter");
    p.HScroll = 5;
    const RobotFileEncoding saved = EncodeRobotFile(p);
    EXPECT_TRUE(saved.memoChanges.endWords);
    r = ParseRobotFile(saved.bytes);
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(r.program.Memo, QStringLiteral(u"before\r\nＥＮＤ\r\n300\r\nafter"));
    EXPECT_EQ(r.program.HScroll, 5);
    EXPECT_EQ(r.program.VScroll, 0);

    // An empty memo list gives an empty memo.
    r = parseTail({"END", " 12 ", " 3.5 ", "ignored"});
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(r.program.Memo, "");
    EXPECT_EQ(r.program.HScroll, 12);
    EXPECT_EQ(r.program.VScroll, 4);
}

TEST(RobotFile, BrokenFilesAreRefusedWithTheirReason)
{
    const auto reasonOf = [](const RobotFileReadResult &r) {
        return r.status == Status::Broken ? r.reason : QStringLiteral("not broken");
    };
    // Lines: an icon cell or corner, negative, beyond the lattice; a number beyond 16 bits.
    EXPECT_EQ(reasonOf(parseLines({" 400 "})), LinesBrokenReason);
    EXPECT_EQ(reasonOf(parseLines({" 500 "})), LinesBrokenReason);
    EXPECT_EQ(reasonOf(parseLines({" 399 ,-1 "})), LinesBrokenReason);
    EXPECT_EQ(reasonOf(parseLines({" 5841 "})), LinesBrokenReason);
    EXPECT_EQ(reasonOf(parseLines({" 40000 "})), DataBrokenReason);
    EXPECT_EQ(parseLines({" 5839 , 399 ", "", " 401 "}).status, Status::Ok);

    // Icons: a connector, a corner, outside, one cell twice, bad codes.
    EXPECT_EQ(reasonOf(parseIcons({" 401 ,00 0="})), IconCellBrokenReason);
    EXPECT_EQ(reasonOf(parseIcons({" 500 ,00 0="})), IconCellBrokenReason);
    EXPECT_EQ(reasonOf(parseIcons({"-2 ,00 0="})), IconCellBrokenReason);
    EXPECT_EQ(reasonOf(parseIcons({" 5842 ,00 0="})), IconCellBrokenReason);
    EXPECT_EQ(reasonOf(parseIcons({" 398 ,29 0=", " 398 ,30 0="})), IconCellBrokenReason);
    EXPECT_EQ(reasonOf(parseIcons({" 398 ,31 0="})), IconCodeBrokenReason);
    EXPECT_EQ(reasonOf(parseIcons({" 398 ,-1 0="})), IconCodeBrokenReason);
    EXPECT_EQ(reasonOf(parseIcons({" 70000 ,00 0="})), DataBrokenReason);
    EXPECT_EQ(parseIcons({" 5840 ,30 0="}).status, Status::Ok);

    // Exactly 100 icon lines are read; a 101st is refused.
    QStringList icons;
    for (int i = 0; i < IconSlotLimit; ++i)
        icons << QStringLiteral(" %1 ,13 0=").arg(RowOffset(i / 50) + 2 * (i % 50));
    const RobotFileReadResult hundred = parseIcons(icons);
    ASSERT_EQ(hundred.status, Status::Ok);
    EXPECT_EQ(hundred.program.SlotCount, 100);
    icons << QStringLiteral(" %1 ,13 0=").arg(RowOffset(2));
    EXPECT_EQ(reasonOf(parseIcons(icons)), DataBrokenReason);

    // Scroll positions outside the scroll bars, or a file that ends early.
    EXPECT_EQ(parseTail({"m", "END", " 2950 ", " 1770 "}).status, Status::Ok);
    EXPECT_EQ(reasonOf(parseTail({"m", "END", " 2951 ", " 0 "})), DataBrokenReason);
    EXPECT_EQ(reasonOf(parseTail({"m", "END", " 0 ", " 1771 "})), DataBrokenReason);
    EXPECT_EQ(reasonOf(parseTail({"m", "END", "-1 ", " 0 "})), DataBrokenReason);
    EXPECT_EQ(reasonOf(parseTail({"m", "END", " 0 "})), DataBrokenReason);
    EXPECT_EQ(reasonOf(parseTail({"m", "more"})), DataBrokenReason);
    EXPECT_EQ(reasonOf(ParseRobotFile(cp932Lines({RobotFileHeader, " 399 "}))), DataBrokenReason);
    EXPECT_EQ(reasonOf(ParseRobotFile(cp932Lines({RobotFileHeader, "", "END", " 398 "}))),
              DataBrokenReason);
    EXPECT_EQ(reasonOf(ParseRobotFile(QByteArray())), DataBrokenReason);

    const RobotFileReadResult broken = parseLines({" 400 "});
    EXPECT_EQ(RobotFileRefusalText(broken, false),
              QStringLiteral(u"ファイルが壊れています　　\r接続線座標が異常です"));
    EXPECT_EQ(RobotFileRefusalText(broken, true), RobotFileRefusalText(broken, false));
}

TEST(RobotFile, AnotherHeaderIsAForeignFile)
{
    const RobotFileReadResult r
        = ParseRobotFile(cp932Lines({"Quorvel50 E", "", "END", "END", "m", "END", " 0 ", " 0 "}));
    EXPECT_EQ(r.status, Status::ForeignHeader);
    EXPECT_EQ(RobotFileRefusalText(r, false),
              QStringLiteral(u"このファイルは異なった言語で作成されています。\r"
                             u"ロボットが正常に動かない可能性があります。\r"
                             u"プログラムを新規作成してください。"));
    EXPECT_TRUE(RobotFileRefusalText(r, true).endsWith(u"\rプログラムの差込を中止します。"));
    EXPECT_EQ(ParseRobotFile("Quorvel50 J,more\r\n").status, Status::Broken);
    EXPECT_EQ(ParseRobotFile("Quorvel50\r\n").status, Status::ForeignHeader);
}

TEST(RobotFile, JisLookAlikesAreWrittenAsTheirCodePageBytes)
{
    // Each character under its JIS name and under the name code page 932 reads it back as.
    struct LookAlike
    {
        char16_t jis;
        char16_t windows;
        QByteArray bytes;
    };
    const LookAlike lookAlikes[] = {
        {u'\u301C', u'\uFF5E', "\x81\x60"}, {u'\u2016', u'\u2225', "\x81\x61"},
        {u'\u2212', u'\uFF0D', "\x81\x7C"}, {u'\u00A2', u'\uFFE0', "\x81\x91"},
        {u'\u00A3', u'\uFFE1', "\x81\x92"}, {u'\u00AC', u'\uFFE2', "\x81\xCA"},
        {u'\u2014', u'\u2015', "\x81\x5C"}, {u'\u00A5', u'\\', "\x5C"},
        {u'\u203E', u'~', "\x7E"},
    };
    WorkingProgram p = WorkingProgram::newProgram();
    for (const LookAlike &l : lookAlikes) {
        for (const char16_t c : {l.jis, l.windows}) {
            p.Memo = QStringLiteral("<") + QChar(c) + QStringLiteral(">");
            const RobotFileEncoding encoding = EncodeRobotFile(p);
            EXPECT_TRUE(encoding.memoChanges.replacedCharacters.isEmpty()) << int(c);
            EXPECT_TRUE(encoding.bytes.contains("\r\n<" + l.bytes + ">\r\nEND\r\n")) << int(c);
            const RobotFileReadResult r = ParseRobotFile(encoding.bytes);
            ASSERT_EQ(r.status, Status::Ok);
            EXPECT_EQ(r.program.Memo, QStringLiteral("<") + QChar(l.windows) + QStringLiteral(">"))
                << int(c);
        }
    }
    // Their neighbours in the code page are untouched: the full-width yen and the wave dash's
    // look-alike in the middle of a line of kana.
    p.Memo = QStringLiteral(u"￥100　あ〜い");
    const RobotFileEncoding mixed = EncodeRobotFile(p);
    EXPECT_TRUE(mixed.memoChanges.replacedCharacters.isEmpty());
    EXPECT_EQ(ParseRobotFile(mixed.bytes).program.Memo, QStringLiteral(u"￥100　あ～い"));
}

TEST(RobotFile, CharactersOutsideTheCodePageAreReplacedAndReported)
{
    WorkingProgram p = WorkingProgram::newProgram();
    p.Memo = QStringLiteral(u"café € ") + QString::fromUcs4(U"\U0001F600") + QStringLiteral(u"！");
    const RobotFileEncoding encoding = EncodeRobotFile(p);
    EXPECT_EQ(encoding.memoChanges.replacedCharacters,
              QStringLiteral(u"é€") + QString::fromUcs4(U"\U0001F600"));
    const RobotFileReadResult r = ParseRobotFile(encoding.bytes);
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(r.program.Memo, QStringLiteral(u"caf？ ？ ？！"));

    // Control codes keep their bytes.
    p.Memo = QStringLiteral("a\x1a\x1c\x7f\x01z");
    const QByteArray controls = EncodeRobotFile(p).bytes;
    EXPECT_TRUE(controls.contains("\r\na\x1a\x1c\x7f\x01z\r\nEND\r\n"));
    const RobotFileReadResult controlsBack = ParseRobotFile(controls);
    ASSERT_EQ(controlsBack.status, Status::Ok);
    EXPECT_EQ(controlsBack.program.Memo, p.Memo);

    // Bytes that are not code page 932 still open; the memo shows a substitute.
    QByteArray damaged = fileOf({""}, PlainIcons, PlainTail);
    damaged.replace("memo", "me\xff\x81");
    const RobotFileReadResult opened = ParseRobotFile(damaged);
    ASSERT_EQ(opened.status, Status::Ok);
    EXPECT_TRUE(opened.program.Memo.startsWith(u"me"));
    EXPECT_EQ(opened.program.SlotCount, 2);
}

TEST(RobotFile, TheTableReadsEveryCharacterAsTheConverterDoes)
{
    // Every byte and every pair of bytes: the table reads what the converter reads, or leaves
    // them to the converter when it would not read characters there. ASCII is ASCII (the reader
    // keeps the three control codes the converter swaps, never part of a two-byte character).
    const auto swapped = [](int b) {
        return b == 0x1a || b == 0x1c || b == 0x7f;
    };
    int characters = 0;
    for (int first = 0; first < 256; ++first) {
        for (int second = -1; second < 256; ++second) {
            QByteArray bytes(1, char(first));
            if (second >= 0)
                bytes += char(second);
            const std::optional<QString> table = DecodeCodePage932(bytes);
            if (swapped(first) || swapped(second)) {
                if (first < 0x80 && second < 0x80) {
                    EXPECT_EQ(table, std::optional<QString>(QString::fromLatin1(bytes)));
                }
                continue;
            }
            QStringDecoder converter("CP932", QStringConverter::Flag::Stateless);
            const QString reference = converter.decode(bytes);
            if (converter.hasError() || reference.contains(QChar::ReplacementCharacter)) {
                EXPECT_FALSE(table) << first << ' ' << second;
            } else {
                ASSERT_EQ(table, std::optional<QString>(reference)) << first << ' ' << second;
                characters += second >= 0 && reference.size() == 1;
            }
        }
    }
    EXPECT_GT(characters, 7900); // the two-byte characters
}

TEST(RobotFile, WritingReplacesTheWholeFileOrNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("program.qvk"));

    WorkingProgram big = WorkingProgram::newProgram();
    big.Memo = QString(5000, u'x');
    RobotFileWriteResult w = WriteRobotFile(big, path);
    ASSERT_TRUE(w.ok) << w.error.toStdString();
    const WorkingProgram small = LoadSlotText(BuiltInSampleSet(1).programs[0]);
    w = WriteRobotFile(small, path);
    ASSERT_TRUE(w.ok);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), EncodeRobotFile(small).bytes);
    file.close();

    const RobotFileReadResult read = ReadRobotFile(path);
    ASSERT_EQ(read.status, Status::Ok);
    EXPECT_EQ(read.program, small);

    // No such directory: refused with the system's reason, nothing created.
    const QString nowhere = dir.filePath(QStringLiteral("missing/program.qvk"));
    w = WriteRobotFile(small, nowhere);
    EXPECT_FALSE(w.ok);
    EXPECT_FALSE(w.error.isEmpty());
    EXPECT_FALSE(QFile::exists(nowhere));
    // A folder in the file's place.
    EXPECT_FALSE(WriteRobotFile(small, dir.path()).ok);
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());

    const RobotFileReadResult missing = ReadRobotFile(nowhere);
    EXPECT_EQ(missing.status, Status::CannotOpen);
    EXPECT_FALSE(missing.systemError.isEmpty());
    EXPECT_EQ(RobotFileRefusalText(missing, false),
              QStringLiteral(u"ファイルが有りません　　\r確認してください。"));
    EXPECT_EQ(ReadRobotFile(dir.path()).status, Status::CannotOpen);
}

TEST(RobotFile, AFileInAReadOnlyFolderStaysIntact)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("kept.qvk"));
    const WorkingProgram original = WorkingProgram::newProgram();
    ASSERT_TRUE(WriteRobotFile(original, path).ok);
    const QByteArray before = EncodeRobotFile(original).bytes;

    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const RobotFileWriteResult inFolder
        = WriteRobotFile(LoadSlotText(BuiltInSampleSet(2).programs[0]), path);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(inFolder.ok);
    EXPECT_FALSE(inFolder.error.isEmpty());

    QFile::setPermissions(path, QFile::ReadOwner);
    const RobotFileWriteResult readOnly
        = WriteRobotFile(LoadSlotText(BuiltInSampleSet(2).programs[0]), path);
    EXPECT_FALSE(readOnly.ok);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST(RobotFile, EveryFileThatCannotBeReadSaysWhy)
{
    QTemporaryDir dir;
    const auto path = [&dir](const QString &name) {
        return dir.filePath(name);
    };
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(u"fifo.qvk"_s)).constData(), 0644), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"folder.qvk"_s));
    QFile large(path(u"large.qvk"_s));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly)
                && large.write(QByteArray(RobotFileSizeLimit + 1, ' ')));
    large.close();
    QFile huge(path(u"huge.png"_s));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(RobotPictureSizeLimit + 1));
    huge.close();
    const QString cannot = u"ファイルを読み出せません　　\r"_s;
    const QString tooLarge
        = u"ファイルが大きすぎます　　\rロボットファイルは128KB、画像は16MBまでです。"_s;
    const std::pair<QString, QString> cases[] = {
        {path(u"gone.qvk"_s), u"ファイルが有りません　　\r確認してください。"_s},
        {path(u"folder.qvk"_s), cannot + u"フォルダです。"_s},
        {path(u"fifo.qvk"_s), cannot + u"通常のファイルではありません。"_s},
        {path(QString(300, u'n') + u".qvk"_s), cannot + u"ファイル名が長すぎます。"_s},
        {path(u"large.qvk"_s), tooLarge},
        {path(u"huge.png"_s), tooLarge},
    };
    for (const auto &[file, text] : cases)
        EXPECT_EQ(RobotFileRefusalText(ReadRobotFile(file), false), text) << file.toStdString();
}
