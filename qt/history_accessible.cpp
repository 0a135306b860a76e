#include "history_accessible.h"

#include "history_list.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>

namespace qtgui {

namespace {

// One line of the list, by its position: a cell of a table of one column,
// which is how Qt's AT-SPI bridge reports which line is selected.
class HistoryItemAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    HistoryItemAccessible(HistoryList* list, int row) : list_(list), row_(row) {}

    bool isValid() const override { return list_ && row_ < list_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return list_ ? QAccessible::queryAccessibleInterface(list_) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? list_->line(row_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = list_->rowRect(row_);
        return QRect(list_->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.selectable = true;
        s.focusable = true;
        if (!isValid())
            return s;
        const bool current = list_->currentRow() == row_;
        s.selected = current;
        s.focused = current && list_->hasFocus();
        s.offscreen = !list_->rowRect(row_).intersects(list_->viewport()->rect());
        s.invisible = s.offscreen;
        return s;
    }
    int row() const { return row_; }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }
    bool isSelected() const override { return isValid() && list_->currentRow() == row_; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return 0; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<HistoryList> list_;
    int row_;
};

// The list: its lines are its children, and as a table of one column it
// tells which line is selected and lets a reader select one.
class HistoryAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit HistoryAccessible(HistoryList* list) : QAccessibleWidget(list, QAccessible::List) {}
    ~HistoryAccessible() override { forgetItems(); }

    // Lets go of every line's interface; they are made again when asked for.
    void forgetItems() const
    {
        for (QAccessible::Id id : std::as_const(items_))
            QAccessible::deleteAccessibleInterface(id);
        items_.clear();
    }

    int childCount() const override { return list()->count(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= list()->count())
            return nullptr;
        if (const auto known = items_.constFind(index); known != items_.constEnd())
            return QAccessible::accessibleInterface(*known);
        // A screen reader walking a long history would otherwise keep one
        // interface a line for as long as the window lives.
        if (items_.size() >= kMaxItems)
            forgetItems();
        auto* item = new HistoryItemAccessible(list(), index);
        items_.insert(index, QAccessible::registerAccessibleInterface(item));
        return item;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* item = dynamic_cast<const HistoryItemAccessible*>(child);
        return item && item->isValid() ? item->row() : -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        return list()->hasFocus() ? child(list()->currentRow()) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint p = list()->viewport()->mapFromGlobal(QPoint(x, y));
        return child(list()->rowAt(p));
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        return column == 0 ? child(row) : nullptr;
    }
    int selectedCellCount() const override { return selectedRowCount(); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> cells;
        if (QAccessibleInterface* cell = child(list()->currentRow()))
            cells << cell;
        return cells;
    }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return list()->currentRow() >= 0 ? 1 : 0; }
    int columnCount() const override { return 1; }
    int rowCount() const override { return list()->count(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override
    {
        return list()->currentRow() >= 0 ? QList<int>{list()->currentRow()} : QList<int>{};
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override { return row >= 0 && row == list()->currentRow(); }
    // One line is selected at a time, as by a click: selecting another moves
    // the selection, and there is nothing else to unselect it with.
    bool selectRow(int row) override
    {
        if (row < 0 || row >= list()->count())
            return false;
        list()->setCurrentRow(row);
        return true;
    }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { forgetItems(); }

private:
    static constexpr qsizetype kMaxItems = 512;
    HistoryList* list() const { return static_cast<HistoryList*>(widget()); }
    mutable QHash<int, QAccessible::Id> items_;
};

QAccessibleInterface* historyFactory(const QString&, QObject* object)
{
    if (auto* list = dynamic_cast<HistoryList*>(object))
        return new HistoryAccessible(list);
    return nullptr;
}

} // namespace

void forgetHistoryItems(HistoryList& list)
{
    if (auto* history =
            dynamic_cast<HistoryAccessible*>(QAccessible::queryAccessibleInterface(&list)))
        history->forgetItems();
}

void registerHistoryAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(historyFactory);
        return true;
    }();
    (void)installed;
}

} // namespace qtgui
