#include "ui/dialogs/about_frm.h"

#include "platform/win32/utf.h"
#include "ui/flat/colors.h"
#include "ui/flat/dpi.h"
#include "ui/flat/drawing.h"
#include "ui/flat/fonts.h"

namespace vesk::ui {

namespace {

using platform::win32::Widen;

// 96-DPI reference pixels.
constexpr int kWidth = 433;   // client area
constexpr int kHeight = 254;  // client area
constexpr flat::Bounds kPicture{11, 29, 149, 213};  // Image2
constexpr int kTextLeft = 191;
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kLinkBlue = RGB(0, 0, 255);

// The dialog font's face at another size (reference pixels); the classic
// dialogs used MS Sans Serif, which the dialog font stands in for.
flat::ScopedFont CreateFaceFont(HWND dialog, platform::DisplayScale scale, int pixels, int weight, bool underline) {
    LOGFONTW face{};
    const auto dialogFont = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    if (!dialogFont || !GetObjectW(dialogFont, sizeof face, &face)) return {};
    face.lfHeight = flat::PixelsHigh(-pixels, scale);
    face.lfWidth = 0;
    face.lfWeight = weight;
    face.lfUnderline = underline ? TRUE : FALSE;
    return flat::MakeFont(face);
}

// Nine desktops, the first one current with its red outline, as the main
// window's selector draws them. area: display pixels.
void DrawProgramPicture(HDC dc, const RECT& area, HFONT font, platform::DisplayScale scale) {
    const int height = area.bottom - area.top;
    for (int y = 0; y < height; ++y) {
        const int shade = 128 * (height - y) / height;
        flat::FillSolid(dc, {area.left, area.top + y, area.right, area.top + y + 1},
                        RGB(20, 40 + shade / 2, 90 + shade));
    }
    const int tile = scale.Px(37);
    const int gap = scale.Px(8);
    const int border = flat::BorderWidth(scale);
    const int gridLeft = area.left + (area.right - area.left - (3 * tile + 2 * gap)) / 2;
    const int gridTop = area.top + scale.Px(34);
    for (int n = 1; n <= 9; ++n) {
        const int column = (n - 1) % 3;
        const int row = (n - 1) / 3;
        const RECT box{gridLeft + column * (tile + gap), gridTop + row * (tile + gap),
                       gridLeft + column * (tile + gap) + tile, gridTop + row * (tile + gap) + tile};
        flat::FillSolid(dc, box, n == 1 ? RGB(255, 255, 255) : flat::ColorFocused);
        flat::FrameSolid(dc, box, n == 1 ? RGB(255, 0, 0) : flat::ColorBorder, border);
        if (n == 1) {
            RECT inner = box;
            InflateRect(&inner, -border, -border);
            flat::FrameSolid(dc, inner, RGB(255, 0, 0), border);
        }
        flat::DrawCaption(dc, font, std::to_wstring(n), box, DT_CENTER | DT_VCENTER | DT_SINGLELINE, kNavy);
    }
    const RECT caption{area.left, gridTop + 3 * tile + 2 * gap + scale.Px(12), area.right, area.bottom - scale.Px(8)};
    flat::DrawCaption(dc, font, L"nine desktops\none screen", caption, DT_CENTER | DT_TOP, RGB(255, 255, 255));
}

}  // namespace

// Sized by FitLabels.
TAboutFrm::TAboutFrm(HINSTANCE instance, platform::Shell& shell, std::optional<platform::DisplayScale> scale)
    : SkinnedDialog(instance, L"TAboutFrm", L"About Vesk", kWidth, kHeight, scale),
      model_(shell),
      Label1(hwnd(), L"Vesk ", {227, 22, 0, 0}, kNavy),
      Label9(hwnd(), L"Version 1.3", {260, 54, 0, 0}),
      Label7(hwnd(), L"Web Site:", {kTextLeft, 88, 0, 0}),
      Label3(hwnd(), Widen(model_.Label3), {kTextLeft, 104, 0, 0}, kLinkBlue),
      Label8(hwnd(), L"Email:", {kTextLeft, 130, 0, 0}),
      Label5(hwnd(), Widen(model_.Label5), {kTextLeft, 146, 0, 0}, kLinkBlue),
      FlatButton4(hwnd(), L"&Ok", {kTextLeft, 219, 61, 24}) {
    // The About window sits on no panel: it frames itself in black.
    FlatPanel1.SetVisible(false);
    FlatButton1.SetBounds({408, 3, 22, 14});
    CreateFonts();
    FitLabels();
    StackControls({FlatButton4.hwnd(), FlatButton1.hwnd()});
    FlatButton4.OnClick = [this] { EndModal(kModalCancel); };
}

void TAboutFrm::CreateFonts() {
    flat::ScopedFont name = CreateFaceFont(hwnd(), Scale(), 24, FW_BOLD, false);
    flat::ScopedFont text = CreateFaceFont(hwnd(), Scale(), 13, FW_NORMAL, false);
    flat::ScopedFont link = CreateFaceFont(hwnd(), Scale(), 13, FW_NORMAL, true);
    Label1.SetFont(name.get());
    for (flat::TFlatLabel* label : {&Label9, &Label7, &Label8}) label->SetFont(text.get());
    for (flat::TFlatLabel* label : {&Label3, &Label5}) label->SetFont(link.get());
    nameFont_ = std::move(name);
    textFont_ = std::move(text);
    linkFont_ = std::move(link);
}

void TAboutFrm::FitLabels() {
    const flat::WindowDc screen(nullptr, flat::WindowDc::Area::Client);
    for (const flat::TFlatLabel* label : {&Label1, &Label9, &Label7, &Label3, &Label8, &Label5}) {
        const auto font = reinterpret_cast<HFONT>(SendMessageW(label->hwnd(), WM_GETFONT, 0, 0));
        const SIZE size = flat::MeasureCaption(screen.get(), font, label->Text());
        SetWindowPos(label->hwnd(), nullptr, 0, 0, size.cx + 1, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TAboutFrm::ScaleChanged() {
    CreateFonts();
    FitLabels();
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void TAboutFrm::Prepare(const image::RgbImage* dialogImage) {
    PaintTitleStrip(dialogImage, flat::StripFit::KeepRightFrame);
}

void TAboutFrm::PlaceBeside(HWND mainWindow) {
    RECT main{};
    GetWindowRect(mainWindow, &main);
    RECT own{};
    GetWindowRect(hwnd(), &own);
    const platform::Point place =
        AboutModel::Placement({main.left, main.top}, main.right - main.left, own.right - own.left);
    PlaceAt(place.x, place.y);
}

LRESULT TAboutFrm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        FormPaint();
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            POINT pointer{};
            GetCursorPos(&pointer);
            ScreenToClient(hwnd(), &pointer);
            if (LinkAt(pointer)) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
        }
        break;
    case WM_LBUTTONUP: {
        // The labels let the mouse through to the window.
        const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const flat::TFlatLabel* link = LinkAt(at);
        if (link == &Label3) model_.FlatButton1Click();
        if (link == &Label5) model_.Label5Click();
        return 0;
    }
    default:
        break;
    }
    return SkinnedDialog::HandleMessage(message, wParam, lParam);
}

bool TAboutFrm::PreviewKey(const MSG& key) {
    if (key.message == WM_KEYDOWN && key.wParam == VK_ESCAPE) {
        EndModal(kModalOk);
        return true;
    }
    return false;
}

void TAboutFrm::FormPaint() {
    const flat::PaintDc paint(hwnd());
    const HDC dc = paint.get();
    RECT client{};
    GetClientRect(hwnd(), &client);
    flat::FillSolid(dc, client, RGB(255, 255, 255));
    flat::FrameSolid(dc, client, RGB(0, 0, 0), flat::BorderWidth(Scale()));
    const flat::Bounds picture = flat::Scaled(kPicture, Scale());
    DrawProgramPicture(dc, {picture.x, picture.y, picture.x + picture.width, picture.y + picture.height},
                       textFont_.get(), Scale());
}

const flat::TFlatLabel* TAboutFrm::LinkAt(POINT client) const {
    for (const flat::TFlatLabel* link : {&Label3, &Label5}) {
        RECT area{};
        GetWindowRect(link->hwnd(), &area);
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&area), 2);
        if (PtInRect(&area, client)) return link;
    }
    return nullptr;
}

void RunAboutWindow(HINSTANCE instance, HWND mainWindow, const image::RgbImage* dialogImage, platform::Shell& shell) {
    TAboutFrm form(instance, shell);
    form.Prepare(dialogImage);
    form.PlaceBeside(mainWindow);
    form.ShowModal();
}

}  // namespace vesk::ui
