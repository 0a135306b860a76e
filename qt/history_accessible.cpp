#include "history_accessible.h"

#include "history_list.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>

namespace ui::qt {

namespace {

// One line of the list, by its position.
class HistoryItemAccessible : public QAccessibleInterface {
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

private:
    QPointer<HistoryList> list_;
    int row_;
};

class HistoryAccessible : public QAccessibleWidget {
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

} // namespace ui::qt
