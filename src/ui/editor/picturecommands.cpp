#include "editor/picturecommands.h"

#include "editor/editormenus.h"
#include "picture/iconcards.h"
#include "picture/pagefit.h"
#include "picture/picturefiles.h"
#include "session/editorprompts.h"
#include "session/editorsession.h"

#include <QAction>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace zuvo {

namespace {

const QString SaveTitle = QStringLiteral(u"画像として保存");
const QString PictureFilter
    = QStringLiteral(u"PNG画像(*.png)|*.png|SVG画像(*.svg)|*.svg|PDF文書(*.pdf)|*.pdf");
// On paper a picture pixel is never larger than this many 96-dpi pixels.
constexpr qreal MaxPrintEnlargement = 2.0;

} // namespace

PictureCommands::PictureCommands(EditorSession &session, EditorPrompts &prompts, EditorMenus &menus,
                                 QWidget *window)
    : QObject(window)
    , m_session(session)
    , m_prompts(prompts)
    , m_grid(menus.item(QStringLiteral(u"マス目も描く")))
    , m_window(window)
{
    connect(menus.item(QStringLiteral(u"画像として保存")), &QAction::triggered, this,
            &PictureCommands::savePicture);
    connect(menus.item(QStringLiteral(u"印刷")), &QAction::triggered, this,
            &PictureCommands::print);
    connect(menus.item(QStringLiteral(u"印刷プレビュー")), &QAction::triggered, this,
            &PictureCommands::printPreview);
    connect(menus.item(QStringLiteral(u"アイコンカードを印刷")), &QAction::triggered, this,
            &PictureCommands::printIconCards);
}

bool PictureCommands::gridWanted() const
{
    return m_grid && m_grid->isChecked();
}

ProgramPicture PictureCommands::currentPicture() const
{
    const int slot = m_session.state().CurrentSlot;
    return ProgramPicture(m_session.program(), m_session.view().tabCaptions[slot], {gridWanted()});
}

void PictureCommands::savePicture()
{
    const QString path
        = m_prompts.chooseSaveFile(SaveTitle, m_session.state().FileDir, PictureFilter);
    if (path.isEmpty())
        return;
    const QString name = QFileInfo(path).fileName();
    if (QFileInfo::exists(path)
        && !m_prompts.askYesNo(SaveTitle,
                               QStringLiteral(u"すでに ") + name
                                   + QStringLiteral(u" は有ります。\r\n書換えてよろしいですか？"),
                               MessageIcon::Warning))
        return;
    const int slot = m_session.state().CurrentSlot;
    const RobotFileWriteResult written = SaveProgramPicture(
        m_session.program(), m_session.view().tabCaptions[slot], {gridWanted()}, path);
    if (!written.ok) {
        m_prompts.showMessage(SaveTitle,
                              QStringLiteral(u"画像を保存できませんでした。　　\r") + name + u'\r'
                                  + written.error,
                              MessageIcon::Warning);
        return;
    }
    if (!written.memoChanges.replacedCharacters.isEmpty())
        m_prompts.showMessage(
            SaveTitle,
            QStringLiteral(u"画像の中のプログラムでは、メモの次の文字を「？」に置き換えました。\r")
                + written.memoChanges.replacedCharacters,
            MessageIcon::Information);
    else if (written.memoChanges.any())
        m_prompts.showMessage(SaveTitle, MemoChangesText(written.memoChanges),
                              MessageIcon::Information);
}

void PictureCommands::preparePrinter(QPrinter &printer) const
{
    const ProgramPicture picture = currentPicture();
    printer.setPageOrientation(SuitedOrientation(picture.size()));
    printer.setDocName(picture.title());
    printer.setFromTo(1, 1);
}

void PictureCommands::paintOnPrinter(QPrinter &printer) const
{
    const ProgramPicture picture = currentPicture();
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const qreal deviceScale = printer.resolution() / 96.0;
    PaintPictureFitted(painter, picture, QRectF(painter.window()),
                       deviceScale * MaxPrintEnlargement);
    painter.end();
}

void PictureCommands::print()
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    QPrintDialog dialog(&printer, m_window);
    dialog.setObjectName(QStringLiteral(u"印刷ダイアログ"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    paintOnPrinter(printer);
}

void PictureCommands::printPreview()
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    QPrintPreviewDialog preview(&printer, m_window);
    preview.setObjectName(QStringLiteral(u"印刷プレビュー画面"));
    preview.setWindowTitle(QStringLiteral(u"印刷プレビュー"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *target) { paintOnPrinter(*target); });
    preview.resize(900, 680);
    preview.exec();
}

void PictureCommands::paintCardsOnPrinter(QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const QRect paper = printer.pageLayout().fullRectPixels(printer.resolution());
    for (int page = 0; page < IconCardPageCount(); ++page) {
        if (page > 0)
            printer.newPage();
        painter.save();
        UseTenthsOfMillimetre(painter, QRect(QPoint(0, 0), paper.size()));
        PaintIconCardPage(painter, page);
        painter.restore();
    }
    painter.end();
}

void PictureCommands::printIconCards()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true); // the sheet keeps its own margins
    printer.setColorMode(QPrinter::Color);
    printer.setDocName(QStringLiteral(u"アイコンカード"));
    QPrintDialog dialog(&printer, m_window);
    dialog.setObjectName(QStringLiteral(u"印刷ダイアログ"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    paintCardsOnPrinter(printer);
}

} // namespace zuvo
