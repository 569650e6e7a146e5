#include "ui/flat/title_strip.h"

#include "ui/flat/drawing.h"
#include "ui/flat/rgb_bitmap.h"

namespace vesk::ui::flat {

namespace {

constexpr const wchar_t* kClass = L"TTitleStrip";
constexpr LONG kNoDrag = -1000;

const wchar_t* RegisteredClass() {
    RegisterPlainClass(kClass);
    return kClass;
}

ScopedBitmap CreateStripBitmap(int width, int height) {
    const WindowDc screen(nullptr, WindowDc::Area::Client);
    return ScopedBitmap(CreateCompatibleBitmap(screen.get(), width, height));
}

POINT PositionOf(LPARAM position) {
    return {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
}

}  // namespace

TitleStrip::TitleStrip(HWND parent, const Bounds& bounds)
    : FlatControl(parent, RegisteredClass(), L"", WS_VISIBLE, 0, bounds, 0, nullptr) {
    ScaleChanged();
}

void TitleStrip::ScaleChanged() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    width_ = client.right;
    height_ = client.bottom;
    bitmap_ = CreateStripBitmap(width_, height_);
    PaintBitmap();
}

void TitleStrip::Paint(const image::RgbImage* picture, StripFit fit) {
    picture_ = picture ? *picture : image::RgbImage{};
    fit_ = fit;
    PaintBitmap();
}

void TitleStrip::PaintBitmap() {
    ScopedMemoryDc canvas(CreateCompatibleDC(nullptr));
    if (!canvas || !bitmap_) return;
    Selection strip(canvas.get(), bitmap_.get());
    const int border = BorderWidth(Scale());
    FillSolid(canvas.get(), {0, 0, width_, height_}, RGB(255, 255, 255));
    FrameSolid(canvas.get(), {0, 0, width_, height_}, RGB(0, 0, 0), border);
    if (!picture_.empty()) {
        const ScopedBitmap source = BitmapFromRgb(picture_);
        ScopedMemoryDc sourceDc(CreateCompatibleDC(nullptr));
        if (source && sourceDc) {
            Selection selected(sourceDc.get(), source.get());
            SetStretchBltMode(canvas.get(), HALFTONE);
            SetBrushOrgEx(canvas.get(), 0, 0, nullptr);
            const int width = fit_ == StripFit::KeepRightFrame ? width_ - border : width_;
            StretchBlt(canvas.get(), 0, 0, width, height_, sourceDc.get(), 0, 0, picture_.width, picture_.height,
                       SRCCOPY);
        }
    }
    InvalidateRect(hwnd(), nullptr, FALSE);
}

image::RgbImage TitleStrip::Picture() const { return RgbFromBitmap(bitmap_.get()); }

void TitleStrip::Press(WPARAM buttons, LPARAM position) {
    if (buttons & MK_LBUTTON) {
        dragOrigin_ = PositionOf(position);
        SetCapture(hwnd());  // a quick drag may leave the strip between moves
    } else {
        dragOrigin_ = {kNoDrag, kNoDrag};
    }
}

void TitleStrip::Move(WPARAM buttons, LPARAM position) {
    if (!(buttons & MK_LBUTTON) || dragOrigin_.x == kNoDrag) return;
    const HWND window = GetAncestor(hwnd(), GA_ROOT);
    RECT place{};
    GetWindowRect(window, &place);
    const POINT at = PositionOf(position);
    SetWindowPos(window, nullptr, place.left + at.x - dragOrigin_.x, place.top + at.y - dragOrigin_.y, 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT TitleStrip::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PaintDc paint(hwnd());
        ScopedMemoryDc canvas(CreateCompatibleDC(paint.get()));
        if (canvas && bitmap_) {
            Selection strip(canvas.get(), bitmap_.get());
            BitBlt(paint.get(), 0, 0, width_, height_, canvas.get(), 0, 0, SRCCOPY);
        }
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        Press(wParam, lParam);
        return 0;
    case WM_MOUSEMOVE:
        Move(wParam, lParam);
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == hwnd()) ReleaseCapture();
        return 0;
    default:
        break;
    }
    return FlatControl::HandleMessage(message, wParam, lParam);
}

}  // namespace vesk::ui::flat
