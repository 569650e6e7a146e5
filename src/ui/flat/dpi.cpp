#include "ui/flat/dpi.h"

#include "ui/flat/gdi.h"
#include "ui/flat/reflect.h"

namespace vesk::ui::flat {
namespace {

using DpiForWindow = UINT(WINAPI*)(HWND);
using DpiForSystem = UINT(WINAPI*)();

// Looked up rather than imported: Windows before 10 1607 has neither, and an
// import would stop the program from starting there.
template <typename Function>
Function User32Function(const char* name) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name))) : nullptr;
}

}  // namespace

DisplayScale SystemScale() {
    static const auto forSystem = User32Function<DpiForSystem>("GetDpiForSystem");
    if (forSystem) return DisplayScale(static_cast<int>(forSystem()));
    const WindowDc screen(nullptr, WindowDc::Area::Client);
    return DisplayScale(GetDeviceCaps(screen.get(), LOGPIXELSX));
}

DisplayScale WindowScale(HWND window) {
    static const auto forWindow = User32Function<DpiForWindow>("GetDpiForWindow");
    if (forWindow && window) {
        if (const UINT dpi = forWindow(window)) return DisplayScale(static_cast<int>(dpi));
    }
    return SystemScale();
}

Bounds Scaled(const Bounds& reference, DisplayScale scale) {
    // Edges are scaled rather than sizes, so that neighbours that touch at
    // 96 DPI still touch.
    const int left = scale.Px(reference.x);
    const int top = scale.Px(reference.y);
    return {left, top, scale.Px(reference.x + reference.width) - left, scale.Px(reference.y + reference.height) - top};
}

DisplayScale LayoutScale(HWND window) {
    const auto dpi = static_cast<int>(SendMessageW(window, DisplayScaleQueryMessage(), 0, 0));
    return dpi > 0 ? DisplayScale(dpi) : DisplayScale();
}

}  // namespace vesk::ui::flat
