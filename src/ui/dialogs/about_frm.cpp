#include "ui/dialogs/about_frm.h"

#include "platform/win32/utf.h"
#include "ui/flat/colors.h"
#include "ui/flat/drawing.h"
#include "ui/flat/fonts.h"

namespace vesk::ui {

namespace {

using platform::win32::Widen;

constexpr int kWidth = 433;   // client pixels
constexpr int kHeight = 254;  // client pixels
constexpr RECT kPicture{11, 29, 11 + 149, 29 + 213};  // Image2
constexpr int kTextLeft = 191;
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kLinkBlue = RGB(0, 0, 255);

// The dialog font's face at another size; the classic dialogs used MS Sans
// Serif, which the dialog font stands in for.
flat::ScopedFont CreateFaceFont(HWND dialog, int pixels, int weight, bool underline) {
    LOGFONTW face{};
    const auto dialogFont = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    if (!dialogFont || !GetObjectW(dialogFont, sizeof face, &face)) return {};
    face.lfHeight = -pixels;
    face.lfWidth = 0;
    face.lfWeight = weight;
    face.lfUnderline = underline ? TRUE : FALSE;
    return flat::MakeFont(face);
}

// A label exactly as large as its one line of text, so that a link reacts
// only over its text.
flat::Bounds TextBounds(HFONT font, const std::wstring& text, int x, int y) {
    const flat::WindowDc screen(nullptr, flat::WindowDc::Area::Client);
    const SIZE size = flat::MeasureCaption(screen.get(), font, text);
    return {x, y, size.cx + 1, size.cy};
}

// Nine desktops, the first one current with its red outline, as the main
// window's selector draws them.
void DrawProgramPicture(HDC dc, const RECT& area, HFONT font) {
    const int height = area.bottom - area.top;
    for (int y = 0; y < height; ++y) {
        const int shade = 128 * (height - y) / height;
        flat::FillSolid(dc, {area.left, area.top + y, area.right, area.top + y + 1},
                        RGB(20, 40 + shade / 2, 90 + shade));
    }
    constexpr int kTile = 37;
    constexpr int kGap = 8;
    const int gridLeft = area.left + (area.right - area.left - (3 * kTile + 2 * kGap)) / 2;
    const int gridTop = area.top + 34;
    for (int n = 1; n <= 9; ++n) {
        const int column = (n - 1) % 3;
        const int row = (n - 1) / 3;
        const RECT tile{gridLeft + column * (kTile + kGap), gridTop + row * (kTile + kGap),
                        gridLeft + column * (kTile + kGap) + kTile, gridTop + row * (kTile + kGap) + kTile};
        flat::FillSolid(dc, tile, n == 1 ? RGB(255, 255, 255) : flat::ColorFocused);
        flat::FrameSolid(dc, tile, n == 1 ? RGB(255, 0, 0) : flat::ColorBorder);
        if (n == 1) {
            RECT inner = tile;
            InflateRect(&inner, -1, -1);
            flat::FrameSolid(dc, inner, RGB(255, 0, 0));
        }
        flat::DrawCaption(dc, font, std::to_wstring(n), tile, DT_CENTER | DT_VCENTER | DT_SINGLELINE, kNavy);
    }
    const RECT caption{area.left, gridTop + 3 * kTile + 2 * kGap + 12, area.right, area.bottom - 8};
    flat::DrawCaption(dc, font, L"nine desktops\none screen", caption, DT_CENTER | DT_TOP, RGB(255, 255, 255));
}

}  // namespace

TAboutFrm::TAboutFrm(HINSTANCE instance, platform::Shell& shell)
    : SkinnedDialog(instance, L"TAboutFrm", L"About Vesk", kWidth, kHeight),
      model_(shell),
      nameFont_(CreateFaceFont(hwnd(), 24, FW_BOLD, false)),
      textFont_(CreateFaceFont(hwnd(), 13, FW_NORMAL, false)),
      linkFont_(CreateFaceFont(hwnd(), 13, FW_NORMAL, true)),
      Label1(hwnd(), L"Vesk ", TextBounds(nameFont_.get(), L"Vesk ", 227, 22), kNavy),
      Label9(hwnd(), L"Version 1.3", TextBounds(textFont_.get(), L"Version 1.3", 260, 54)),
      Label7(hwnd(), L"Web Site:", TextBounds(textFont_.get(), L"Web Site:", kTextLeft, 88)),
      Label3(hwnd(), Widen(model_.Label3), TextBounds(linkFont_.get(), Widen(model_.Label3), kTextLeft, 104),
             kLinkBlue),
      Label8(hwnd(), L"Email:", TextBounds(textFont_.get(), L"Email:", kTextLeft, 130)),
      Label5(hwnd(), Widen(model_.Label5), TextBounds(linkFont_.get(), Widen(model_.Label5), kTextLeft, 146),
             kLinkBlue),
      FlatButton4(hwnd(), L"&Ok", {kTextLeft, 219, 61, 24}) {
    // The About window sits on no panel: it frames itself in black.
    FlatPanel1.SetVisible(false);
    FlatButton1.SetBounds({408, 3, 22, 14});
    Label1.SetFont(nameFont_.get());
    for (flat::TFlatLabel* label : {&Label9, &Label7, &Label8}) label->SetFont(textFont_.get());
    for (flat::TFlatLabel* link : {&Label3, &Label5}) link->SetFont(linkFont_.get());
    StackControls({FlatButton4.hwnd(), FlatButton1.hwnd()});
    FlatButton4.OnClick = [this] { EndModal(kModalCancel); };
}

void TAboutFrm::Prepare(const image::RgbImage* dialogImage) {
    PaintTitleStrip(dialogImage, flat::StripFit::KeepRightFrame);
}

void TAboutFrm::PlaceBeside(HWND mainWindow) {
    RECT main{};
    GetWindowRect(mainWindow, &main);
    const platform::Point place = AboutModel::Placement({main.left, main.top}, main.right - main.left, kWidth);
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
    // The DC's defaults: a one-pixel black pen and a white brush.
    Rectangle(dc, 0, 0, kWidth, kHeight);
    DrawProgramPicture(dc, kPicture, textFont_.get());
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
