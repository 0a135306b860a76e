#pragma once

// The design's colours, written out here independently of the layout table,
// for the front ends' tests.

#include "layout.h"

namespace testing_support::colours {

inline constexpr ui::Rgb kIdle{128, 255, 128};  // the move buttons, the computer's other marks
inline constexpr ui::Rgb kPick{192, 64, 0};     // the computer's pick
inline constexpr ui::Rgb kPeach{255, 192, 128}; // labels, the player-first option, a pressed move
inline constexpr ui::Rgb kComputerFirst{192, 0, 192};
inline constexpr ui::Rgb kWindowBlue{128, 128, 255};
inline constexpr ui::Rgb kClearRed{255, 0, 0};
inline constexpr ui::Rgb kNewGreen{0, 255, 0};

} // namespace testing_support::colours
