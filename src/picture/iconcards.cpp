#include "picture/iconcards.h"

#include "art/iconpicture.h"
#include "model/iconcatalogue.h"
#include "picture/gridpainter.h"
#include "picture/programpicture.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

namespace zuvo {

namespace {

// Tenths of a millimetre on A4.
constexpr int PaperWidth = 2100;
constexpr int PaperHeight = 2970;
constexpr int CardWidth = 580;
constexpr int CardHeight = 620;
constexpr int Gutter = 60; // between cards: room for the cut marks and an uneven cut
constexpr int MarkLength = 40;
constexpr int MarkGap = 10; // a cut mark stops short of the card's corner
constexpr int SheetWidth = CardColumns * CardWidth + (CardColumns - 1) * Gutter;
constexpr int SheetHeight = CardRows * CardHeight + (CardRows - 1) * Gutter;
constexpr int SheetLeft = (PaperWidth - SheetWidth) / 2;
constexpr int SheetTop = (PaperHeight - SheetHeight) / 2 - 40;
constexpr int BandHeight = 110;
constexpr int ArtSize = 320;
constexpr int Radius = 30;

// The colour of an icon's drawing: its outline, the first solid pixel from the top in the
// middle of a small rendering.
QColor familyColour(int code)
{
    const QPixmap pixmap = iconPicture(code, GridPictureSize, 1.0);
    const QImage image = pixmap.toImage();
    for (int y = 0; y < image.height(); ++y) {
        const QColor c = image.pixelColor(image.width() / 2, y);
        if (c.alpha() > 200)
            return c;
    }
    return QColor(90, 90, 90);
}

// `colour` taken `amount` (0..1) of the way to white: the card's pale body.
QColor towardsWhite(const QColor &colour, qreal amount)
{
    const auto mix = [amount](int c) {
        return int(c + (255 - c) * amount);
    };
    return QColor(mix(colour.red()), mix(colour.green()), mix(colour.blue()));
}

QStringList descriptionLines(int code)
{
    QString text = IconHelpText(code);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text.split(u'\n', Qt::SkipEmptyParts);
}

// The largest pixel size up to `size` at which `text` fits `width` on one line.
QFont fittingFont(const QString &text, int size, int width, bool bold)
{
    QFont font = PictureFont(size, bold);
    while (size > 10 && QFontMetrics(font).horizontalAdvance(text) > width) {
        size -= 2;
        font = PictureFont(size, bold);
    }
    return font;
}

void paintCard(QPainter &painter, const QRect &card, int code)
{
    const QColor colour = familyColour(code);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath outline;
    outline.addRoundedRect(QRectF(card), Radius, Radius);
    painter.fillPath(outline, QColor(255, 255, 255));
    painter.save();
    painter.setClipPath(outline);
    painter.fillRect(QRect(card.left(), card.top(), card.width(), BandHeight), colour);
    painter.fillRect(
        QRect(card.left(), card.top() + BandHeight, card.width(), card.height() - BandHeight),
        towardsWhite(colour, 0.86));
    painter.restore();
    painter.setPen(QPen(colour.darker(130), 6));
    painter.drawPath(outline);

    const QString name = QString::fromUtf16(iconInfo(code).japaneseName);
    const QRect band(card.left() + 30, card.top(), card.width() - 60, BandHeight);
    // The Japanese font has no bold face; a drawn-bold one smears at print sizes.
    painter.setFont(fittingFont(name, 58, band.width(), false));
    painter.setPen(Qt::white);
    painter.drawText(band, Qt::AlignCenter | Qt::TextSingleLine, name);

    const QRect art(card.left() + (card.width() - ArtSize) / 2, card.top() + BandHeight + 36,
                    ArtSize, ArtSize);
    paintIconArtwork(painter, QRectF(art), code);

    const QStringList lines = descriptionLines(code);
    const QRect text(card.left() + 24, art.bottom() + 34, card.width() - 48,
                     card.bottom() - art.bottom() - 50);
    int y = text.top();
    for (int i = 0; i < lines.size() && i < 2; ++i) {
        const QFont font = fittingFont(lines[i], i == 0 ? 36 : 32, text.width(), false);
        painter.setFont(font);
        painter.setPen(i == 0 ? QColor(30, 30, 30) : QColor(90, 90, 90));
        const int height = QFontMetrics(font).height();
        painter.drawText(QRect(text.left(), y, text.width(), height),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, lines[i]);
        y += height + 8;
    }
    painter.restore();
}

// L-shaped marks just outside each corner of a card, along the lines to cut.
void paintCutMarks(QPainter &painter, const QRect &card)
{
    painter.save();
    painter.setPen(QPen(QColor(60, 60, 60), 3));
    const int l = card.left(), r = card.right() + 1, t = card.top(), b = card.bottom() + 1;
    for (const QPoint corner : {QPoint(l, t), QPoint(r, t), QPoint(l, b), QPoint(r, b)}) {
        const int dx = corner.x() == l ? -1 : 1;
        const int dy = corner.y() == t ? -1 : 1;
        // A horizontal mark on the card's edge line, outside it, and a vertical one.
        painter.drawLine(corner + QPoint(dx * MarkGap, 0),
                         corner + QPoint(dx * (MarkGap + MarkLength / 2 + 4), 0));
        painter.drawLine(corner + QPoint(0, dy * MarkGap),
                         corner + QPoint(0, dy * (MarkGap + MarkLength / 2 + 4)));
    }
    painter.restore();
}

} // namespace

QList<int> IconCardCodes()
{
    LoadIconCatalogue();
    QList<int> codes {IconBegin};
    for (int row = 1; row <= TrayRows; ++row)
        for (int column = 1; column <= TrayColumns; ++column)
            if (const int code = iconAtTrayPlace(row, column); code >= 0)
                codes << code;
    codes << IconEnd;
    return codes;
}

int IconCardPageCount()
{
    return (IconCardCodes().size() + CardsPerPage - 1) / CardsPerPage;
}

void UseTenthsOfMillimetre(QPainter &painter, const QRect &paper)
{
    painter.setViewport(paper);
    painter.setWindow(0, 0, PaperWidth, PaperHeight);
}

void PaintIconCardPage(QPainter &painter, int page)
{
    const QList<int> codes = IconCardCodes();
    painter.fillRect(QRect(0, 0, PaperWidth, PaperHeight), Qt::white);
    for (int i = 0; i < CardsPerPage; ++i) {
        const int index = page * CardsPerPage + i;
        if (index < 0 || index >= codes.size())
            break;
        const QRect card(SheetLeft + (i % CardColumns) * (CardWidth + Gutter),
                         SheetTop + (i / CardColumns) * (CardHeight + Gutter), CardWidth,
                         CardHeight);
        paintCutMarks(painter, card);
        paintCard(painter, card, codes[index]);
    }
    painter.save();
    painter.setFont(PictureFont(30));
    painter.setPen(QColor(120, 120, 120));
    painter.drawText(QRect(SheetLeft, SheetTop + SheetHeight + 60, SheetWidth, 60),
                     Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral(u"Zuvomatic アイコンカード　%1 / %2　（角の線で切り取ります）")
                         .arg(page + 1)
                         .arg(IconCardPageCount()));
    painter.restore();
}

QByteArray RenderIconCardsPdf()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(300);
        writer.setTitle(QStringLiteral(u"Zuvomatic アイコンカード"));
        writer.setCreator(QStringLiteral("Zuvomatic"));
        QPainter painter;
        if (!painter.begin(&writer))
            return QByteArray();
        const QRect paper = writer.pageLayout().fullRectPixels(writer.resolution());
        for (int page = 0; page < IconCardPageCount(); ++page) {
            if (page > 0)
                writer.newPage();
            painter.save();
            UseTenthsOfMillimetre(painter, QRect(QPoint(0, 0), paper.size()));
            PaintIconCardPage(painter, page);
            painter.restore();
        }
        painter.end();
    }
    return bytes;
}

} // namespace zuvo
