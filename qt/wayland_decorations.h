#pragma once

namespace qtgui {

// Whether the Wayland compositor named by the environment offers
// server-side decorations (xdg-decoration), so that it draws the title bars
// of the windows that ask for them. False where none can be reached; true
// where the program was built without Wayland support.
bool compositorOffersTitleBars();

} // namespace qtgui
