// The page's window in memory, under node: what it keeps of each change the
// game makes, and what it tells the browser of it, once and only when
// something shows differently.
#include "page_window.h"

#include "expected_colours.h"

#include <doctest/doctest.h>

#include <string>
#include <vector>

namespace {

using ui::Control;

std::string rgb(ui::Rgb c)
{
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

// A page window that writes down what the browser would be told.
class Recording final : public web::PageWindow {
public:
    std::vector<std::string> told;

private:
    void showFace(std::size_t row, ui::Rgb was) override
    {
        told.push_back("face " + std::to_string(row) + " " + rgb(was) + " -> " + rgb(face(row)));
    }
    void showSelected(std::size_t row) override
    {
        told.push_back("option " + std::to_string(row) + (selected(row) ? " on" : " off"));
    }
    void showText(std::size_t row) override
    {
        told.push_back("text " + std::to_string(row) + " " + boxText(row));
    }
    void showLine(std::string_view utf8) override { told.push_back("line " + std::string(utf8)); }
    void showCleared() override { told.emplace_back("cleared"); }
    void showSelectedLine() override
    {
        told.push_back("selected line " + std::to_string(selectedLine()));
    }
    void showTimer() override { told.push_back(timerEnabled() ? "timer on" : "timer off"); }
    void say(std::string_view utf8) override { told.push_back("say " + std::string(utf8)); }
    std::string typedText(std::size_t) const override { return "typed"; }
};

constexpr ui::Rgb kRed = testing_support::colours::kClearRed;
constexpr ui::Rgb kIdle = testing_support::colours::kIdle; // the move buttons as the window opens

std::string row(Control control, int index = 0)
{
    return std::to_string(ui::positionOf(control, index));
}

// The changes the game makes, one a case.
void paintButton(Recording& w) { w.setBackColor({Control::Buton, 0}, kRed); }
void repaintButton(Recording& w) { w.setBackColor({Control::Buton, 0}, kIdle); }
void paintFrame(Recording& w) { w.setBackColor({Control::Frame1, 0}, kRed); }
void paintMissing(Recording& w) { w.setBackColor({Control::Buton, 9}, kRed); }
void chooseSecond(Recording& w) { w.setValue({Control::Igrach, 1}, true); }
void chooseFirst(Recording& w) { w.setValue({Control::Igrach, 0}, true); }
void chooseButton(Recording& w) { w.setValue({Control::Buton, 0}, true); }
void writeScore(Recording& w) { w.setText({Control::Rezul, 1}, "12"); }
void writeLabel(Recording& w) { w.setText({Control::Label2, 0}, "x"); }

void selectSecondOfTwo(Recording& w)
{
    w.appendLine("a");
    w.appendLine("b");
    w.selectLine(1);
}

void selectPastTheEnd(Recording& w)
{
    w.appendLine("a");
    w.selectLine(1);
}

void stopTimerTwice(Recording& w)
{
    w.setTimerEnabled(false);
    w.setTimerEnabled(false);
}

} // namespace

TEST_CASE("the page window tells the browser of each change that shows, and of nothing else")
{
    using Told = std::vector<std::string>;
    struct Case {
        const char* change;
        void (*make)(Recording&);
        Told told;
    };
    const std::string button = row(Control::Buton);
    const Case cases[] = {
        {"a button painted anew", paintButton, {"face " + button + " 128,255,128 -> 255,0,0"}},
        {"a button painted in the colour it has", repaintButton, {}},
        {"a frame, which has no face to paint", paintFrame, {}},
        {"a control that is not there", paintMissing, {}},
        {"the second option chosen, the first left to the handlers", chooseSecond,
         Told{"option " + row(Control::Igrach, 1) + " on"}},
        {"the chosen option chosen again", chooseFirst, {}},
        {"a button is no option", chooseButton, {}},
        {"a score written", writeScore, {"text " + row(Control::Rezul, 1) + " 12"}},
        {"a label is no score box", writeLabel, {}},
        {"two lines, the second selected",
         selectSecondOfTwo,
         {"line a", "line b", "selected line 1"}},
        {"a line past the end selects none", selectPastTheEnd, {"line a", "selected line -1"}},
        {"the timer stopped, then stopped again", stopTimerTwice, {"timer off"}},
    };
    for (const Case& c : cases) {
        CAPTURE(std::string(c.change));
        Recording window;
        c.make(window);
        CHECK(window.told == c.told);
    }
}

TEST_CASE("a score box reads as what the page's box holds, typed there since")
{
    Recording window;
    window.setText({Control::Rezul, 0}, "3");
    CHECK(window.text({Control::Rezul, 0}) == "typed");
    CHECK(window.text({Control::Label2, 0}).empty());
}
