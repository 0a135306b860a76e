#pragma once

#include "layout.h"
#include "window.h"

#include <QFont>
#include <QPushButton>
#include <QWidget>

#include <array>

class QColor;
class QPainter;
class QRect;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace qtgui {

class HistoryList;

// `font` narrowed in steps of 5 % of its face's own width, to half of it at
// most, until fits(font) holds: a face that stands in for the design's is
// often wider (DejaVu Serif is a quarter wider than Times New Roman), and a
// text narrowed at the same point size reads better than one cut short.
template <typename Fits> QFont narrowedToFit(QFont font, Fits fits)
{
    constexpr int kNarrowest = 50; // per cent of the face's own width
    for (int stretch = 100; stretch >= kNarrowest; stretch -= 5) {
        font.setStretch(stretch);
        if (fits(font))
            break;
    }
    return font;
}

// A command button whose whole face is its background colour, flat, whatever
// the style: styles draw their own gradient or theme image over the palette.
class ColourButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A frame that groups option buttons: invisible (no border, no caption, the
// window's colour shows through), but a named group to screen readers, which
// say its name as the focus enters it.
class Frame : public QWidget {
public:
    using QWidget::QWidget;
};

// The window's controls by the layout table's row, found by the names and
// indexes the handlers use. The widgets are owned by the window they were
// built into.
class ControlSet {
public:
    // The control of a row, or of an id; null for one that names none.
    QWidget* at(std::size_t row) const { return row < rows_.size() ? rows_[row] : nullptr; }
    QWidget* operator[](app::ControlId id) const
    {
        return at(ui::positionOf(id.control, id.index));
    }
    // The control of an id as the kind of widget T; null where it is none.
    template <typename T> T* as(app::ControlId id) const { return dynamic_cast<T*>((*this)[id]); }
    void set(std::size_t row, QWidget* control) { rows_.at(row) = control; }

private:
    std::array<QWidget*, ui::kControls.size()> rows_{};
};

// Builds every control of the table into the window, gives the window its
// size, colour, font and caption, and sets the tab order.
ControlSet buildControls(QWidget& window);

// Gives the window and every control its size and place at the logical dpi
// of the window's screen.
void layOut(QWidget& window, const ControlSet& controls);

// The colour a control shows behind its content, whatever its kind.
QColor backColor(const QWidget& w);
// Paints the control's face in the colour, and its text in the desktop's text
// colour or, where that would not stand out from the face at 3:1, in black or white.
void setBackColor(QWidget& w, const QColor& colour);
void setBackColor(QWidget& w, ui::Rgb colour);

// The focus as a dotted frame just inside rect, in colour (the text's).
void drawFocusFrame(QPainter& painter, const QRect& rect, const QColor& colour);

// Selects or clears an option button. Clearing works on the selected button
// of an exclusive group too, which QAbstractButton alone refuses.
void setValue(QRadioButton& option, bool selected);

} // namespace qtgui
