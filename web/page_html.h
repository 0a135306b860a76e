#pragma once

// The page as HTML: the window's controls from the layout table, laid out at
// 15 twips a CSS pixel, showing what the window holds.

#include "layout.h"
#include "page_window.h"

#include <string>
#include <string_view>

namespace web {

// "#rrggbb".
std::string cssColour(ui::Rgb colour);
// The text colour on a face where the page's own text colour is black (light
// scheme) or white (dark scheme): that colour where it stands out at 3:1,
// otherwise whichever of black and white stands out more. Forced colours
// (high contrast) use the light scheme's.
std::string inkOn(ui::Rgb face, bool dark);

// The whole page; script is the game's script file, loaded once the page shows.
std::string pageHtml(const PageWindow& window, std::string_view script);

} // namespace web
