#pragma once

// A window without a window system: it keeps what the handlers set, starts as
// the layout table says, and follows the contracts of app::Window.

#include "layout.h"
#include "window.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

inline constexpr ui::Rgb kSystemWindowColour{255, 255, 255};

class FakeWindow final : public app::Window {
public:
    struct State {
        std::map<std::pair<ui::Control, int>, ui::Rgb> colours;
        std::map<std::pair<ui::Control, int>, bool> values;
        std::map<int, std::string> scores; // Rezul(i)
        std::vector<std::string> lines;
        std::int64_t selected = -1;
        bool timer = true;
        std::vector<std::string> announced; // in the order they were told
        friend bool operator==(const State&, const State&) = default;
    };

    FakeWindow()
    {
        for (const ui::ControlEntry& c : ui::kControls) {
            const auto key = std::make_pair(c.control, c.index);
            if (c.face == ui::Face::Painted)
                state.colours[key] = c.colour.value_or(kSystemWindowColour);
            if (const auto start = ui::optionStart(c))
                state.values[key] = start->selected;
            if (c.control == ui::Control::Rezul)
                state.scores[c.index] = std::string(c.caption);
        }
    }

    void appendLine(std::string_view utf8) override { state.lines.emplace_back(utf8); }
    void clearLines() override
    {
        state.lines.clear();
        state.selected = -1;
    }
    std::int64_t lineCount() const override { return std::int64_t(state.lines.size()); }
    void selectLine(std::int64_t index) override
    {
        state.selected = index >= 0 && index < lineCount() ? index : -1;
    }
    bool timerEnabled() const override { return state.timer; }
    void setTimerEnabled(bool enabled) override { state.timer = enabled; }

    void announce(std::string_view utf8) override { state.announced.emplace_back(utf8); }

    // Which Radio is selected, or -1 for none.
    int selectedRadio() const
    {
        int found = -1;
        for (int i = 0; i < 3; ++i)
            if (state.values.at({ui::Control::Radio, i}))
                found = found == -1 ? i : -2;
        return found;
    }
    ui::Rgb colour(ui::Control c, int i) const { return backColor({c, i}); }
    const std::string& score(int i) const { return state.scores.at(i); }

    State state;

protected:
    ui::Rgb faceColourAt(std::size_t row) const override { return state.colours.at(key(row)); }
    void paintFaceAt(std::size_t row, ui::Rgb colour) override { state.colours[key(row)] = colour; }
    void selectOptionAt(std::size_t row, bool selected) override
    {
        state.values[key(row)] = selected;
    }
    std::string scoreTextAt(std::size_t row) const override
    {
        return state.scores.at(ui::kControls[row].index);
    }
    void setScoreTextAt(std::size_t row, std::string_view utf8) override
    {
        state.scores[ui::kControls[row].index] = std::string(utf8);
    }

private:
    static std::pair<ui::Control, int> key(std::size_t row)
    {
        return {ui::kControls[row].control, ui::kControls[row].index};
    }
};

} // namespace testing_support
