#pragma once

// Where each control stands and what face it shows as the window starts,
// written out here independently of the layout table, for the front ends'
// tests.

#include "expected_colours.h"
#include "layout.h"

#include <array>
#include <optional>

namespace testing_support {

// The window's client area in pixels at 96 dpi.
inline constexpr struct {
    int width, height;
} kExpectedClientSize{522, 354};

struct ExpectedPlace {
    ui::Control control;
    int index;
    int left, top, width, height; // pixels at 96 dpi, within its container
    std::optional<ui::Rgb> face;  // none where the system's or the window's colour shows
    int tab;                      // the tab index
};

inline constexpr std::array<ExpectedPlace, 19> kExpectedPlaces = [] {
    using enum ui::Control;
    namespace c = colours;
    return std::array<ExpectedPlace, 19>{{
        {Label2, 0, 104, 0, 313, 25, c::kPeach, 14},
        {Label2, 2, 8, 32, 121, 25, c::kPeach, 17},
        {Label2, 1, 144, 32, 65, 25, c::kPeach, 15},
        {Frame1, 0, 8, 64, 129, 65, std::nullopt, 5},
        {Igrach, 0, 0, 8, 121, 25, c::kPeach, 6},
        {Igrach, 1, 0, 40, 121, 25, c::kComputerFirst, 7},
        {Rezul, 0, 144, 72, 65, 27, std::nullopt, 12},
        {Rezul, 1, 144, 104, 65, 27, std::nullopt, 13},
        {Frame2, 0, 336, 32, 17, 105, std::nullopt, 8},
        {Radio, 0, 0, 8, 33, 25, c::kPick, 11},
        {Radio, 1, 0, 40, 17, 25, c::kIdle, 9},
        {Radio, 2, 0, 72, 17, 25, c::kIdle, 10},
        {Buton, 0, 368, 40, 73, 25, c::kIdle, 0},
        {Buton, 1, 368, 72, 73, 25, c::kIdle, 1},
        {Buton, 2, 368, 104, 73, 25, c::kIdle, 2},
        {Nachalo, 1, 448, 40, 65, 33, c::kClearRed, 16},
        {Nachalo, 0, 448, 96, 65, 33, c::kNewGreen, 3},
        {Rezultat, 0, 8, 136, 505, 80, std::nullopt, 4},
        {Text1, 0, 8, 224, 505, 129, std::nullopt, 18},
    }};
}();

// The place of a control, or of Frame1 or Frame2 for the one holding it; one
// the list lacks does not compile.
template <ui::Control control, int index> consteval const ExpectedPlace& expectedPlace()
{
    for (const ExpectedPlace& p : kExpectedPlaces)
        if (p.control == control && p.index == index)
            return p;
    throw "no expected place for this control";
}

} // namespace testing_support
