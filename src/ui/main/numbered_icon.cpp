#include "ui/main/numbered_icon.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "ui/flat/fonts.h"
#include "ui/flat/gdi.h"

namespace vesk::ui {
namespace {

constexpr COLORREF kBadgeColor = RGB(0, 0, 160);
constexpr COLORREF kDigitColor = RGB(255, 255, 255);

// A top-down 32-bit canvas: blue, green, red, alpha per pixel.
struct Canvas {
    flat::ScopedMemoryDc dc;
    flat::ScopedBitmap bitmap;
    std::uint32_t* pixels = nullptr;
};

bool MakeCanvas(Canvas& canvas, int size) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    canvas.bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    canvas.dc.reset(CreateCompatibleDC(nullptr));
    if (!canvas.bitmap || !canvas.dc || !bits) return false;
    canvas.pixels = static_cast<std::uint32_t*>(bits);
    std::memset(bits, 0, static_cast<std::size_t>(size) * static_cast<std::size_t>(size) * 4);
    return true;
}

// Draws the icon with its own transparency. An icon without an alpha channel
// draws every pixel with alpha 0, so its mask decides which are opaque.
void DrawBase(const Canvas& canvas, HICON base, int size) {
    {
        const flat::Selection selected(canvas.dc.get(), canvas.bitmap.get());
        DrawIconEx(canvas.dc.get(), 0, 0, base, size, size, 0, nullptr, DI_NORMAL);
    }
    const std::size_t count = static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
    for (std::size_t i = 0; i < count; ++i) {
        if (canvas.pixels[i] >> 24) return;
    }
    Canvas mask;
    if (!MakeCanvas(mask, size)) return;
    {
        const flat::Selection selected(mask.dc.get(), mask.bitmap.get());
        DrawIconEx(mask.dc.get(), 0, 0, base, size, size, 0, nullptr, DI_MASK);
    }
    for (std::size_t i = 0; i < count; ++i) {
        if ((mask.pixels[i] & 0xFFFFFF) == 0) canvas.pixels[i] |= 0xFF000000u;
    }
}

void DrawBadge(const Canvas& canvas, int number, int size) {
    // Five eighths wide and three quarters high: 10 x 12 pixels at 16.
    const RECT badge{size - (size * 5 + 7) / 8, size - (size * 3 + 3) / 4, size, size};
    {
        const flat::Selection selected(canvas.dc.get(), canvas.bitmap.get());
        const flat::ScopedBrush fill{CreateSolidBrush(kBadgeColor)};
        FillRect(canvas.dc.get(), &badge, fill.get());
        LOGFONTW face = flat::NamedFace(L"Tahoma", -(badge.bottom - badge.top), DEFAULT_PITCH | FF_SWISS);
        face.lfWeight = FW_BOLD;
        // Grey smoothing only: ClearType's coloured edges would show against
        // the badge once the icon is scaled by the shell.
        face.lfQuality = ANTIALIASED_QUALITY;
        const flat::ScopedFont font = flat::MakeFont(face);
        const flat::Selection fontSelected(canvas.dc.get(), font.get());
        SetBkMode(canvas.dc.get(), TRANSPARENT);
        SetTextColor(canvas.dc.get(), kDigitColor);
        const std::wstring digit = std::to_wstring(number);
        RECT area = badge;
        DrawTextW(canvas.dc.get(), digit.c_str(), static_cast<int>(digit.size()), &area,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    GdiFlush();
    // GDI leaves alpha alone: the whole badge is made opaque.
    for (LONG y = badge.top; y < badge.bottom; ++y) {
        for (LONG x = badge.left; x < badge.right; ++x) canvas.pixels[y * size + x] |= 0xFF000000u;
    }
}

}  // namespace

platform::win32::ScopedIcon NumberedIcon(HINSTANCE instance, int iconId, int number, int size) {
    // Shared: the system keeps it, and it is never destroyed here.
    const auto base = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON, size, size, LR_SHARED));
    Canvas canvas;
    if (!base || size <= 0 || !MakeCanvas(canvas, size)) return {};
    DrawBase(canvas, base, size);
    DrawBadge(canvas, number, size);
    // With an alpha channel in the colour bitmap the mask is not used, but
    // CreateIconIndirect still wants one.
    const std::vector<BYTE> clear(static_cast<std::size_t>((size + 15) / 16 * 2) * static_cast<std::size_t>(size), 0);
    const flat::ScopedBitmap mask{CreateBitmap(size, size, 1, 1, clear.data())};
    ICONINFO parts{TRUE, 0, 0, mask.get(), canvas.bitmap.get()};
    return platform::win32::ScopedIcon(CreateIconIndirect(&parts));
}

}  // namespace vesk::ui
