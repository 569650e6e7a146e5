#include "ui/dialogs/help_frm.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "platform/win32/utf.h"
#include "ui/dialogs/skinned_dialog.h"
#include "ui/dialogs/tips_model.h"
#include "ui/flat/drawing.h"
#include "ui/flat/flat_button.h"
#include "ui/flat/flat_check_box.h"
#include "ui/flat/flat_label.h"
#include "ui/flat/flat_panel.h"
#include "ui/flat/fonts.h"
#include "ui/flat/gdi.h"

namespace vesk::ui {

namespace {

// 96-DPI reference pixels.
constexpr int kWidth = 380;      // client area
constexpr int kHeight = 113;     // client area
constexpr int kBarTop = 85;      // the button bar, 28 pixels high, at the bottom
constexpr int kMemoFontPixels = 16;
constexpr int kSmallestMemoFontPixels = 9;
constexpr UINT kCloseKey = VK_CANCEL;  // key code 3: Ctrl+Break
// Posted to itself once closed: the window is released from the message
// loop, never from inside the handler of one of its own controls.
constexpr UINT kReleaseMessage = WM_APP + 1;

flat::ScopedFont CreateMemoFont(int pixels, platform::DisplayScale scale) {
    return flat::MakeFont(
        flat::NamedFace(L"Times New Roman", flat::PixelsHigh(-pixels, scale), VARIABLE_PITCH | FF_ROMAN));
}

// The widest of the lines in the font, in display pixels.
int WidestLine(HFONT font, const std::array<std::wstring, kLinesPerTip>& lines) {
    const flat::WindowDc screen(nullptr, flat::WindowDc::Area::Client);
    int widest = 0;
    for (const auto& line : lines) widest = std::max<int>(widest, flat::MeasureCaption(screen.get(), font, line).cx);
    return widest;
}

flat::Bounds OnBar(int x, int y, int width, int height) { return {x, kBarTop + y, width, height}; }

// The tips window. Not modal: it is shown and left to the main message
// loop, and it owns itself from then on, as nothing else refers to it.
class THelpFrm final : public SkinnedDialog {
public:
    THelpFrm(HINSTANCE instance, engine::TControlDesktop& live, platform::Files& files,
             std::optional<platform::DisplayScale> scale)
        : SkinnedDialog(instance, L"THelpFrm", L"Vesk Tips", kWidth, kHeight, scale),
          model_(live, files),
          Memo1(hwnd(), L"", {6, 25, kWidth - 12, 58}),
          buttonBar_(hwnd(), {0, kBarTop, kWidth, kHeight - kBarTop}),
          CheckNext(hwnd(), L"Show Next Time", OnBar(3, 7, 118, 18)),
          FlatButton5(hwnd(), L"&First", OnBar(127, 3, 42, 22)),
          FlatButton4(hwnd(), L"&Prior", OnBar(174, 3, 42, 22)),
          FlatButton3(hwnd(), L"&Next", OnBar(221, 3, 42, 22)),
          FlatButton6(hwnd(), L"&Last", OnBar(268, 3, 42, 22)),
          FlatButton2(hwnd(), L"&OK", OnBar(315, 3, 63, 22)) {
        CheckNext.SetChecked(model_.CheckNext);
        StackControls({CheckNext.hwnd(), FlatButton5.hwnd(), FlatButton4.hwnd(), FlatButton3.hwnd(),
                       FlatButton6.hwnd(), FlatButton2.hwnd(), FlatButton1.hwnd()});
        SendToBack(buttonBar_.hwnd());
        SendToBack(Memo1.hwnd());
        SendToBack(Image1.hwnd());
        SendToBack(FlatPanel1.hwnd());

        CheckNext.OnClick = [this] { model_.CheckNextClick(CheckNext.Checked()); };
        FlatButton3.OnClick = [this] { Step(&TipsModel::FlatButton3Click); };
        FlatButton4.OnClick = [this] { Step(&TipsModel::FlatButton4Click); };
        FlatButton5.OnClick = [this] { Step(&TipsModel::FlatButton5Click); };
        FlatButton6.OnClick = [this] { Step(&TipsModel::FlatButton6Click); };
        FlatButton2.OnClick = [this] { FormClose(); };
    }

