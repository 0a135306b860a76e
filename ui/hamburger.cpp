#include "hamburger.h"

namespace ui {

namespace {

constexpr bool rowsAreComplete()
{
    for (std::string_view row : kHamburger)
        if (row.size() != std::size_t(kIconSize))
            return false;
    return true;
}
static_assert(rowsAreComplete(), "every row of the icon has 32 pixels");

class Writer {
public:
    void u8(std::uint32_t v) { bytes.push_back(static_cast<std::uint8_t>(v & 0xFFu)); }
    void u16(std::uint32_t v)
    {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::uint32_t v)
    {
        u16(v & 0xFFFFu);
        u16(v >> 16);
    }
    std::vector<std::uint8_t> bytes;
};

} // namespace

int paletteIndex(char key)
{
    for (std::size_t i = 0; i < kHamburgerPalette.size(); ++i)
        if (kHamburgerPalette[i].key == key)
            return int(i) + 1;
    return 0;
}

namespace {

constexpr std::uint32_t kIcoColours = 256;
constexpr std::uint32_t kPixelBytes = kIconSize * kIconSize;    // 8 bits a pixel, rows 4-aligned
constexpr std::uint32_t kMaskBytes = kIconSize * kIconSize / 8; // 1 bit a pixel, 4 bytes a row
constexpr std::uint32_t kHeaderBytes = 40;

// ICONDIR with its one entry, then the image's BITMAPINFOHEADER, whose
// height counts the colour rows and the mask rows.
void writeHeaders(Writer& w)
{
    constexpr std::uint32_t imageBytes = kHeaderBytes + kIcoColours * 4 + kPixelBytes + kMaskBytes;
    w.u16(0);
    w.u16(1);
    w.u16(1);
    w.u8(kIconSize);
    w.u8(kIconSize);
    w.u8(0); // 256 colours
    w.u8(0);
    w.u16(1);
    w.u16(8);
    w.u32(imageBytes);
    w.u32(6 + 16);

    w.u32(kHeaderBytes);
    w.u32(kIconSize);
    w.u32(kIconSize * 2);
    w.u16(1);
    w.u16(8);
    w.u32(0);
    w.u32(kPixelBytes + kMaskBytes);
    w.u32(0);
    w.u32(0);
    w.u32(0);
    w.u32(0);
}

// The palette as B, G, R, 0; entry 0 stands for the transparent pixels.
void writePalette(Writer& w)
{
    for (std::uint32_t i = 0; i < kIcoColours; ++i) {
        if (i >= 1 && i <= kHamburgerPalette.size()) {
            const PaletteEntry& e = kHamburgerPalette[i - 1];
            w.u8(e.b);
            w.u8(e.g);
            w.u8(e.r);
        } else {
            w.u8(0);
            w.u8(0);
            w.u8(0);
        }
        w.u8(0);
    }
}

// The colour rows, then the transparency mask, each bottom-up.
void writeRows(Writer& w)
{
    for (int y = kIconSize - 1; y >= 0; --y)
        for (char key : kHamburger[std::size_t(y)])
            w.u8(std::uint32_t(paletteIndex(key)));
    for (int y = kIconSize - 1; y >= 0; --y) {
        const std::string_view row = kHamburger[std::size_t(y)];
        for (std::size_t byte = 0; byte < row.size() / 8; ++byte) {
            std::uint32_t bits = 0;
            for (std::size_t bit = 0; bit < 8; ++bit)
                if (paletteIndex(row[byte * 8 + bit]) == 0)
                    bits |= 0x80u >> bit;
            w.u8(bits);
        }
    }
}

} // namespace

std::vector<std::uint8_t> hamburgerIco()
{
    Writer w;
    writeHeaders(w);
    writePalette(w);
    writeRows(w);
    return w.bytes;
}

std::string hamburgerSvg()
{
    const std::string size = std::to_string(kIconSize);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      size + "\" height=\"" + size + "\" viewBox=\"0 0 " + size + " " + size +
                      "\" shape-rendering=\"crispEdges\">\n";
    constexpr char hex[] = "0123456789abcdef";
    for (std::size_t y = 0; y < kHamburger.size(); ++y) {
        const std::string_view row = kHamburger[y];
        // Runs of one colour on a row become one rectangle.
        for (std::size_t x = 0; x < row.size();) {
            std::size_t end = x + 1;
            while (end < row.size() && row[end] == row[x])
                ++end;
            if (const int index = paletteIndex(row[x]); index != 0) {
                const PaletteEntry& e = kHamburgerPalette[std::size_t(index - 1)];
                std::string colour = "#";
                for (std::uint8_t c : {e.r, e.g, e.b}) {
                    colour += hex[c >> 4];
                    colour += hex[c & 15];
                }
                svg += "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) +
                       "\" width=\"" + std::to_string(end - x) + "\" height=\"1\" fill=\"" +
                       colour + "\"/>\n";
            }
            x = end;
        }
    }
    svg += "</svg>\n";
    return svg;
}

} // namespace ui
