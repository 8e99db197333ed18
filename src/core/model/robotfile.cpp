#include "model/robotfile.h"

#include "model/codepage932.h"
#include "model/codepage932twins.h"
#include "model/filereader.h"
#include "model/filewriter.h"
#include "model/iconcatalogue.h"
#include "model/linebreaks.h"
#include "model/numbers.h"
#include "model/parameterstring.h"
#include "model/pngprogram.h"
#include "model/programtext.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <algorithm>
#include <optional>

namespace zuvo {

namespace {

const char *const CodePage = "CP932";
const QString LineBreak = QStringLiteral("\r\n");
const QString Replacement = QStringLiteral(u"？");
constexpr int LinesPerFileLine = 20;

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// Splits the file's text into fields: a field ends at a comma or a line end, leading blanks are
// skipped, and a field opened by a double quote runs to the next double quote.
class FieldReader
{
public:
    explicit FieldReader(const QString &text)
        : m_text(text)
    {
    }

    // The next field; nothing once the text is used up.
    std::optional<QString> next()
    {
        const qsizetype n = m_text.size();
        if (m_pos >= n)
            return std::nullopt;
        while (m_pos < n && m_text[m_pos] == u' ')
            ++m_pos;
        QString field;
        if (m_pos < n && m_text[m_pos] == u'"') {
            const qsizetype close = m_text.indexOf(u'"', m_pos + 1);
            if (close < 0) {
                // A quote never closed (a memo line that starts with one) ends with its line;
                // running on to the end of the text it would swallow the memo's end and the
                // scroll positions, and the saved program would not open again.
                const qsizetype start = m_pos + 1;
                m_pos = start;
                while (m_pos < n && !isLineEnd(m_text[m_pos]))
                    ++m_pos;
                field = m_text.mid(start, m_pos - start);
                skipDelimiter();
                return field;
            }
            field = m_text.mid(m_pos + 1, close - m_pos - 1);
            m_pos = close + 1;
            while (m_pos < n && m_text[m_pos] != u',' && !isLineEnd(m_text[m_pos]))
                ++m_pos; // text after the closing quote belongs to no field
        } else {
            const qsizetype start = m_pos;
            while (m_pos < n && m_text[m_pos] != u',' && !isLineEnd(m_text[m_pos]))
                ++m_pos;
            field = m_text.mid(start, m_pos - start);
        }
        skipDelimiter();
        return field;
    }

private:
    void skipDelimiter()
    {
        const qsizetype n = m_text.size();
        if (m_pos >= n)
            return;
        if (m_text[m_pos] == u',') {
            ++m_pos;
        } else if (m_text[m_pos] == u'\r') {
            ++m_pos;
            if (m_pos < n && m_text[m_pos] == u'\n')
                ++m_pos;
        } else if (m_text[m_pos] == u'\n') {
            ++m_pos;
        }
    }

