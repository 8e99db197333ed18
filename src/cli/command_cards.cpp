#include "cli/cliarguments.h"
#include "cli/clicommands.h"
#include "cli/picturecommands.h"

#include "model/filewriter.h"
#include "picture/iconcards.h"

#include <QFileInfo>

namespace zuvo::cli {

// Writes the sheet of icon cards as an A4 PDF.
int commandCards(const QStringList &args, QTextStream &out, QTextStream &err)
{
    CommandParser parser(CardsSyntax);
    parser.addOption(
        {QStringLiteral("o"), QStringLiteral("the PDF to write"), QStringLiteral("OUT.pdf")});
    if (const auto done = parser.parse(args, out, err))
        return *done;
    const QString outputPath = parser.value(QStringLiteral("o"));
    if (!parser.positionalArguments().isEmpty() || outputPath.isEmpty())
        return parser.refuse(err, QStringLiteral("expected -o OUT.pdf"));
    if (QFileInfo(outputPath).suffix().toLower() != u"pdf") {
        ReportFileError(err, outputPath, QStringLiteral(u"名前の終わりを .pdf にしてください。"));
        return ExitUsage;
    }
    const QByteArray pdf = RenderIconCardsPdf();
    const FileWriteResult written = pdf.isEmpty()
        ? FileWriteResult {false, QStringLiteral(u"カードを作れませんでした。")}
        : WriteWholeFile(outputPath, pdf);
    if (!written.ok) {
        ReportFileError(err, outputPath, written.reason);
        return ExitUsage;
    }
    out << QStringLiteral("%1: %2 cards on %3 pages")
               .arg(outputPath)
               .arg(IconCardCodes().size())
               .arg(IconCardPageCount())
        << Qt::endl;
    return ExitOk;
}

} // namespace zuvo::cli
