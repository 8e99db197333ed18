#include "session/keyboardcursor.h"

#include "model/iconcatalogue.h"
#include "model/spokennames.h"
#include "session/editorstate.h"
#include "session/gridinput.h"

#include <algorithm>

namespace zuvo {

namespace {

// Space kept around the cursor's frame when the view scrolls to show it.
constexpr int ViewMargin = 8;

QString iconLabel(int code)
{
    if (!isValidIconCode(code))
        return QString();
    // The Japanese name first, as a screen reader says it; the help's heading after it.
    return SpokenIconName(code) + u'（' + QString::fromUtf16(iconInfo(code).name) + u'）';
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

KeyboardCursor::KeyboardCursor(KeyboardState &own, KeyboardView &shown,
                               const WorkingProgram &program, const EditorState &state,
                               MessageArea &message, IconTray &tray, IconCarry &carry,
                               ScrollArea &scroll, GridInput &input)
    : m_own(own)
    , m_shown(shown)
    , m_program(program)
    , m_state(state)
    , m_message(message)
    , m_tray(tray)
    , m_carry(carry)
    , m_scroll(scroll)
    , m_input(input)
{
}

void KeyboardCursor::SetKeyboardMode(bool on)
{
    m_own.KeyboardMode = on ? 1 : 0;
    if (!on) {
        m_shown.keyCursorCell = -1;
        m_shown.trayCursorCode = -1;
        m_message.ResetMessage();
        return;
    }
    if (m_own.KeyCursor < 0 || m_own.KeyCursor > LastCellIndex)
        m_own.KeyCursor = firstVisibleCell(m_scroll.scroll());
    keepKeyCursorInView();
    followKeyCursor();
    m_message.setBackground(ColourWhite);
    m_message.setText(QStringLiteral(u"キーボードで操作します（F7でおわり）。\r\n"
                                     u"矢印：カーソル　Enter：クリック　Tab：トレイ"));
}

void KeyboardCursor::MoveKeyCursor(int dx, int dy)
{
    if (m_own.KeyboardMode == 0)
        return;
    int x = CellX(m_own.KeyCursor) + dx;
    int y = CellY(m_own.KeyCursor) + dy;
    // A corner holds nothing and takes no click: the cursor steps over it.
    if (insideLattice(x, y) && cellKind(x, y) == CellKind::Corner) {
        x += dx;
        y += dy;
    }
    if (!insideLattice(x, y))
        return; // the edge of the lattice: the cursor stays
    SetKeyCursor(x, y);
}

void KeyboardCursor::SetKeyCursor(int x, int y)
{
    if (m_own.KeyboardMode == 0)
        return;
    x = std::clamp(x, 0, LatticeColumns - 1);
    y = std::clamp(y, 0, LatticeRows - 1);
    if (cellKind(x, y) == CellKind::Corner)
        x -= 1; // the connector beside it
    m_own.KeyCursor = CellIndex(x, y);
    keepKeyCursorInView();
    followKeyCursor();
    // A refusal stays readable until the next click, as it does while the mouse moves.
    if (m_message.showsWarning())
        return;
    m_message.setBackground(ColourWhite);
    QString keys;
    if (m_state.MoveSlot >= 0)
        keys = QStringLiteral(u"Enter：ここに置く　Esc：やめる");
    else if (isConnector(cellKind(x, y)))
        keys = QStringLiteral(u"Enter：線を引く・消す");
    else if (m_program.holdsIcon(x, y))
        keys = QStringLiteral(u"Enter：選択　Space：移動　Shift+Enter：角");
    else if (m_tray.trayPickCode() >= 0)
        keys = QStringLiteral(u"Enter：") + iconLabel(m_tray.trayPickCode())
            + QStringLiteral(u"を置く");
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
    m_message.setText(placeText(x, y) + QStringLiteral(u"：") + here + QStringLiteral("\r\n")
                      + keys);
}

void KeyboardCursor::keepKeyCursorInView()
{
    const QRect box = cellBox(CellX(m_own.KeyCursor), CellY(m_own.KeyCursor))
                          .adjusted(-ViewMargin, -ViewMargin, ViewMargin, ViewMargin);
    const ScrollView &scroll = m_scroll.scroll();
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
        m_scroll.SetScroll(h, v);
}

void KeyboardCursor::followKeyCursor()
{
    const int x = CellX(m_own.KeyCursor);
    const int y = CellY(m_own.KeyCursor);
    m_shown.keyCursorCell = m_own.KeyCursor;
    m_scroll.showCellBoxes(x, y);
    // An icon picked up to move travels with the cursor, as it follows the pointer, at the
    // icon cell a drop there snaps to.
    m_carry.carryTo(iconPicturePosition(x - x % 2, y - y % 2));
}

void KeyboardCursor::KeyCursorClick(bool leftButton)
{
    if (m_own.KeyboardMode == 0)
        return;
    const KeyClickStart start = keyClickStart();
    m_input.ClickCell(CellX(start.cell), CellY(start.cell), leftButton);
    reportKeyClick(start);
}

void KeyboardCursor::KeyCursorDoubleClick()
{
    if (m_own.KeyboardMode == 0)
        return;
    const KeyClickStart start = keyClickStart();
    const int content = start.content;
    if (start.moveSlot < 0 && ContentHoldsIcon(content) && ContentSlot(content) < IconSlotLimit) {
        const int slot = ContentSlot(content);
        // The double-click's first click selects the icon. An icon the keyboard has already
        // selected needs only the second: a first click would unselect it again.
        if (!(start.mark == MarkSelected && m_state.CurrentCell == start.cell)) {
            m_input.IconPress(slot, true);
            m_input.IconRelease(slot);
        }
        m_input.IconDoubleClick(slot);
        m_input.IconRelease(slot);
        followKeyCursor();
    } else {
        m_input.SurfaceDoubleClick();
        // and the release that ends it, as the mouse's would
        m_input.SurfaceRelease(CellX(start.cell), CellY(start.cell), true);
    }
    reportKeyClick(start);
}

KeyboardCursor::KeyClickStart KeyboardCursor::keyClickStart() const
{
    const int cell = m_own.KeyCursor;
    return {cell, m_program.CellContent(CellX(cell), CellY(cell)),
            m_program.CellMark(CellX(cell), CellY(cell)), m_state.BoxState, m_state.MoveSlot};
}

void KeyboardCursor::reportKeyClick(const KeyClickStart &start)
{
    const auto [cell, content, mark, boxState, moveSlot] = start;
    const int x = CellX(cell);
    const int y = CellY(cell);
    const int now = m_program.CellContent(x, y);
    const int code = ContentHoldsIcon(now) ? ContentIconCode(now) : -1;
    // Picking an icon up and putting it down: the pointer would show it; a refusal stays.
    if (!m_message.showsWarning()) {
        QString moved;
        if (moveSlot >= 0 && m_state.MoveSlot < 0)
            moved = code >= 0 ? iconLabel(code) + QStringLiteral(u"を移動しました。")
                              : QStringLiteral(u"移動をやめました。");
        else if (moveSlot < 0 && m_state.MoveSlot >= 0)
            moved = iconLabel(code) + QStringLiteral(u"を持ち上げました。");
        if (!moved.isEmpty()) {
            m_message.setText(moved + QStringLiteral("\r\n") + placeText(x, y));
            return;
        }
    }
    // What the operation wrote itself (an icon's description, a refusal) stays; where it only
    // put back the hint, the message area says what the key did.
    if (!m_message.showsHint())
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
    m_message.setText(done + QStringLiteral("\r\n") + placeText(x, y));
}

void KeyboardCursor::MoveTrayCursor(int dx, int dy)
{
    if (m_own.KeyboardMode == 0)
        return;
    const IconInfo &info = iconInfo(std::clamp(m_own.TrayCursor, 0, TrayIconCount - 1));
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
        m_own.TrayCursor = code;
    ShowTrayCursor(true);
}

void KeyboardCursor::ShowTrayCursor(bool shown)
{
    const bool on = shown && m_own.KeyboardMode != 0;
    m_shown.trayCursorCode = on ? m_own.TrayCursor : -1;
    if (!on)
        return;
    m_message.setBackground(ColourWhite);
    m_message.setText(QStringLiteral(u"アイコントレイ：") + iconLabel(m_own.TrayCursor)
                      + QStringLiteral(u"\r\nEnter：えらぶ　Esc：グリッドにもどる"));
}

void KeyboardCursor::TrayCursorPress(bool leftButton)
{
    if (m_own.KeyboardMode == 0)
        return;
    const int pickBefore = m_state.TrayPick;
    m_input.TrayPress(m_own.TrayCursor, leftButton);
    m_shown.trayCursorCode = -1;
    if (leftButton && pickBefore == m_own.TrayCursor && m_message.showsHint())
        m_message.setText(iconLabel(pickBefore) + QStringLiteral(u"をやめました。\r\n")
                          + placeText(CellX(m_own.KeyCursor), CellY(m_own.KeyCursor)));
}

} // namespace zuvo