    void Prepare(const image::RgbImage* dialogImage) { PaintTitleStrip(dialogImage); }

    // Screen pixels.
    void Show(int left, int top) {
        PlaceAt(left, top);
        MoveToShowPlace();
        SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        FormShow();
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_KEYDOWN:  // reaches the window only while no control has the focus
            if (wParam == kCloseKey) FormClose();
            return 0;
        case WM_CLOSE:
            FormClose();
            return 0;
        case kReleaseMessage:
            delete this;
            return 0;
        default:
            return SkinnedDialog::HandleMessage(message, wParam, lParam);
        }
    }

    // The first tip; the window keeps the focus itself, so that Ctrl+Break
    // closes it.
    void FormShow() override {
        model_.FormShow();
        ShowModel();
        SetFocus(hwnd());
    }

    void CloseButtonClick() override { FormClose(); }
    void ScaleChanged() override { ShowModel(); }

private:
    void Step(void (TipsModel::*step)()) {
        (model_.*step)();
        ShowModel();
    }

    void ShowModel() {
        std::array<std::wstring, kLinesPerTip> lines;
        for (std::size_t i = 0; i < lines.size(); ++i) lines[i] = platform::win32::Widen(model_.Memo1[i]);
        FitMemoFont(lines);
        Memo1.SetText(lines[0] + L"\r\n" + lines[1] + L"\r\n" + lines[2]);
        FlatButton5.SetEnabled(model_.FirstEnabled);
        FlatButton4.SetEnabled(model_.PriorEnabled);
        FlatButton3.SetEnabled(model_.NextEnabled);
        FlatButton6.SetEnabled(model_.LastEnabled);
        CheckNext.SetChecked(model_.CheckNext);
    }

    // A tip is three lines and must stay three: where Times New Roman is
    // missing (Wine without it) a wider face stands in, and a line that
    // would wrap gets a smaller size instead.
    void FitMemoFont(const std::array<std::wstring, kLinesPerTip>& lines) {
        RECT memo{};
        GetClientRect(Memo1.hwnd(), &memo);
        int pixels = kMemoFontPixels;
        flat::ScopedFont font = CreateMemoFont(pixels, Scale());
        while (font && pixels > kSmallestMemoFontPixels && WidestLine(font.get(), lines) > memo.right) {
            font = CreateMemoFont(--pixels, Scale());
        }
        if (!font) return;
        Memo1.SetFont(font.get());
        memoFont_ = std::move(font);
    }

    void FormClose() {
        if (!IsWindowVisible(hwnd())) return;
        ShowWindow(hwnd(), SW_HIDE);
        PostMessageW(hwnd(), kReleaseMessage, 0, 0);
    }

    TipsModel model_;
    flat::ScopedFont memoFont_;  // Memo1's, fitted to the tip on screen
    flat::TFlatLabel Memo1;  // shows three lines and takes no keys
    flat::TFlatPanel buttonBar_;  // the form's FlatPanel1; the dialog frame has that name already
    flat::TFlatCheckBox CheckNext;
    flat::TFlatButton FlatButton5;
    flat::TFlatButton FlatButton4;
    flat::TFlatButton FlatButton3;
    flat::TFlatButton FlatButton6;
    flat::TFlatButton FlatButton2;
};

}  // namespace

void ShowTipsWindow(HINSTANCE instance, HWND mainWindow, const image::RgbImage* dialogImage,
                    engine::TControlDesktop& live, platform::Files& files) {
    auto form = std::make_unique<THelpFrm>(instance, live, files, std::nullopt);
    if (!form->hwnd()) return;
    form->Prepare(dialogImage);
    RECT main{}, own{};
    GetWindowRect(mainWindow, &main);
    GetWindowRect(form->hwnd(), &own);
    const int top = (GetSystemMetrics(SM_CYSCREEN) - (main.bottom - main.top)) / 2 - (own.bottom - own.top);
    form.release()->Show(main.left, top);
}

}  // namespace vesk::ui
