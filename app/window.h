#pragma once

// What the handlers may do to the window: exactly the operations the game
// uses, implemented once per window system and by a fake in the tests.

#include "layout.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace app {

// A control by its name and its index in the control array: {Control::Buton, 2}
// is Buton(2). A single control has index 0.
struct ControlId {
    ui::Control control = ui::Control::Label2;
    int index = 0;
    friend constexpr bool operator==(const ControlId&, const ControlId&) = default;
};

// Every operation is called on the window's thread between events. An id that
// names no control of the kind an operation takes is ignored here, for every
// front end (a getter gives the empty value), so that no index can end the
// program; a front end implements the operations on rows of ui::kControls
// of the right kind only.
class Window {
public:
    virtual ~Window() = default;

    // The colour a label, command button, option button or score box shows
    // behind its content, as the program last set it or the layout gave it.
    ui::Rgb backColor(ControlId control) const
    {
        const std::size_t row = rowOf(control);
        return painted(row) ? faceColourAt(row) : ui::Rgb{};
    }
    // Paints the control's whole face in the colour; the same colour again
    // repaints nothing.
    void setBackColor(ControlId control, ui::Rgb colour)
    {
        if (const std::size_t row = rowOf(control); painted(row))
            paintFaceAt(row, colour);
    }

    // Selects or clears this one option button; the others keep their state
    // (the handlers keep each group to one). Clearing the selected button of
    // a group leaves the group with none selected.
    void setValue(ControlId option, bool selected)
    {
        if (ui::isOption(option.control))
            if (const std::size_t row = rowOf(option); row < ui::kControls.size())
                selectOptionAt(row, selected);
    }

    // A score box's whole text in UTF-8, whatever the user typed into it.
    std::string text(ControlId box) const
    {
        const std::size_t row = rowOf(box);
        return box.control == ui::Control::Rezul && row < ui::kControls.size() ? scoreTextAt(row)
                                                                               : std::string();
    }
    // Replaces the text; the box shows its start.
    void setText(ControlId box, std::string_view utf8)
    {
        if (const std::size_t row = rowOf(box);
            box.control == ui::Control::Rezul && row < ui::kControls.size())
            setScoreTextAt(row, utf8);
    }

    // The history list Rezultat. Lines stay in the order they were appended;
    // counts and positions go past 32,767.
    virtual void appendLine(std::string_view utf8) = 0;
    virtual void clearLines() = 0;
    virtual std::int64_t lineCount() const = 0;
    // Selects the line and scrolls it into view; a position outside the list
    // selects nothing.
    virtual void selectLine(std::int64_t index) = 0;

    // Timer1, ticking every 100 ms while enabled. Enabling a timer that runs
    // already leaves its rhythm alone; disabling it drops any tick not yet
    // delivered.
    virtual bool timerEnabled() const = 0;
    virtual void setTimerEnabled(bool enabled) = 0;

    // Tells a screen reader what just happened: the reader speaks these words
    // once, now, where the user is, and never again as news. How it reaches
    // the reader is the front end's own.
    virtual void announce(std::string_view utf8) = 0;

protected:
    // The same operations on a row of ui::kControls: a painted control's row
    // (Face::Painted) for the faces, an option button's, a score box's.
    virtual ui::Rgb faceColourAt(std::size_t row) const = 0;
    virtual void paintFaceAt(std::size_t row, ui::Rgb colour) = 0;
    virtual void selectOptionAt(std::size_t row, bool selected) = 0;
    virtual std::string scoreTextAt(std::size_t row) const = 0;
    virtual void setScoreTextAt(std::size_t row, std::string_view utf8) = 0;

private:
    static std::size_t rowOf(ControlId control)
    {
        return ui::positionOf(control.control, control.index);
    }
    static bool painted(std::size_t row)
    {
        return row < ui::kControls.size() && ui::kControls[row].face == ui::Face::Painted;
    }
};

} // namespace app
