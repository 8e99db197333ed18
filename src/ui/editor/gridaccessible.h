#pragma once
// What a screen reader is told of the drawing surface: a table of the lattice, 59 rows of 99
// cells (icon cells, line cells and corners), each named where it is and what it holds
// ("3列2行 前進 速さ中"). A cell is a small object made when a reader first asks for it and
// kept until the surface goes; Press clicks it as the mouse would, the menu action right-clicks.

#include <QAccessibleWidget>
#include <QPointer>
#include <unordered_map>

namespace zuvo {

class GridSurface;

class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit GridAccessible(GridSurface *surface);
    ~GridAccessible() override;

    static QAccessibleInterface *make(QObject *object);

    void *interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int columnCount() const override;
    int rowCount() const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override { }

private:
    GridSurface *surface() const;
    // The interface of lattice cell `cell` (CellIndex), made on first use.
    QAccessibleInterface *cell(int cell) const;

    mutable std::unordered_map<int, QAccessible::Id> m_cells;
};

} // namespace zuvo
