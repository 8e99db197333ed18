#include "editor/propertypanel.h"

#include "art/artwork.h"
#include "editor/editorlayout.h"
#include "session/editorsession.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace zuvo {

namespace {

// The bottom panel's background, &H00D8E9EC, behind the heading, the options and the labels.
const QColor PanelColour(0xEC, 0xE9, 0xD8);
const QColor MapColour(255, 0, 0);

constexpr int OptionHeight = 225;
constexpr int NumberBoxHeight = 270;
constexpr int ListHeight = 300;
constexpr int LabelHeight = 255;

void setPanelBackground(QWidget *control)
{
    control->setAutoFillBackground(true);
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, PanelColour);
    control->setPalette(palette);
}

// The red navigator frame: an outline only, so the picture shows through and the pointer
// reaches the picture under it.
class NavigatorFrame : public QWidget
{
public:
    explicit NavigatorFrame(QWidget *parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("位置"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(MapColour);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

} // namespace

PropertyPanel::PropertyPanel(EditorSession &session, QWidget *bottomPanel)
    : QWidget(bottomPanel)
    , m_session(session)
{
    setObjectName(QStringLiteral("パラメータ"));
    setAccessibleName(QStringLiteral(u"プロパティエリア"));
    setGeometry(QRect(twipsToPixels(PlaceTwips.x()), twipsToPixels(PlaceTwips.y()),
                      twipsToPixels(PlaceTwips.width()), twipsToPixels(PlaceTwips.height())));

    m_map = new NavigatorFrame(this);

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("表題"));
    setPanelBackground(m_title);

    m_optionGroup = new QButtonGroup(this);
    m_optionGroup->setExclusive(true);
    for (int i = 0; i < 4; ++i) {
        auto *option = new QRadioButton(this);
        option->setObjectName(QStringLiteral("Option1"));
        option->setProperty("index", i);
        setPanelBackground(option);
        m_optionGroup->addButton(option, i);
        connect(option, &QRadioButton::clicked, this, [this, i] { m_session.FormCheckOption(i); });
        m_options[i] = option;
    }

    m_number = new QLineEdit(this);
    m_number->setObjectName(QStringLiteral("数値入力"));
    m_number->setAccessibleName(QStringLiteral(u"数値"));
    m_number->installEventFilter(this);
    connect(m_number, &QLineEdit::textEdited, this,
            [this](const QString &text) { m_session.FormSetNumberText(text); });

    for (int list = 0; list < 3; ++list) {
        auto *combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("選択"));
        combo->setProperty("index", list);
        // What each list chooses: the variable on the left, the number or variable on the
        // right, the operator.
        static const char16_t *const names[3] = {u"左辺の変数", u"右辺（数または変数）", u"計算"};
        combo->setAccessibleName(QString::fromUtf16(names[list]));
        combo->setEditable(false);
        connect(combo, &QComboBox::activated, this,
                [this, list](int index) { m_session.FormSelectListItem(list, index); });
        m_lists[list] = combo;
    }

    for (int i = 0; i < 6; ++i) {
        auto *memo = new QLabel(this);
        memo->setObjectName(QStringLiteral("メモ"));
        memo->setProperty("index", i);
        setPanelBackground(memo);
        m_memos[i] = memo;
    }

    m_apply = new QPushButton(QStringLiteral("設定"), this);
    m_apply->setObjectName(QStringLiteral("設定"));
    connect(m_apply, &QPushButton::clicked, this, [this] { m_session.ApplyButtonClicked(); });

    m_title->hide();
    for (QWidget *w : m_options)
        w->hide();
    for (QWidget *w : m_lists)
        w->hide();
    for (QWidget *w : m_memos)
        w->hide();
    m_number->hide();
    m_apply->hide();
}

QRect PropertyPanel::toLocalPixels(int left, int top, int width, int height)
{
    const QPoint origin(twipsToPixels(PlaceTwips.x()), twipsToPixels(PlaceTwips.y()));
    return QRect(twipsToPixels(left) - origin.x(), twipsToPixels(top) - origin.y(),
                 std::max(0, twipsToPixels(width)), std::max(0, twipsToPixels(height)));
}

void PropertyPanel::place(QWidget *control, const FormControlView &view, int designHeight)
{
    const QRect current = control->geometry();
    QRect target = toLocalPixels(view.left, view.top, view.width,
                                 view.height > 0 ? view.height : designHeight);
    if (view.width <= 0)
        target.setWidth(current.width());
    if (control->geometry() != target)
        control->setGeometry(target);
    if (control->isEnabled() != view.enabled)
        control->setEnabled(view.enabled);
    if (control->isVisibleTo(this) != view.visible)
        control->setVisible(view.visible);
}

