#include "ui/flat/guarded_call.h"

#include <string>

#include "platform/win32/utf.h"

namespace vesk::ui::flat {

void ReportUncaughtError(HWND owner, const char* what) noexcept {
    constexpr UINT kStyle = MB_OK | MB_ICONERROR | MB_TOPMOST;
    try {
        const std::wstring text = platform::win32::Widen(what);
        MessageBoxW(owner, text.c_str(), L"Vesk1.2", kStyle);
    } catch (...) {
        // Out of memory for the text: the report goes out without it.
        MessageBoxW(owner, L"Unknown error.", L"Vesk1.2", kStyle);
    }
}

}  // namespace vesk::ui::flat
