#include "history_list.h"

#include "controls.h"

#include "history_accessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace qtgui {

namespace {
constexpr int kTextIndent = 2;
} // namespace

HistoryList::HistoryList(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    registerHistoryAccessibility();
    updateScrollRange();
}

void HistoryList::addItem(const QString& line)
{
    auto shared = distinct_.constFind(line);
    if (shared == distinct_.constEnd())
        shared = distinct_.insert(line);
    lines_.append(*shared);
    updateScrollRange();
    // Only the new row can need painting, and only when it is in view.
    const QRect r = rowRect(count() - 1);
    if (r.intersects(viewport()->rect()))
        viewport()->update(r);
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::ObjectCreated);
        event.setChild(count() - 1);
        QAccessible::updateAccessibility(&event);
    }
}

void HistoryList::clear()
{
    if (lines_.isEmpty())
        return;
    lines_.clear();
    distinct_.clear();
    current_ = -1;
    updateScrollRange();
    viewport()->update();
    forgetHistoryItems(*this);
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&event);
    }
}

QString HistoryList::line(int row) const
{
    return row >= 0 && row < count() ? lines_[row] : QString();
}

void HistoryList::setCurrentRow(int row)
{
    if (row < 0 || row >= count())
        row = -1;
    if (row >= 0) {
        QScrollBar* bar = verticalScrollBar();
        if (row < bar->value())
            bar->setValue(row);
        else if (row >= bar->value() + rowsPerPage())
            bar->setValue(row - rowsPerPage() + 1);
    }
    selectAndNotify(row);
}

void HistoryList::selectAndNotify(int row)
{
    if (row == current_)
        return;
    const int old = current_;
    current_ = row;
    viewport()->update(rowRect(old));
    viewport()->update(rowRect(row));
    if (row >= 0 && QAccessible::isActive()) {
        QAccessibleEvent selection(this, QAccessible::Selection);
        selection.setChild(row);
        QAccessible::updateAccessibility(&selection);
        if (hasFocus()) {
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(row);
            QAccessible::updateAccessibility(&focus);
        }
    }
}

int HistoryList::rowHeight() const { return std::max(1, fontMetrics().height()); }

int HistoryList::rowsPerPage() const { return std::max(1, viewport()->height() / rowHeight()); }

int HistoryList::firstVisibleRow() const { return verticalScrollBar()->value(); }

QRect HistoryList::rowRect(int row) const
{
    if (row < 0 || row >= count())
        return {};
    const qint64 y = qint64(row - firstVisibleRow()) * rowHeight();
    const int clamped = int(std::clamp<qint64>(y, -(1 << 24), 1 << 24));
    return {0, clamped, viewport()->width(), rowHeight()};
}

int HistoryList::rowAt(QPoint viewportPos) const
{
    if (viewportPos.y() < 0)
        return -1;
    const int row = firstVisibleRow() + viewportPos.y() / rowHeight();
    return row < count() ? row : -1;
}

void HistoryList::updateScrollRange()
{
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, std::max(0, count() - rowsPerPage()));
    bar->setPageStep(rowsPerPage());
    bar->setSingleStep(1);
}

void HistoryList::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const int first = firstVisibleRow();
    const int last = std::min(count() - 1, first + event->rect().bottom() / rowHeight());
    for (int row = first + std::max(0, event->rect().top() / rowHeight()); row <= last; ++row) {
        const QRect r = rowRect(row);
        const bool selected = row == current_;
        if (selected)
            painter.fillRect(r, palette().brush(QPalette::Highlight));
        painter.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(r.adjusted(kTextIndent, 0, 0, 0),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, lines_[row]);
        if (selected && hasFocus())
            drawFocusFrame(painter, r, palette().color(QPalette::HighlightedText));
    }
    if (hasFocus() && current_ < 0)
        drawFocusFrame(painter, focusRect(), palette().color(QPalette::Text));
}

QRect HistoryList::focusRect() const
{
    if (current_ >= 0)
        return rowRect(current_);
    // With no line selected the focus stands on the first visible row; an
    // empty list shows it where its first line will be.
    return {0, 0, viewport()->width(), rowHeight()};
}

void HistoryList::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mousePressEvent(event);
    const int row = rowAt(event->position().toPoint());
    if (row >= 0)
        setCurrentRow(row);
}

void HistoryList::keyPressEvent(QKeyEvent* event)
{
    if (count() == 0)
        return QAbstractScrollArea::keyPressEvent(event);
    int row = current_;
    switch (event->key()) {
    case Qt::Key_Up: row = std::max(0, row - 1); break;
    case Qt::Key_Down: row = std::min(count() - 1, row + 1); break;
    case Qt::Key_PageUp: row = std::max(0, row - rowsPerPage()); break;
    case Qt::Key_PageDown: row = std::min(count() - 1, std::max(0, row) + rowsPerPage()); break;
    case Qt::Key_Home: row = 0; break;
    case Qt::Key_End: row = count() - 1; break;
    default: return QAbstractScrollArea::keyPressEvent(event);
    }
    setCurrentRow(row);
}

void HistoryList::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void HistoryList::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update(focusRect());
    // A screen reader reads the line that has the focus, as in any list.
    if (current_ >= 0 && QAccessible::isActive()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(current_);
        QAccessible::updateAccessibility(&focus);
    }
}

void HistoryList::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update(focusRect());
}

void HistoryList::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateScrollRange();
}

void HistoryList::scrollContentsBy(int, int) { viewport()->update(); }

} // namespace qtgui
