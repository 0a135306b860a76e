#pragma once

// Owners for GDI objects, and the drawing the game's controls share.

#include <windows.h>

#include <memory>
#include <type_traits>

namespace win32gui {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

// A font, brush or pen that is deleted with its owner; null where the system
// could not make it.
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;
using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;

// A dotted frame of one-pixel dots along the inside of rect, in colour: the
// focus as the controls show it. DrawFocusRect's inverted dots hardly show on
// green or grey faces.
void drawDottedFrame(HDC dc, const RECT& rect, COLORREF colour);

} // namespace win32gui
