#pragma once
#include "platform/win32/windows_api.h"

#include "platform/win32/scoped_handles.h"

namespace vesk::ui::flat {

// GDI objects made with Create*: pens, brushes, fonts, bitmaps.
template <typename GdiHandle>
struct GdiObjectTraits {
    using Handle = GdiHandle;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle object) { DeleteObject(object); }
};

struct MemoryDcTraits {
    using Handle = HDC;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle dc) { DeleteDC(dc); }
};

using ScopedPen = platform::win32::Scoped<GdiObjectTraits<HPEN>>;
using ScopedBrush = platform::win32::Scoped<GdiObjectTraits<HBRUSH>>;
using ScopedFont = platform::win32::Scoped<GdiObjectTraits<HFONT>>;
using ScopedBitmap = platform::win32::Scoped<GdiObjectTraits<HBITMAP>>;
using ScopedMemoryDc = platform::win32::Scoped<MemoryDcTraits>;

// A window's DC from GetDC (client area) or GetWindowDC (whole window),
// released when dropped.
class WindowDc {
public:
    enum class Area { Client, Window };
    WindowDc(HWND window, Area area)
        : window_(window), dc_(area == Area::Client ? GetDC(window) : GetWindowDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint ... EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window) { BeginPaint(window, &paint_); }
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return paint_.hdc; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
};

// An object selected into a DC; the previous one is put back when dropped.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace vesk::ui::flat
