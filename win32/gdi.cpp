#include "gdi.h"

namespace win32gui {

void drawDottedFrame(HDC dc, const RECT& rect, COLORREF colour)
{
    const LOGBRUSH brush{BS_SOLID, colour, 0};
    const GdiObject<HPEN> pen(ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr));
    if (!pen)
        return;
    const HGDIOBJ oldPen = SelectObject(dc, pen.get());
    const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
}

} // namespace win32gui
