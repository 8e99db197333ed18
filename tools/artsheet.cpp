// artsheet OUTDIR: lays out every picture of the program at its real size on the background it
// is shown on, and writes PNG sheets for looking the artwork over (one sheet at 200 %).
// Runs without a display: QT_QPA_PLATFORM=offscreen artsheet OUTDIR

#include "art/artwork.h"
#include "art/iconpicture.h"
#include "artworkcatalogue.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

using namespace zuvo;

namespace {

const QColor EditorBackground(236, 233, 216);
const QColor CellOutline(160, 160, 160); // button shadow of the default palette
const QString LabelFontFamily = QStringLiteral("IPAGothic");

const int AllIconCodes[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                            14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 29, 30};

// Tray places (row 1, row 2; columns 1..13) of the icon catalogue.
const int TrayRow1[13] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 19, 13, 25};
const int TrayRow2[13] = {10, 11, 12, 15, 14, 16, 20, 17, 21, 18, 22, 23, 24};

// Value labels as a freshly placed icon shows them: top right, bottom right, bottom left.
struct SampleLabels
{
    const char16_t *d1;
    const char16_t *d2;
    const char16_t *d3;
};

SampleLabels sampleLabels(int code)
{
    switch (code) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
        return {nullptr, u"中", nullptr};
    case 9:
    case 19:
        return {nullptr, u"0.5", nullptr};
    case 10:
    case 11:
        return {nullptr, u"１", nullptr};
    case 12:
        return {nullptr, u"1", u"Ａ"};
    case 17:
    case 24:
        return {nullptr, u"1", nullptr};
    case 18:
        return {nullptr, u"0", u"Ａ"};
    case 22:
        return {u"＋", u"1", u"Ａ"};
    case 23:
        return {nullptr, u"ON", nullptr};
    default:
        return {nullptr, nullptr, nullptr};
    }
}

class Sheet
{
public:
    Sheet(QSize logicalSize, qreal dpr, const QColor &background)
        : m_dpr(dpr)
        , m_image(QSize(qRound(logicalSize.width() * dpr), qRound(logicalSize.height() * dpr)),
                  QImage::Format_ARGB32_Premultiplied)
    {
        m_image.setDevicePixelRatio(dpr);
        m_image.fill(background);
        m_painter.begin(&m_image);
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.setRenderHint(QPainter::TextAntialiasing);
    }

    QPainter &painter() { return m_painter; }
    qreal dpr() const { return m_dpr; }

    void picture(const QString &path, QRect place)
    {
        m_painter.drawPixmap(place.topLeft(), renderArtwork(path, place.size(), m_dpr));
    }

    void caption(const QString &text, QPoint at, int pixelSize = 11,
                 const QColor &colour = QColor(60, 60, 60))
    {
        QFont font(LabelFontFamily);
        font.setPixelSize(pixelSize);
        m_painter.setFont(font);
        m_painter.setPen(colour);
        m_painter.drawText(at, text);
    }

    bool save(const QString &file)
    {
        m_painter.end();
        // Opaque and fully compressed: the sheets are kept in the repository.
        return m_image.convertToFormat(QImage::Format_RGB888).save(file, "PNG", 0);
    }

private:
    qreal m_dpr;
    QImage m_image;
    QPainter m_painter;
};

void drawValueLabel(QPainter &painter, QPoint iconTopLeft, QPoint offset, const char16_t *text)
{
    if (!text)
        return;
    const QRect label(iconTopLeft + offset, QSize(18, 12));
    painter.fillRect(label, Qt::white);
    QFont font(LabelFontFamily);
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf16(text));
}

// The grid: icons on white cells with their outline, once plain and once with value labels.
void drawGrid(Sheet &sheet, QPoint origin, bool withLabels)
{
    QPainter &p = sheet.painter();
    const int perRow = 14;
    int index = 0;
    for (int code : AllIconCodes) {
        const QPoint cell = origin + QPoint(59 * (index % perRow), 59 * (index / perRow));
        p.setPen(CellOutline);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(cell, QSize(49, 49)));
        const QPoint icon = cell + QPoint(1, 1);
        p.drawPixmap(icon, iconPicture(code, GridPictureSize, sheet.dpr()));
        if (withLabels) {
            const SampleLabels labels = sampleLabels(code);
            drawValueLabel(p, icon, QPoint(27, 9), labels.d1);
            drawValueLabel(p, icon, QPoint(27, 28), labels.d2);
            drawValueLabel(p, icon, QPoint(4, 28), labels.d3);
        }
        ++index;
    }
}

