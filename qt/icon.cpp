#include "icon.h"

#include "hamburger.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace qtgui {

QImage hamburgerImage()
{
    QImage image(ui::kIconSize, ui::kIconSize, QImage::Format_ARGB32);
    for (int y = 0; y < ui::kIconSize; ++y) {
        const std::string_view row = ui::kHamburger[std::size_t(y)];
        for (int x = 0; x < ui::kIconSize; ++x) {
            const int index = ui::paletteIndex(row[std::size_t(x)]);
            if (index == 0) {
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
                continue;
            }
            const ui::PaletteEntry& e = ui::kHamburgerPalette[std::size_t(index - 1)];
            image.setPixel(x, y, qRgb(e.r, e.g, e.b));
        }
    }
    return image;
}

QIcon windowIcon() { return QIcon(QPixmap::fromImage(hamburgerImage())); }

} // namespace qtgui
