#pragma once

// The page's window in the browser: every change the game makes is passed on
// to the page's elements, and the page's clicks and timer reach the handlers.

#include "morveta.h"
#include "page_window.h"
#include "random_source.h"

#include <vector>

namespace web {

class BrowserWindow final : public PageWindow {
public:
    // Finds the page's controls, wires their events and runs Form_Load; the
    // page must show the state a fresh PageWindow holds after Form_Load.
    // The computer picks with `random`, which outlives the window.
    explicit BrowserWindow(app::RandomSource& random);

    // The page's events: a click on the control in the row, a timer tick.
    void click(std::size_t row);
    void tick();

private:
    void showFace(std::size_t row, ui::Rgb was) override;
    void showSelected(std::size_t row) override;
    void showText(std::size_t row) override;
    void showLine(std::string_view utf8) override;
    void showCleared() override;
    void showSelectedLine() override;
    void showTimer() override;
    void say(std::string_view utf8) override;
    std::string typedText(std::size_t row) const override;

    // Whether the page has rules for a face class.
    bool styled(ui::Rgb face) const;

    std::vector<ui::Rgb> styled_;
    bool loaded_ = false;
    Morveta handlers_;
};

} // namespace web
