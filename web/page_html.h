#pragma once

// The page as HTML and its style sheet: the window's controls from the layout
// table, laid out at 15 twips a CSS pixel, showing what the window holds.

#include "layout.h"
#include "page_window.h"

#include <array>
#include <string>
#include <string_view>

namespace web {

// The class that paints a face, "k" and the colour's hex digits: "k80ff80".
std::string faceClass(ui::Rgb face);
// The class's rules, one a line: the face's colour and text readable on it
// in the light and the dark scheme (which forced colours keep).
std::string faceRules(ui::Rgb face);

// The family the page's own face goes by, ahead of the window font's.
inline constexpr std::string_view kPageFace = "Morveta Serif";

// The pictures an install dialog shows, kept beside the page's sources and
// made from the page itself (tools/page-screenshots, at twice the CSS pixels):
// "wide" for desktops, the window alone; "narrow" for phones, a phone's screen.
struct Screenshot {
    std::string_view file;
    int width;
    int height;
    std::string_view formFactor;
    std::string_view label;
};
inline constexpr std::array<Screenshot, 2> kScreenshots{{
    {"screenshot-wide.png", 1044, 708, "wide", "Прозорецът на играта след три рунда"},
    {"screenshot-narrow.png", 720, 1480, "narrow", "Играта на екрана на телефон"},
}};

// The web app manifest that makes the served page installable: the game's
// name and description, the window's colour, the icons make_page writes, and
// the screenshots.
std::string manifestJson();

// The page's style sheet and its start, as the page names them: start.js is
// a source file of its own, the style sheet is pageStyle's.
inline constexpr std::string_view kStyleFile = "morveta.css";
inline constexpr std::string_view kStartFile = "start.js";

// The page's style sheet, kStyleFile: the window, its controls and the faces
// they show; faceSource is the CSS src of the page's own face (empty: none).
std::string pageStyle(const PageWindow& window, std::string_view faceSource);

// The whole page, under a content security policy of its own; script is the
// game's script file, which kStartFile loads once the page has painted.
std::string pageHtml(const PageWindow& window, std::string_view script);

} // namespace web
