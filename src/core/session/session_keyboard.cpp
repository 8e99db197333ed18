#include "session/editorsession.h"

#include "model/iconcatalogue.h"

#include <algorithm>

// The keyboard mode: a cursor cell on the lattice and a cursor in the icon tray, for children
// who cannot use a mouse well. Every key makes the click the mouse would make on the cursor's
// cell, through the same operations; nothing here edits the program by itself. Where the mouse
// user sees the pointer, the keyboard user reads the message area.

namespace zuvo {

namespace {

// Space kept around the cursor's frame when the view scrolls to show it.
constexpr int ViewMargin = 8;

QString iconLabel(int code)
{
    if (!isValidIconCode(code))
        return QString();
    const IconInfo &info = iconInfo(code);
    return QString::fromUtf16(info.name) + u'（' + QString::fromUtf16(info.japaneseName) + u'）';
}

QString placeText(int x, int y)
{
    return QString::number(x / 2 + 1) + QStringLiteral(u"列") + QString::number(y / 2 + 1)
        + QStringLiteral(u"行");
}

// The first icon cell whose frame the view shows whole: where the cursor starts.
int firstVisibleCell(const ScrollView &scroll)
{
    const auto first = [](int scrolled, int last) {
        if (scrolled <= 0)
            return 0; // the first column's frame reaches past the edge of the lattice
        const int frameOffset = ViewMargin - 1; // the frame reaches that far before the box
        return std::min(last, (scrolled + frameOffset + CellPitch - 1) / CellPitch);
    };
    const int column = first(scroll.hValue, IconColumns - 1);
    const int row = first(scroll.vValue, IconRows - 1);
    return CellIndex(2 * column, 2 * row);
}

} // namespace

void EditorSession::SetKeyboardMode(bool on)
{
    ChangeScope scope(*this);
    m_state.KeyboardMode = on ? 1 : 0;
    if (!on) {
        m_view.keyCursorCell = -1;
        m_view.trayCursorCode = -1;
        ResetMessage();
        return;
    }
    if (m_state.KeyCursor < 0 || m_state.KeyCursor > LastCellIndex)
        m_state.KeyCursor = firstVisibleCell(m_view.scroll);
    keepKeyCursorInView();
    followKeyCursor();
    m_view.messageBackground = ColourWhite;
    m_view.messageText = QStringLiteral(u"キーボードで操作します（F7でおわり）。\r\n"
                                        u"矢印：カーソル　Enter：クリック　Tab：トレイ");
}

void EditorSession::ToggleKeyboardMode()
{
    SetKeyboardMode(m_state.KeyboardMode == 0);
}

void EditorSession::MoveKeyCursor(int dx, int dy)
{
    if (m_state.KeyboardMode == 0)
        return;
    ChangeScope scope(*this);
    int x = CellX(m_state.KeyCursor) + dx;
    int y = CellY(m_state.KeyCursor) + dy;
    // A corner holds nothing and takes no click: the cursor steps over it.
    if (insideLattice(x, y) && cellKind(x, y) == CellKind::Corner) {
        x += dx;
        y += dy;
    }
    if (!insideLattice(x, y))
        return; // the edge of the lattice: the cursor stays
    SetKeyCursor(x, y);
}

void EditorSession::SetKeyCursor(int x, int y)
{
    if (m_state.KeyboardMode == 0)
        return;
    ChangeScope scope(*this);
    x = std::clamp(x, 0, LatticeColumns - 1);
    y = std::clamp(y, 0, LatticeRows - 1);
    if (cellKind(x, y) == CellKind::Corner)
        x -= 1; // the connector beside it
    m_state.KeyCursor = CellIndex(x, y);
    keepKeyCursorInView();
    followKeyCursor();
    // A refusal stays readable until the next click, as it does while the mouse moves.
    if (m_view.messageBackground == ColourWarning)
        return;
    m_view.messageBackground = ColourWhite;
    QString keys;
    if (m_state.MoveSlot >= 0)
        keys = QStringLiteral(u"Enter：ここに置く　Esc：やめる");
    else if (isConnector(cellKind(x, y)))
        keys = QStringLiteral(u"Enter：線を引く・消す");
    else if (m_program.holdsIcon(x, y))
        keys = QStringLiteral(u"Enter：選択　Space：移動　Shift+Enter：角");
    else if (trayPickCode() >= 0)
        keys = QStringLiteral(u"Enter：") + iconLabel(trayPickCode()) + QStringLiteral(u"を置く");
    else
        keys = QStringLiteral(u"Enter：選択　Shift+Enter：角　Tab：トレイ");
    QString here;
    if (isConnector(cellKind(x, y)))
        here
            = m_program.holdsLine(x, y) ? QStringLiteral(u"接続線") : QStringLiteral(u"接続線なし");
    else if (m_program.holdsIcon(x, y))
        here = iconLabel(m_program.iconCodeAt(x, y));
    else
        here = QStringLiteral(u"空きマス");
    m_view.messageText
        = placeText(x, y) + QStringLiteral(u"：") + here + QStringLiteral("\r\n") + keys;
}

void EditorSession::keepKeyCursorInView()
{
    const QRect box = cellBox(CellX(m_state.KeyCursor), CellY(m_state.KeyCursor))
                          .adjusted(-ViewMargin, -ViewMargin, ViewMargin, ViewMargin);
    const ScrollView &scroll = m_view.scroll;
    int h = scroll.hValue;
    int v = scroll.vValue;
    // The program area's border takes a pixel on each side.
    const int width = scroll.areaWidth - 2;
    const int height = scroll.areaHeight - 2;
    if (box.left() < h)
        h = box.left();
    else if (box.right() >= h + width)
        h = box.right() - width + 1;
    if (box.top() < v)
        v = box.top();
    else if (box.bottom() >= v + height)
        v = box.bottom() - height + 1;
    if (h != scroll.hValue || v != scroll.vValue)
        setScrollValues(h, v);
}

void EditorSession::followKeyCursor()
{
    const int x = CellX(m_state.KeyCursor);
    const int y = CellY(m_state.KeyCursor);
    m_view.keyCursorCell = m_state.KeyCursor;
    m_view.columnBoxText = QString::number(x / 2 + 1);
    m_view.rowBoxText = QString::number(y / 2 + 1);
    // An icon picked up to move travels with the cursor, as it follows the pointer, at the
    // icon cell a drop there snaps to.
    const int carried = m_state.MoveSlot;
    if (carried >= 0 && carried < IconSlotLimit) {
        const QPoint at = iconPicturePosition(x - x % 2, y - y % 2);
        m_view.dragPicturePos = at;
        m_view.pictures[carried].topLeft = at;
    }
}

void EditorSession::KeyCursorClick(bool leftButton)
{
    if (m_state.KeyboardMode == 0)
        return;
    ChangeScope scope(*this);
    const KeyClickStart start = keyClickStart();
    const int content = start.content;
    // The mouse's road: a press on an icon's cell belongs to its picture (while an icon is
    // carried, that click is its destination), every other click to the drawing surface.
    if (ContentHoldsIcon(content) && ContentSlot(content) < IconSlotLimit) {
        IconPress(ContentSlot(content), leftButton);
        IconRelease(ContentSlot(content));
    } else {
        SurfaceRelease(CellX(start.cell), CellY(start.cell), leftButton);
    }
    reportKeyClick(start);
}

void EditorSession::KeyCursorDoubleClick()
{
    if (m_state.KeyboardMode == 0)
        return;
    ChangeScope scope(*this);
    const KeyClickStart start = keyClickStart();
    const int content = start.content;
    if (start.moveSlot < 0 && ContentHoldsIcon(content) && ContentSlot(content) < IconSlotLimit) {
        const int slot = ContentSlot(content);
        // The double-click's first click selects the icon. An icon the keyboard has already
        // selected needs only the second: a first click would unselect it again.
        if (!(start.mark == MarkSelected && m_state.CurrentCell == start.cell)) {
            IconPress(slot, true);
            IconRelease(slot);
        }
        IconDoubleClick(slot);
        IconRelease(slot);
        followKeyCursor();
    } else {
        SurfaceDoubleClick();
    }
    reportKeyClick(start);
}

bool EditorSession::messageShowsHint()
{
    const QString shown = m_view.messageText;
    ShowHint();
    const bool hint = m_view.messageText == shown;
    m_view.messageText = shown;
    return hint && m_view.messageBackground == ColourWhite;
}

EditorSession::KeyClickStart EditorSession::keyClickStart() const
{
    const int cell = m_state.KeyCursor;
    return {cell, m_program.CellContent(CellX(cell), CellY(cell)),
            m_program.CellMark(CellX(cell), CellY(cell)), m_state.BoxState, m_state.MoveSlot};
}

void EditorSession::reportKeyClick(const KeyClickStart &start)
{
    const auto [cell, content, mark, boxState, moveSlot] = start;
    const int x = CellX(cell);
    const int y = CellY(cell);
    const int now = m_program.CellContent(x, y);
    const int code = ContentHoldsIcon(now) ? ContentIconCode(now) : -1;
    // Picking an icon up and putting it down: the pointer would show it; a refusal stays.
    if (m_view.messageBackground != ColourWarning) {
        QString moved;
        if (moveSlot >= 0 && m_state.MoveSlot < 0)
            moved = code >= 0 ? iconLabel(code) + QStringLiteral(u"を移動しました。")
                              : QStringLiteral(u"移動をやめました。");
        else if (moveSlot < 0 && m_state.MoveSlot >= 0)
            moved = iconLabel(code) + QStringLiteral(u"を持ち上げました。");
        if (!moved.isEmpty()) {
            m_view.messageText = moved + QStringLiteral("\r\n") + placeText(x, y);
            return;
        }
    }
    // What the operation wrote itself (an icon's description, a refusal) stays; where it only
    // put back the hint, the message area says what the key did.
    if (!messageShowsHint())
        return;
    QString done;
    if (isConnector(cellKind(x, y)) && now != content && boxState == -1)
        done = now == LineCell ? QStringLiteral(u"接続線を引きました。")
                               : QStringLiteral(u"接続線を消しました。");
    else if (content == EmptyCell && code >= 0)
        done = iconLabel(code) + QStringLiteral(u"を置きました。");
    else if (boxState == -1 && m_state.BoxState == 1)
        done = QStringLiteral(u"角を決めました（ＢＯＸ・移動先・複写先）。");
    else if (m_state.BoxWidth + m_state.BoxHeight != 0 && boxState == 1)
        done = QStringLiteral(u"ＢＯＸを選択しました。");
    else if (boxState == 1 && m_state.BoxState == -1)
        done = QStringLiteral(u"角をやめました。");
    else if (mark != MarkSelected && m_program.CellMark(x, y) == MarkSelected)
        done = QStringLiteral(u"選択しました。");
    else if (mark == MarkSelected && m_program.CellMark(x, y) != MarkSelected)
        done = QStringLiteral(u"選択をやめました。");
    if (done.isEmpty())
        return;
    m_view.messageText = done + QStringLiteral("\r\n") + placeText(x, y);
}

void EditorSession::MoveTrayCursor(int dx, int dy)
{
    if (m_state.KeyboardMode == 0)
        return;
    ChangeScope scope(*this);
    const IconInfo &info = iconInfo(std::clamp(m_state.TrayCursor, 0, TrayIconCount - 1));
    int row = info.trayRow;
    int column = info.trayColumn + dx;
    // Left and right run through both rows as one line; up and down change the row.
    if (column > TrayColumns) {
        column = 1;
        row = row % TrayRows + 1;
    } else if (column < 1) {
        column = TrayColumns;
        row = (row + TrayRows - 2) % TrayRows + 1;
    }
    row = std::clamp(row + dy, 1, TrayRows);
    const int code = iconAtTrayPlace(row, column);
    if (code >= 0)
        m_state.TrayCursor = code;
    ShowTrayCursor(true);
}

void EditorSession::ShowTrayCursor(bool shown)
{
    ChangeScope scope(*this);
    const bool on = shown && m_state.KeyboardMode != 0;
    m_view.trayCursorCode = on ? m_state.TrayCursor : -1;
    if (!on)
        return;
    m_view.messageBackground = ColourWhite;
    m_view.messageText = QStringLiteral(u"アイコントレイ：") + iconLabel(m_state.TrayCursor)
        + QStringLiteral(u"\r\nEnter：えらぶ　Esc：グリッドにもどる");
}

void EditorSession::TrayCursorPress(bool leftButton)
{
    if (m_state.KeyboardMode == 0)
        return;
    ChangeScope scope(*this);
    const int pickBefore = m_state.TrayPick;
    TrayPress(m_state.TrayCursor, leftButton);
    m_view.trayCursorCode = -1;
    if (leftButton && pickBefore == m_state.TrayCursor && messageShowsHint())
        m_view.messageText = iconLabel(pickBefore) + QStringLiteral(u"をやめました。\r\n")
            + placeText(CellX(m_state.KeyCursor), CellY(m_state.KeyCursor));
}

} // namespace zuvo