    QString m_text;
    qsizetype m_pos = 0;
};

std::optional<int> number16(const QString &field)
{
    const long long v = ReadTokenNumber(field);
    if (v < -32768 || v > 32767)
        return std::nullopt;
    return int(v);
}

CellKind kindOfIndex(int cellIndex)
{
    return cellKind(CellX(cellIndex), CellY(cellIndex));
}

RobotFileReadResult tooLarge()
{
    RobotFileReadResult result;
    result.status = RobotFileReadResult::Status::TooLarge;
    return result;
}

RobotFileReadResult broken(const QString &reason)
{
    RobotFileReadResult result;
    result.status = RobotFileReadResult::Status::Broken;
    result.reason = reason;
    return result;
}

// Steps through the lists after the header into a staging program; returns the reason of the
// first fault, or an empty string.
QString readLists(FieldReader &reader, WorkingProgram &staging)
{
    while (true) {
        const std::optional<QString> field = reader.next();
        if (!field)
            return DataBrokenReason;
        if (*field == ListEnd)
            break;
        if (field->isEmpty())
            continue;
        const std::optional<int> v = number16(*field);
        if (!v)
            return DataBrokenReason;
        if (*v < 0 || *v > LastCellIndex || !isConnector(kindOfIndex(*v)))
            return LinesBrokenReason;
        staging.CellContent.atIndex(*v) = LineCell;
    }

    int pairs = 0;
    while (true) {
        const std::optional<QString> cellField = reader.next();
        if (!cellField)
            return DataBrokenReason;
        if (*cellField == ListEnd)
            break;
        if (pairs == IconSlotLimit)
            return DataBrokenReason;
        const std::optional<int> v = number16(*cellField);
        if (!v)
            return DataBrokenReason;
        if (*v < 0 || *v > LastCellIndex || kindOfIndex(*v) != CellKind::Icon
            || staging.CellContent.atIndex(*v) != EmptyCell)
            return IconCellBrokenReason;
        const std::optional<QString> params = reader.next();
        if (!params)
            return DataBrokenReason;
        // Only a quoted field can hold these. A comma or a line break would split the program
        // text at the next switch of program slots and the file at the next save; leading blanks
        // would be lost at the next save, changing the IconCode read from the first characters.
        if (params->contains(u',') || params->contains(u'\r') || params->contains(u'\n')
            || params->startsWith(u' ') || params->size() > RobotFileParamsLimit)
            return DataBrokenReason;
        const int code = ParamsIconCode(*params);
        if (!isValidIconCode(code))
            return IconCodeBrokenReason;
        staging.CellContent.atIndex(*v) = IconCellContent(code, pairs);
        staging.SlotCell[pairs] = qint16(*v);
        staging.SlotParams[pairs] = *params;
        ++pairs;
    }
    staging.SlotCount = pairs;

    std::optional<QString> field = reader.next();
    if (!field)
        return DataBrokenReason;
    if (*field != ListEnd) {
        QString memo = *field;
        while (true) {
            field = reader.next();
            if (!field)
                return DataBrokenReason;
            if (*field == ListEnd)
                break;
            memo += LineBreak + *field;
            if (memo.size() > MemoCharacterLimit)
                return DataBrokenReason;
        }
        if (memo.size() > MemoCharacterLimit)
            return DataBrokenReason;
        staging.Memo = memo;
    }

    const std::optional<QString> hField = reader.next();
    const std::optional<QString> vField = reader.next();
    if (!hField || !vField)
        return DataBrokenReason;
    const std::optional<int> h = number16(*hField);
    const std::optional<int> v = number16(*vField);
    if (!h || !v || *h < 0 || *h > HScrollLimit || *v < 0 || *v > VScrollLimit)
        return DataBrokenReason;
    staging.HScroll = *h;
    staging.VScroll = *v;
    return QString();
}

// The length of the memo read back from the written text up to end: a comma reads back as a
// line break (CR LF).
qsizetype cutForReadBack(const QString &text)
{
    qsizetype length = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        length += text[i] == u',' ? 2 : 1;
        if (length <= MemoCharacterLimit)
            continue;
        qsizetype cut = i;
        // Neither half of a surrogate pair nor of a CR LF stays alone.
        if (cut > 0 && text[cut - 1].isHighSurrogate())
            --cut;
        if (cut > 0 && text[cut - 1] == u'\r')
            --cut;
        return cut;
    }
    return text.size();
}

// The memo as the file can hold it: CR LF between lines, no field that would read back as the
// end of the memo list or as a quoted field, and no longer than the reader takes.
QString fileWorthyMemo(const QString &memo, MemoChanges &changes)
{
    QString text = WithLineBreaks(memo, LineBreak);
    const qsizetype cut = cutForReadBack(text);
    if (cut < text.size()) {
        text.truncate(cut);
        changes.shortened = true;
    }
    const qsizetype n = text.size();
    for (qsizetype start = 0; start <= n;) {
        qsizetype p = start;
        while (p < n && text[p] == u' ')
            ++p;
        qsizetype end = p;
        while (end < n && text[end] != u',' && !isLineEnd(text[end]))
            ++end;
        if (p < n && text[p] == u'"') {
            text[p] = QChar(u'＂');
            changes.quotes = true;
        } else if (QStringView(text).sliced(p, end - p) == ListEnd) {
            text.replace(p, ListEnd.size(), QStringLiteral(u"ＥＮＤ"));
            changes.endWords = true;
        }
        if (end >= n)
            break;
        start = end + (text[end] == u'\r' && end + 1 < n && text[end + 1] == u'\n' ? 2 : 1);
    }
    return text;
}

// Code page 932 keeps every byte below 0x80 as the ASCII character, but the ICU table behind
// QStringEncoder("CP932") swaps the control codes 0x1A, 0x1C and 0x7F; ASCII is therefore
// converted here and only the rest goes through the table.
bool isAscii(QChar c)
{
    return c.unicode() < 0x80;
}

// Encodes characters none of which is ASCII; each one the code page lacks is written as "？"
// and listed.
QByteArray encodeNonAscii(QStringView text, QString &replaced)
{
    QStringEncoder encoder(CodePage);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError())
        return bytes;

