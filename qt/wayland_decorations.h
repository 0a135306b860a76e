#pragma once

namespace qtgui {

// Whether the Wayland compositor named by the environment draws the title
// bars of windows that ask it to (xdg-decoration's server-side mode): asked
// for a window that is never shown. False where none can be reached or it
// leaves the bar to the window; true where the program was built without
// Wayland support.
bool compositorOffersTitleBars();

} // namespace qtgui
