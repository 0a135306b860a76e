#pragma once

// What the handlers may do to the window: exactly the operations the game
// uses, implemented once per window system and by a fake in the tests.

#include "layout.h"

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
// names no control of the right kind is ignored (a getter returns the empty
// value), so that no index can end the program.
class Window {
public:
    virtual ~Window() = default;

    // The colour a label, command button, option button or score box shows
    // behind its content, as the program last set it or the layout gave it.
    virtual ui::Rgb backColor(ControlId control) const = 0;
    // Paints the control's whole face in the colour; the same colour again
    // repaints nothing.
    virtual void setBackColor(ControlId control, ui::Rgb colour) = 0;

    // Selects or clears this one option button; the others keep their state
    // (the handlers keep each group to one). Clearing the selected button of
    // a group leaves the group with none selected.
    virtual void setValue(ControlId option, bool selected) = 0;

    // A text box's whole text in UTF-8, whatever the user typed into it.
    virtual std::string text(ControlId box) const = 0;
    // Replaces the text; the box shows its start.
    virtual void setText(ControlId box, std::string_view utf8) = 0;

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
};

} // namespace app