    bytes.clear();
    static const QByteArray replacementBytes = QStringEncoder(CodePage).encode(Replacement);
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length
            = (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ? 2
            : 1;
        const QStringView character = text.mid(i, length);
        // A fresh encoder per character, so that one failure does not mark the next.
        QStringEncoder single(CodePage);
        const QByteArray encoded = single.encode(character);
        if (single.hasError()) {
            replaced += character;
            bytes += replacementBytes;
        } else {
            bytes += encoded;
        }
        i += length;
    }
    return bytes;
}

QByteArray encodeCp932(const QString &text, QString &replaced)
{
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size();) {
        qsizetype end = i;
        const bool ascii = isAscii(text[i]);
        while (end < text.size() && isAscii(text[end]) == ascii)
            ++end;
        const QStringView run = QStringView(text).mid(i, end - i);
        bytes += ascii ? run.toLatin1() : encodeNonAscii(run, replaced);
        i = end;
    }
    return bytes;
}

bool isSwappedControlByte(char b)
{
    return b == 0x1a || b == 0x1c || b == 0x7f;
}

// Bytes that are not code page 932 come out as U+001A. The swapped control codes are never part
// of a two-byte character, so the text is decoded in pieces between them.
QString decodeCp932(const QByteArray &bytes)
{
    QString text;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && !isSwappedControlByte(bytes[i]))
            continue;
        if (i > start) {
            QStringDecoder decoder(CodePage, QStringConverter::Flag::Stateless);
            QString piece = decoder.decode(QByteArrayView(bytes).sliced(start, i - start));
            // Two-byte codes the code page leaves unassigned come out as U+FFFD, which it could
            // not write back.
            piece.replace(QChar::ReplacementCharacter, QChar(u'\x1a'));
            text += piece;
        }
        if (i < bytes.size())
            text += QChar(char16_t(bytes[i]));
        start = i + 1;
    }
    return text;
}

} // namespace

RobotFileReadResult ParseRobotFile(const QByteArray &bytes)
{
    // A file of characters only, as files are, is read by the table, without the converter.
    std::optional<QString> text = DecodeCodePage932(bytes);
    if (!text && !QStringDecoder(CodePage).isValid()) {
        RobotFileReadResult result;
        result.status = RobotFileReadResult::Status::CannotOpen;
        result.systemError = QStringLiteral("code page 932 is not available");
        return result;
    }
    FieldReader reader(text ? *std::move(text) : decodeCp932(bytes));

    const std::optional<QString> header = reader.next();
    if (!header)
        return broken(DataBrokenReason);
    if (*header != RobotFileHeader) {
        RobotFileReadResult result;
        result.status = RobotFileReadResult::Status::ForeignHeader;
        return result;
    }

    RobotFileReadResult result;
    const QString reason = readLists(reader, result.program);
    if (!reason.isEmpty())
        return broken(reason);
    return result;
}

RobotFileReadResult ReadRobotFile(const QString &path)
{
    // A picture carrying a program is larger than the program itself.
    const FileReadResult read = ReadWholeFile(path, RobotPictureSizeLimit);
    if (read.tooLarge)
        return tooLarge();
    if (!read.ok) {
        RobotFileReadResult result;
        result.status = RobotFileReadResult::Status::CannotOpen;
        result.systemError = read.reason;
        return result;
    }
    return ParseRobotFileOrPicture(read.bytes);
}

RobotFileReadResult ParseRobotFileOrPicture(const QByteArray &bytes)
{
    if (!LooksLikePng(bytes))
        return bytes.size() > RobotFileSizeLimit ? tooLarge() : ParseRobotFile(bytes);
    const PngProgramResult picture = ExtractProgramFromPng(bytes);
    RobotFileReadResult result;
    switch (picture.status) {
    case PngProgramResult::Status::Found:
        if (picture.robotFile.size() > RobotFileSizeLimit)
            return tooLarge();
        result = ParseRobotFile(picture.robotFile);
        // Our chunk holding bytes that are no robot file at all: the picture is damaged, it was
        // not made by another edition of the program.
        if (result.status == RobotFileReadResult::Status::ForeignHeader
            && !picture.robotFile.startsWith(RobotFileHeader.left(7).toLatin1())) {
            result.status = RobotFileReadResult::Status::PictureDamaged;
            result.reason = PictureHoldsNoProgramReason;
        }
        return result;
    case PngProgramResult::Status::NoProgram:
        result.status = RobotFileReadResult::Status::PictureWithoutProgram;
        return result;
    case PngProgramResult::Status::Damaged:
        result.status = RobotFileReadResult::Status::PictureDamaged;
        result.reason = picture.reason;
        return result;
    }
    return result;
}

