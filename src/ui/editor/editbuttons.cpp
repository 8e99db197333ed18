#include "editor/editbuttons.h"

#include "editor/picturebutton.h"
#include "session/editorsession.h"

#include <algorithm>

namespace zuvo {

namespace {

const QString UndoPicture = QStringLiteral(":/buttons/undo.svg");
const QString UndoSpentPicture = QStringLiteral(":/buttons/undo_spent.svg");

QString checkPicture(int stage)
{
    return QStringLiteral(":/buttons/check%1.svg").arg(stage);
}

} // namespace

EditButtons::EditButtons(EditorSession &session, QWidget *bottomPanel)
    : QObject(bottomPanel)
    , m_session(session)
    , m_panel(bottomPanel)
{
    const QPoint copyPlace(625, 23), movePlace(679, 23), undoPlace(733, 23);
    const QPoint clearPlace(625, 63), deletePlace(679, 63), checkPlace(733, 63);

    // The state pictures lie hidden under the buttons they supply.
    addButton(QStringLiteral("戻す0"), undoPlace, UndoPicture)->hide();
    addButton(QStringLiteral("戻す1"), undoPlace, UndoSpentPicture)->hide();
    for (int stage = 0; stage < 3; ++stage)
        addButton(QStringLiteral("文法%1").arg(stage), checkPlace, checkPicture(stage))->hide();

    auto *copy = addButton(QStringLiteral("複写"), copyPlace, QStringLiteral(":/buttons/copy.svg"));
    auto *move = addButton(QStringLiteral("移動"), movePlace, QStringLiteral(":/buttons/move.svg"));
    m_undo = addButton(QStringLiteral("戻す"), undoPlace, UndoSpentPicture);
    auto *clear
        = addButton(QStringLiteral("解除"), clearPlace, QStringLiteral(":/buttons/clear.svg"));
    auto *remove
        = addButton(QStringLiteral("削除"), deletePlace, QStringLiteral(":/buttons/delete.svg"));
    m_check = addButton(QStringLiteral("文法"), checkPlace, checkPicture(0));
    // What each button does, in the words of its picture: the word is its name for screen
    // readers, the tool tip their description. They are buttons to the keyboard too.
    const struct
    {
        PictureButton *button;
        const char16_t *word;
        const char16_t *does;
    } buttons[] = {
        {copy, u"コピー", u"選んだアイコンを右クリックした場所へコピーします"},
        {move, u"いどう", u"選んだアイコンを右クリックした場所へ動かします"},
        {m_undo, u"もどす", u"一つ前の状態に戻します"},
        {clear, u"解除", u"選択をすべて取り消します"},
        {remove, u"けす", u"選んだアイコンや線を消します"},
        {m_check, u"チェック",
         u"文法チェックをします。三つのチェックが終わると、次に押したときに送信します"},
    };
    for (const auto &[button, word, does] : buttons) {
        button->setToolTip(QString::fromUtf16(word) + u'：' + QString::fromUtf16(does));
        button->setAccessibleName(QString::fromUtf16(word));
        button->setAccessibleDescription(QString::fromUtf16(does));
        button->setActingRole(QAccessible::Button);
    }

    connect(copy, &PictureButton::clicked, this, [this] { m_session.CopySelection(); });
    connect(move, &PictureButton::clicked, this, [this] { m_session.MoveSelection(); });
    connect(m_undo, &PictureButton::clicked, this, [this] {
        m_session.Undo();
        emit undoClicked();
    });
    connect(clear, &PictureButton::clicked, this, [this] { m_session.ClearSelection(); });
    connect(remove, &PictureButton::clicked, this, [this] { m_session.DeleteSelection(); });
    connect(m_check, &PictureButton::clicked, this, [this] { m_session.RunGrammarCheck(); });
}

PictureButton *EditButtons::addButton(const QString &name, QPoint place, const QString &picture)
{
    auto *button = new PictureButton(name, ButtonSize, m_panel);
    button->move(place);
    button->setPicturePath(picture);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

void EditButtons::render()
{
    const EditorView &view = m_session.view();
    m_undo->setPicturePath(view.undoAvailable ? UndoPicture : UndoSpentPicture);
    m_check->setPicturePath(checkPicture(std::clamp(view.checkPicture, 0, 2)));
}

} // namespace zuvo
