#include "ui/flat/frame.h"

#include "ui/flat/colors.h"
#include "ui/flat/drawing.h"
#include "ui/flat/gdi.h"

namespace vesk::ui::flat {

void PaintFlatFrame(HWND control, COLORREF padding, int thickness) {
    RECT window{};
    GetWindowRect(control, &window);
    const RECT whole{0, 0, window.right - window.left, window.bottom - window.top};
    WindowDc dc(control, WindowDc::Area::Window);
    if (!dc.get()) return;
    if (padding != CLR_INVALID) {
        RECT client{};
        GetClientRect(control, &client);
        MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&client), 2);
        OffsetRect(&client, -window.left, -window.top);
        const int saved = SaveDC(dc.get());
        ExcludeClipRect(dc.get(), client.left, client.top, client.right, client.bottom);
        FillSolid(dc.get(), whole, padding);
        RestoreDC(dc.get(), saved);
    }
    FrameSolid(dc.get(), whole, ColorBorder, thickness);
}

int LineHeight(HWND control, HFONT font) {
    WindowDc dc(control, WindowDc::Area::Client);
    Selection selected(dc.get(), font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    return metrics.tmHeight;
}

}  // namespace vesk::ui::flat
