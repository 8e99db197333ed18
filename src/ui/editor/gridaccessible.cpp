#include "editor/gridaccessible.h"

#include "editor/gridsurface.h"
#include "model/iconcatalogue.h"
#include "model/spokennames.h"
#include "session/editorsession.h"

#include <QWindow>

namespace zuvo {

namespace {

class GridCellAccessible : public QAccessibleInterface,
                           public QAccessibleTableCellInterface,
                           public QAccessibleActionInterface
{
public:
    GridCellAccessible(GridSurface *surface, int cell)
        : m_surface(surface)
        , m_x(CellX(cell))
        , m_y(CellY(cell))
    {
    }

    bool isValid() const override { return m_surface; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override
    {
        return m_surface ? m_surface->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_surface.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        const EditorSession &session = m_surface->session();
        const WorkingProgram &program = session.program();
        if (t == QAccessible::Name) {
            const QString name = SpokenCell(program, m_x, m_y);
            const int content = program.CellContent(m_x, m_y);
            const bool lit
                = ContentHoldsIcon(content) && ContentSlot(content) == session.view().executingSlot;
            return lit ? name + QStringLiteral(u" 実行中") : name;
        }
        if (t == QAccessible::Description && program.holdsIcon(m_x, m_y))
            return IconHelpText(program.iconCodeAt(m_x, m_y)).simplified();
        return QString();
    }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override
    {
        const QRect box = cellBox(m_x, m_y);
        return QRect(m_surface->mapToGlobal(box.topLeft()), box.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.selectable = true;
        s.selected = isSelected();
        s.focused = m_surface->hasFocus()
            && m_surface->session().view().keyCursorCell == CellIndex(m_x, m_y);
        // Scrolled out of the program area: there, but not on screen.
        s.offscreen = !m_surface->visibleRegion().intersects(cellBox(m_x, m_y));
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    bool isSelected() const override
    {
        return m_surface->session().program().CellMark(m_x, m_y) == MarkSelected;
    }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_x; }
    int rowIndex() const override { return m_y; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

    QStringList actionNames() const override { return {pressAction(), showMenuAction()}; }
    void doAction(const QString &actionName) override
    {
        if (!m_surface || !m_surface->isEnabled())
            return;
        // Press is the left click, the menu action the right one, both where the mouse
        // would make them.
        if (actionName == pressAction() || actionName == showMenuAction())
            m_surface->session().ClickCell(m_x, m_y, actionName == pressAction());
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<GridSurface> m_surface;
    int m_x;
    int m_y;
};

} // namespace

GridAccessible::GridAccessible(GridSurface *surface)
    : QAccessibleWidget(surface, QAccessible::Table)
{
}

GridAccessible::~GridAccessible()
{
    for (const auto &[cell, id] : m_cells)
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface *GridAccessible::make(QObject *object)
{
    auto *surface = qobject_cast<GridSurface *>(object);
    return surface ? new GridAccessible(surface) : nullptr;
}

GridSurface *GridAccessible::surface() const
{
    return static_cast<GridSurface *>(widget());
}

void *GridAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface *GridAccessible::cell(int cell) const
{
    if (cell < 0 || cell > LastCellIndex)
        return nullptr;
    const auto found = m_cells.find(cell);
    if (found != m_cells.end())
        return QAccessible::accessibleInterface(found->second);
    auto *made = new GridCellAccessible(surface(), cell);
    m_cells.emplace(cell, QAccessible::registerAccessibleInterface(made));
    return made;
}

// The cells are the children, in CellIndex order (row by row); the icon pictures and the
// cursor's frame are told through the cells.
int GridAccessible::childCount() const
{
    return LastCellIndex + 1;
}

QAccessibleInterface *GridAccessible::child(int index) const
{
    return cell(index);
}

int GridAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const QAccessibleTableCellInterface *asCell
        = child ? const_cast<QAccessibleInterface *>(child)->tableCellInterface() : nullptr;
    if (!asCell || child->parent() != this)
        return -1;
    return CellIndex(asCell->columnIndex(), asCell->rowIndex());
}

QAccessibleInterface *GridAccessible::childAt(int x, int y) const
{
    const QPoint at = surface()->mapFromGlobal(QPoint(x, y));
    const int column = PixelToLattice(at.x());
    const int row = PixelToLattice(at.y());
    return insideLattice(column, row) ? cell(CellIndex(column, row)) : nullptr;
}

QAccessibleInterface *GridAccessible::focusChild() const
{
    const int cursor = surface()->session().view().keyCursorCell;
    return surface()->hasFocus() ? cell(cursor) : nullptr;
}

QAccessibleInterface *GridAccessible::cellAt(int row, int column) const
{
    return insideLattice(column, row) ? cell(CellIndex(column, row)) : nullptr;
}

int GridAccessible::selectedCellCount() const
{
    return int(selectedCells().size());
}

QList<QAccessibleInterface *> GridAccessible::selectedCells() const
{
    QList<QAccessibleInterface *> selected;
    const WorkingProgram &program = surface()->session().program();
    for (int index = 0; index <= LastCellIndex; ++index) {
        if (program.CellMark(CellX(index), CellY(index)) == MarkSelected)
            selected << cell(index);
    }
    return selected;
}

QString GridAccessible::columnDescription(int column) const
{
    return QString::number(column / 2 + 1) + QStringLiteral(u"列");
}

QString GridAccessible::rowDescription(int row) const
{
    return QString::number(row / 2 + 1) + QStringLiteral(u"行");
}

int GridAccessible::columnCount() const
{
    return LatticeColumns;
}

int GridAccessible::rowCount() const
{
    return LatticeRows;
}

} // namespace zuvo
