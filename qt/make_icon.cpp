// Writes the icon from its pixel map, in the format its name ends with:
//   morveta_make_icon win32/morveta.ico    the Windows icon, 32 x 32, 8 bits a pixel
//   morveta_make_icon icon.svg           the scalable picture
//   morveta_make_icon icon.png [SIZE]    a PNG, SIZE a multiple of 32 (default 32)
#include "hamburger.h"
#include "icon.h"

#include <QImage>
#include <QString>

#include <cstdio>
#include <fstream>

namespace {

bool writeFile(const char* path, const void* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary);
    out.write(static_cast<const char*>(data), std::streamsize(size));
    return bool(out);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.ico|OUTPUT.svg|OUTPUT.png [SIZE]\n", argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (path.endsWith(".ico")) {
        const auto bytes = ui::hamburgerIco();
        return writeFile(argv[1], bytes.data(), bytes.size()) ? 0 : 1;
    }
    if (path.endsWith(".svg")) {
        const std::string svg = ui::hamburgerSvg();
        return writeFile(argv[1], svg.data(), svg.size()) ? 0 : 1;
    }
    const int size = argc == 3 ? QString::fromLocal8Bit(argv[2]).toInt() : ui::kIconSize;
    if (size <= 0 || size % ui::kIconSize != 0) {
        std::fprintf(stderr, "SIZE must be a multiple of %d\n", ui::kIconSize);
        return 2;
    }
    const QImage image =
        qtgui::hamburgerImage().scaled(size, size, Qt::KeepAspectRatio, Qt::FastTransformation);
    return image.save(path, "PNG") ? 0 : 1;
}