// The editor's bottom panel: property area, icon tray and edit buttons in their places.
void drawBottomPanel(Sheet &sheet, QPoint panel)
{
    sheet.picture(QStringLiteral(":/panels/property.svg"),
                  QRect(panel + QPoint(7, 20), QSize(177, 84)));
    sheet.picture(QStringLiteral(":/panels/tray.svg"),
                  QRect(panel + QPoint(186, 20), QSize(437, 84)));
    QPainter &p = sheet.painter();
    for (int j = 0; j < 13; ++j) {
        const int left = 196 + 32 * j;
        p.drawPixmap(panel + QPoint(left, 30),
                     iconPicture(TrayRow1[j], TrayPictureSize, sheet.dpr()));
        p.drawPixmap(panel + QPoint(left, 63),
                     iconPicture(TrayRow2[j], TrayPictureSize, sheet.dpr()));
    }
    const QSize button(52, 38);
    sheet.picture(QStringLiteral(":/buttons/copy.svg"), QRect(panel + QPoint(625, 23), button));
    sheet.picture(QStringLiteral(":/buttons/move.svg"), QRect(panel + QPoint(679, 23), button));
    sheet.picture(QStringLiteral(":/buttons/undo.svg"), QRect(panel + QPoint(733, 23), button));
    sheet.picture(QStringLiteral(":/buttons/clear.svg"), QRect(panel + QPoint(625, 63), button));
    sheet.picture(QStringLiteral(":/buttons/delete.svg"), QRect(panel + QPoint(679, 63), button));
    sheet.picture(QStringLiteral(":/buttons/check0.svg"), QRect(panel + QPoint(733, 63), button));
}

void drawButtonStates(Sheet &sheet, QPoint origin)
{
    const char *names[]
        = {"copy", "move", "undo", "undo_spent", "clear", "delete", "check0", "check1", "check2"};
    int x = origin.x();
    for (const char *name : names) {
        sheet.picture(QStringLiteral(":/buttons/%1.svg").arg(QLatin1String(name)),
                      QRect(QPoint(x, origin.y()), QSize(52, 38)));
        sheet.caption(QLatin1String(name), QPoint(x, origin.y() + 52), 10);
        x += 64;
    }
}

bool editorSheet(const QString &file)
{
    Sheet sheet(QSize(860, 560), 1.0, EditorBackground);
    sheet.caption(QStringLiteral("グリッド 48 x 48"), QPoint(10, 16), 12);
    sheet.painter().fillRect(QRect(8, 24, 14 * 59 + 4, 2 * 59 + 2), Qt::white);
    drawGrid(sheet, QPoint(10, 25), false);
    sheet.caption(QStringLiteral("値ラベル付き"), QPoint(10, 164), 12);
    sheet.painter().fillRect(QRect(8, 172, 14 * 59 + 4, 2 * 59 + 2), Qt::white);
    drawGrid(sheet, QPoint(10, 173), true);
    sheet.caption(QStringLiteral("下部パネル（トレイ 33 x 33、編集ボタン 52 x 38）"),
                  QPoint(10, 314), 12);
    drawBottomPanel(sheet, QPoint(10, 316));
    sheet.caption(QStringLiteral("ボタンの状態"), QPoint(10, 492), 12);
    drawButtonStates(sheet, QPoint(10, 500));
    return sheet.save(file);
}

// The grid with value labels and the bottom panel on a 200 % screen.
bool editorSheetDoubled(const QString &file)
{
    Sheet sheet(QSize(860, 256), 2.0, EditorBackground);
    sheet.caption(QStringLiteral("200 %: グリッド（値ラベル付き）と下部パネル"), QPoint(10, 16),
                  12);
    sheet.painter().fillRect(QRect(8, 24, 14 * 59 + 4, 2 * 59 + 2), Qt::white);
    drawGrid(sheet, QPoint(10, 25), true);
    drawBottomPanel(sheet, QPoint(10, 140));
    return sheet.save(file);
}

bool startSheet(const QString &file)
{
    Sheet sheet(QSize(792, 568), 1.0, Qt::white);
    const int boxLefts[] = {56, 232, 408, 584};
    const int balloonLefts[] = {40, 216, 392, 568};
    const char *boxes[] = {"go", "try", "help", "end"};
    for (int n = 0; n < 4; ++n) {
        sheet.picture(QStringLiteral(":/start/box_%1.svg").arg(QLatin1String(boxes[n])),
                      QRect(boxLefts[n], 192, 147, 185));
        sheet.picture(QStringLiteral(":/start/balloon_%1.svg").arg(n),
                      QRect(balloonLefts[n], 56, 180, 116));
    }
    sheet.picture(QStringLiteral(":/start/logo.svg"), QRect(224, 432, 359, 92));
    return sheet.save(file);
}

// Twips of the window layouts, 15 to the pixel.
QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