void PropertyPanel::render()
{
    const PropertyFormView &form = m_session.view().form;
    const ScrollView &scroll = m_session.view().scroll;

    if (m_title->text() != form.title.caption)
        m_title->setText(form.title.caption);
    place(m_title, form.title, LabelHeight);

    for (int i = 0; i < 4; ++i) {
        if (m_options[i]->text() != form.options[i].caption)
            m_options[i]->setText(form.options[i].caption);
        place(m_options[i], form.options[i], OptionHeight);
    }
    // An exclusive group cannot show "none marked"; lift exclusivity for that moment.
    if (form.checkedOption >= 0 && form.checkedOption < 4) {
        if (!m_options[form.checkedOption]->isChecked())
            m_options[form.checkedOption]->setChecked(true);
    } else if (m_optionGroup->checkedButton()) {
        m_optionGroup->setExclusive(false);
        m_optionGroup->checkedButton()->setChecked(false);
        m_optionGroup->setExclusive(true);
    }

    if (m_number->maxLength() != form.numberMaxLength)
        m_number->setMaxLength(std::max(1, form.numberMaxLength));
    if (m_number->text() != form.numberText)
        m_number->setText(form.numberText);
    place(m_number, form.numberBox, NumberBoxHeight);

    for (int list = 0; list < 3; ++list) {
        QComboBox *combo = m_lists[list];
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        if (shown != form.listItems[list]) {
            combo->clear();
            combo->addItems(form.listItems[list]);
        }
        if (combo->currentIndex() != form.listIndex[list])
            combo->setCurrentIndex(form.listIndex[list]);
        place(combo, form.lists[list], ListHeight);
    }

    for (int i = 0; i < 6; ++i) {
        if (m_memos[i]->text() != form.memos[i].caption)
            m_memos[i]->setText(form.memos[i].caption);
        place(m_memos[i], form.memos[i], LabelHeight);
    }

    if (m_apply->text() != form.applyButton.caption && !form.applyButton.caption.isEmpty())
        m_apply->setText(form.applyButton.caption);
    place(m_apply, form.applyButton, LabelHeight);

    const QRect map
        = toLocalPixels(scroll.mapLeft, scroll.mapTop, scroll.mapWidth, scroll.mapHeight);
    if (m_map->geometry() != map)
        m_map->setGeometry(map);
    if (m_map->isVisibleTo(this) != form.mapVisible)
        m_map->setVisible(form.mapVisible);
}

void PropertyPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(
        0, 0, renderArtwork(QStringLiteral(":/panels/property.svg"), size(), devicePixelRatioF()));
}

void PropertyPanel::navigate(QMouseEvent *event, Qt::MouseButtons buttons)
{
    const QPoint p = event->position().toPoint();
    m_session.NavigatorDrag(buttons, p.x() * LayoutTwipsPerPixel, p.y() * LayoutTwipsPerPixel);
}

void PropertyPanel::mouseMoveEvent(QMouseEvent *event)
{
    navigate(event, event->buttons());
}

void PropertyPanel::mouseReleaseEvent(QMouseEvent *event)
{
    navigate(event, event->button());
}

QList<QWidget *> PropertyPanel::keyboardStops() const
{
    QList<QWidget *> stops;
    for (QWidget *w : m_options)
        stops << w;
    stops << m_number;
    for (QWidget *w : m_lists)
        stops << w;
    stops << m_apply;
    stops.removeIf([this](QWidget *w) { return !w->isVisibleTo(this) || !w->isEnabled(); });
    std::stable_sort(stops.begin(), stops.end(), [](const QWidget *a, const QWidget *b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return stops;
}

void PropertyPanel::keyPressEvent(QKeyEvent *event)
{
    // Keys the form's controls leave unused: Enter is 設定 from anywhere in the form.
    if (m_session.state().KeyboardMode != 0) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            if (m_apply->isVisibleTo(this))
                m_session.ApplyButtonClicked();
            emit keyboardDone();
            return;
        }
        if (event->key() == Qt::Key_Escape) {
            emit keyboardDone();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

bool PropertyPanel::eventFilter(QObject *watched, QEvent *event)
{
    // The number box puts the caret at the start when it gains the focus, so that typing a
    // new value starts in front of the old one.
    if (watched == m_number && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, m_number, [box = m_number] { box->setCursorPosition(0); });
    return QWidget::eventFilter(watched, event);
}

} // namespace zuvo
