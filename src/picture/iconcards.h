#pragma once
// Icon cards for lessons without a computer: every icon of the tray, BEGIN and END among them,
// as a card with its picture large, its name and its description, twelve to an A4 page with
// cut marks, in colour.

#include <QByteArray>
#include <QList>

class QPainter;
class QRect;

namespace zuvo {

// The icons that become cards, in sheet order: BEGIN, the tray row by row, END.
QList<int> IconCardCodes();

constexpr int CardColumns = 3;
constexpr int CardRows = 4;
constexpr int CardsPerPage = CardColumns * CardRows;

int IconCardPageCount();

// The painter's coordinates for an A4 page in tenths of a millimetre (2100 x 2970), mapped
// onto `paper`, the whole sheet in device units.
void UseTenthsOfMillimetre(QPainter &painter, const QRect &paper);

// Paints page `page` (from 0) of the sheet; the painter measures in tenths of a millimetre.
void PaintIconCardPage(QPainter &painter, int page);

// The whole sheet as an A4 PDF, one page per twelve cards.
QByteArray RenderIconCardsPdf();

} // namespace zuvo
