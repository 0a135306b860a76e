#pragma once

class QIcon;
class QImage;

namespace qtgui {

// The hamburger as a 32 x 32 image with transparency, drawn from its pixel map.
QImage hamburgerImage();
QIcon windowIcon();

} // namespace qtgui
