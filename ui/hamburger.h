#pragma once

// The program's icon, a 32 x 32 hamburger, as a pixel map: one character a
// pixel, looked up in kHamburgerPalette; '.' is transparent.
// Plain C++, so that the Windows .ico can be written from it without Qt.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

struct PaletteEntry {
    char key;
    std::uint8_t r, g, b;
};

inline constexpr std::array<PaletteEntry, 13> kHamburgerPalette{{
    {'k', 70, 36, 12},    // outline of the bun
    {'B', 214, 140, 50},  // bun
    {'b', 168, 98, 30},   // bun in shadow
    {'h', 242, 190, 110}, // shine on the bun
    {'s', 255, 246, 214}, // sesame
    {'G', 86, 196, 44},   // lettuce
    {'g', 38, 128, 22},   // lettuce, dark
    {'C', 255, 212, 0},   // cheese
    {'c', 222, 160, 0},   // cheese, dark
    {'T', 224, 34, 30},   // tomato
    {'t', 150, 16, 16},   // tomato, dark
    {'P', 96, 48, 22},    // patty
    {'p', 54, 26, 10},    // patty, dark
}};

inline constexpr int kIconSize = 32;

inline constexpr std::array<std::string_view, kIconSize> kHamburger{{
    "................................", "................................",
    "................................", "..........kkkkkkkkkkkk..........",
    "........kkhhBBBsBBBBBBkk........", ".......kBhhhBBBBBBBsBBBBk.......",
    ".....kkBBhBBBsBBBBBBBBBBBkk.....", ".....kBBhBBBBBBBBBBBBBsBBBk.....",
    "....kBsBBBBBBBBBBsBBBBBBBBBk....", "...kBBBBBBBBBBBBBBBBBBBBBsBBk...",
    "...ksBBBBBBsBBBBBBBBsBBBBBBBk...", "...kbBBBBBBBBBBsBBBBBBBBBBBsk...",
    "..kbbbbbbbbbbbbbbbbbbbbbbbbbbk..", ".gGGgGGGgGGGgGGGgGGGgGGGgGGGgGg.",
    ".ggG.ggG.ggG.ggG.ggG.ggG.ggG.gg.", "..CCCCCCCCCCCCCCCCCCCCCCCCCCCC..",
    "...cCCCCCCCCCCCCCCCCCCCCCCCCc...", "...TTTTCCTTTTTTTTTCCTTTTTTTTT...",
    "...tTTtTcTTTtTTTTTtcTTTTtTTTt...", "...pppppppppppppppppppppppppp...",
    "..pPPpPPPPpPPPPpPPPPpPPPPpPPPp..", "..pPpPPPPpPPPPpPPPPpPPPPpPPPPp..",
    "..ppPPPPpPPPPpPPPPpPPPPpPPPPpp..", "...pppppppppppppppppppppppppp...",
    "..kBBBBBBBBBBBBBBBBBBBBBBBBBBk..", "..kBBBBBBBBBBBBBBBBBBBBBBBBBBk..",
    "..kBBBBBBBBBBBBBBBBBBBBBBBBBBk..", "...kbbbbbbbbbbbbbbbbbbbbbbbbk...",
    ".....kkkkkkkkkkkkkkkkkkkkkk.....", "................................",
    "................................", "................................",
}};

// 0 for a transparent pixel, otherwise 1 + the pixel's place in the palette.
int paletteIndex(char key);

// The icon as a Windows .ico file: one 32 x 32 image, 8 bits per pixel with a
// 256-entry palette, and its 1-bit transparency mask.
std::vector<std::uint8_t> hamburgerIco();

// The same picture as SVG, one square a pixel, for the scalable icon theme.
std::string hamburgerSvg();

} // namespace ui