bool helpSheet(const QString &file)
{
    Sheet sheet(QSize(792, 568), 1.0, Qt::white);
    sheet.picture(QStringLiteral(":/help/banner.svg"), twips(0, 0, 12000, 915));
    sheet.picture(QStringLiteral(":/help/title.svg"), twips(720, 1320, 2985, 1290));
    sheet.picture(QStringLiteral(":/help/list_frame.svg"), twips(1200, 2880, 4200, 3975));
    sheet.picture(QStringLiteral(":/help/balloon.svg"), twips(5640, 2760, 5250, 4200));
    sheet.picture(QStringLiteral(":/help/back.svg"), twips(555, 7440, 1935, 735));
    QPainter &p = sheet.painter();
    p.setPen(QColor(200, 200, 200));
    p.setBrush(Qt::NoBrush);
    p.drawRect(twips(1440, 3105, 3750, 3480)); // where the topic list lies
    p.drawRect(twips(6120, 3000, 4455, 3735)); // where the topic text lies
    sheet.caption(QStringLiteral("●プロパティエリア"),
                  twips(6120, 3000, 0, 0).topLeft() + QPoint(4, 14), 12, Qt::black);
    return sheet.save(file);
}

bool samplesSheet(const QString &file)
{
    Sheet sheet(QSize(792, 568), 1.0, Qt::white);
    sheet.picture(QStringLiteral(":/samples/banner.svg"), twips(0, 0, 12000, 915));
    sheet.picture(QStringLiteral(":/samples/title.svg"), twips(720, 1320, 5895, 1290));
    const int lefts[] = {360, 2640, 4920, 7200, 9480};
    for (int n = 0; n < 5; ++n) {
        const QString look = n == 0 ? QStringLiteral("bright") : QStringLiteral("pale");
        sheet.picture(QStringLiteral(":/samples/step_%1_%2.svg").arg(n + 1).arg(look),
                      twips(lefts[n], 3000, 2205, 1830));
    }
    sheet.picture(QStringLiteral(":/samples/list_frame.svg"), twips(3840, 5880, 4095, 2415));
    sheet.picture(QStringLiteral(":/samples/ok.svg"), twips(8400, 6120, 1575, 840));
    sheet.picture(QStringLiteral(":/samples/back.svg"), twips(480, 7440, 1935, 735));
    sheet.painter().setPen(QColor(200, 200, 200));
    sheet.painter().drawRect(twips(4320, 6120, 3255, 1455)); // where the sample list lies
    return sheet.save(file);
}

bool stepsSheet(const QString &file)
{
    Sheet sheet(QSize(792, 290), 1.0, Qt::white);
    const int lefts[] = {24, 176, 328, 480, 632};
    for (int n = 0; n < 5; ++n) {
        sheet.picture(QStringLiteral(":/samples/step_%1_pale.svg").arg(n + 1),
                      QRect(lefts[n], 12, 147, 122));
        sheet.picture(QStringLiteral(":/samples/step_%1_bright.svg").arg(n + 1),
                      QRect(lefts[n], 150, 147, 122));
    }
    return sheet.save(file);
}

bool appIconSheet(const QString &file)
{
    Sheet sheet(QSize(460, 270), 1.0, Qt::white);
    sheet.painter().fillRect(QRect(270, 0, 190, 270), QColor(60, 60, 70));
    const QString path = QStringLiteral(":/app/zuvomatic.svg");
    sheet.picture(path, QRect(4, 4, 256, 256));
    int y = 8;
    for (int size : {64, 48, 32, 24, 16}) {
        sheet.picture(path, QRect(280, y, size, size));
        sheet.picture(path, QRect(360, y, size, size));
        y += size + 8;
    }
    return sheet.save(file);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: artsheet OUTDIR\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        err << "artsheet: cannot create " << out.path() << "\n";
        return 2;
    }

    int faults = 0;
    for (const ArtworkEntry &entry : artworkCatalogue()) {
        QSvgRenderer renderer(entry.path);
        if (!renderer.isValid()) {
            err << "artsheet: " << entry.path << " is missing or not a valid picture\n";
            ++faults;
        }
    }

    const struct
    {
        const char *name;
        bool (*make)(const QString &);
    } sheets[] = {
        {"editor.png", editorSheet},   {"editor_2x.png", editorSheetDoubled},
        {"start.png", startSheet},     {"help.png", helpSheet},
        {"samples.png", samplesSheet}, {"steps.png", stepsSheet},
        {"appicon.png", appIconSheet},
    };
    QTextStream outText(stdout);
    for (const auto &sheet : sheets) {
        const QString file = out.filePath(QLatin1String(sheet.name));
        if (sheet.make(file)) {
            outText << file << "\n";
        } else {
            err << "artsheet: cannot write " << file << "\n";
            ++faults;
        }
    }
    return faults == 0 ? 0 : 1;
}
