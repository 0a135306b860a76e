#pragma once

#include <QAbstractScrollArea>
#include <QList>
#include <QSet>
#include <QString>

// The history of rounds: an unsorted list box of one-line entries with one
// selected line and a vertical scroll bar.
//
// Appending, selecting and scrolling cost the same however long the list is,
// and lines with the same text share one copy, so a long match costs about
// 30 bytes a line (bench/long-match). Qt's own lists, with uniform item sizes, cost a line 25 to
// 500 times as much and a hundred bytes or more (bench/history-lists).
namespace qtgui {

class HistoryList : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit HistoryList(QWidget* parent = nullptr);

    void addItem(const QString& line);
    void clear();
    int count() const { return int(lines_.size()); }
    // The text of line row, 0 <= row < count(); empty for any other row.
    QString line(int row) const;

    // -1 while no line is selected.
    int currentRow() const { return current_; }
    // Selects row and scrolls it into view; a row outside the list selects nothing.
    void setCurrentRow(int row);

    // Where row stands in the viewport; it may lie outside the visible part.
    QRect rowRect(int row) const;
    int rowAt(QPoint viewportPos) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    int firstVisibleRow() const;
    // Where the focus frame stands: the current line, or the first row.
    QRect focusRect() const;
    int rowHeight() const;
    int rowsPerPage() const;
    void updateScrollRange();
    void selectAndNotify(int row);

    QList<QString> lines_;
    QSet<QString> distinct_; // one copy of each text; lines_ share them
    int current_ = -1;
};

} // namespace qtgui