RobotFileEncoding EncodeRobotFile(const WorkingProgram &program)
{
    QString text = RobotFileHeader + LineBreak;

    int lines = 0;
    for (int y = 0; y < LatticeRows; ++y) {
        for (int x = 0; x < LatticeColumns; ++x) {
            if (!program.holdsLine(x, y))
                continue;
            if (lines % LinesPerFileLine != 0)
                text += u',';
            text += NumericPrintFormat(CellIndex(x, y));
            ++lines;
            if (lines % LinesPerFileLine == 0)
                text += LineBreak;
        }
    }
    text += LineBreak + ListEnd + LineBreak;

    const int count = std::clamp(program.SlotCount, 0, IconSlotLimit);
    for (int slot = 0; slot < count; ++slot)
        if (program.SlotCell[slot] >= 0)
            text += NumericPrintFormat(program.SlotCell[slot]) + u',' + program.SlotParams[slot]
                + LineBreak;
    text += ListEnd + LineBreak;

    RobotFileEncoding encoding;
    text += fileWorthyMemo(program.Memo, encoding.memoChanges) + LineBreak + ListEnd + LineBreak;
    text += NumericPrintFormat(program.HScroll) + LineBreak;
    text += NumericPrintFormat(program.VScroll) + LineBreak;

    encoding.bytes
        = encodeCp932(WithCodePage932Twins(text), encoding.memoChanges.replacedCharacters);
    return encoding;
}

RobotFileWriteResult WriteRobotFile(const WorkingProgram &program, const QString &path)
{
    RobotFileWriteResult result;
    const RobotFileEncoding encoding = EncodeRobotFile(program);
    result.memoChanges = encoding.memoChanges;
    const RobotFileReadResult readBack = ParseRobotFile(encoding.bytes);
    if (readBack.status != RobotFileReadResult::Status::Ok) {
        result.error = QStringLiteral(u"このプログラムはファイルに書けません（")
            + RobotFileRefusalText(readBack, false).section(u'\r', -1) + u'）';
        return result;
    }
    const FileWriteResult written = WriteWholeFile(path, encoding.bytes);
    result.ok = written.ok;
    result.error = written.reason;
    return result;
}

QString MemoChangesText(const MemoChanges &changes)
{
    QStringList lines;
    if (!changes.replacedCharacters.isEmpty())
        lines << QStringLiteral(u"メモの次の文字は保存できないため「？」に置き換えました。")
              << changes.replacedCharacters;
    if (changes.endWords)
        lines << QStringLiteral(u"メモの「END」だけの行は、読み出すとメモの終わりになるため"
                                u"「ＥＮＤ」として保存しました。");
    if (changes.quotes)
        lines << QStringLiteral(u"メモの行頭の「\"」は、読み出すと消えるため"
                                u"「＂」として保存しました。");
    if (changes.shortened)
        lines << QStringLiteral(u"メモが長すぎるため、%1文字を超える部分を保存しませんでした。")
                     .arg(MemoCharacterLimit);
    return lines.join(u'\r');
}

QString TooLargeDetail()
{
    return QStringLiteral(u"ロボットファイルは%1KB、画像は%2MBまでです。")
        .arg(RobotFileSizeLimit / 1024)
        .arg(RobotPictureSizeLimit / (1024 * 1024));
}

QString RobotFileRefusalText(const RobotFileReadResult &result, bool forInsert)
{
    using Status = RobotFileReadResult::Status;
    switch (result.status) {
    case Status::Ok:
        return QString();
    case Status::CannotOpen:
        if (result.systemError.isEmpty() || result.systemError == FileMissingReason)
            return QStringLiteral(u"ファイルが有りません　　\r確認してください。");
        return QStringLiteral(u"ファイルを読み出せません　　\r") + result.systemError + u'。';
    case Status::TooLarge:
        return QStringLiteral(u"ファイルが大きすぎます　　\r") + TooLargeDetail();
    case Status::ForeignHeader:
        return QStringLiteral(u"このファイルは異なった言語で作成されています。\r"
                              u"ロボットが正常に動かない可能性があります。\r")
            + (forInsert ? QStringLiteral(u"プログラムの差込を中止します。")
                         : QStringLiteral(u"プログラムを新規作成してください。"));
    case Status::Broken:
        return QStringLiteral(u"ファイルが壊れています　　\r") + result.reason;
    case Status::PictureWithoutProgram:
        return QStringLiteral(u"この画像にはプログラムが入っていません。　　\r"
                              u"「画像として保存」で作ったPNGファイルを選んでください。");
    case Status::PictureDamaged:
        return QStringLiteral(u"画像ファイルが壊れているため、プログラムを読み出せません。　　\r")
            + result.reason;
    }
    return QString();
}

} // namespace zuvo
