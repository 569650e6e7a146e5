#include "ui/dialogs/kill_frm.h"

#include "platform/win32/utf.h"
#include "ui/dialogs/list_rows.h"
#include "ui/flat/fonts.h"

namespace vesk::ui {

namespace {

using platform::win32::Widen;

// 96-DPI reference pixels.
constexpr int kWidth = 468;   // client area: the 466-pixel strip on the one-pixel frame
constexpr int kHeight = 328;  // client area
constexpr int kMargin = 7;
constexpr int kButtonTop = 295;
constexpr int kButtonWidth = 106;
constexpr int kButtonHeight = 26;
constexpr int kButtonGap = (kWidth - 2 * kMargin - 4 * kButtonWidth) / 3;

// The four buttons in a row under the list, evenly spread.
flat::Bounds ButtonPlace(int index) {
    return {kMargin + index * (kButtonWidth + kButtonGap), kButtonTop, kButtonWidth, kButtonHeight};
}

// The rows are long and many: Arial at 12 reference pixels.
constexpr LONG kListFontHeight = -12;

flat::ScopedFont CreateListFont(platform::DisplayScale scale) {
    return flat::MakeFont(flat::NamedFace(L"Arial", flat::PixelsHigh(kListFontHeight, scale)));
}

}  // namespace

TKillFrm::TKillFrm(HINSTANCE instance, engine::TControlDesktop& state, platform::WindowManager& windows,
                   platform::Processes& processes, engine::KillerMode mode,
                   std::optional<platform::DisplayScale> scale)
    : SkinnedDialog(instance, L"TKillFrm", L"Vesk", kWidth, kHeight, scale),
      model_(state, windows, processes, mode),
      listFont_(CreateListFont(Scale())),
      ListPro(hwnd(), {kMargin, 28, kWidth - 2 * kMargin, kButtonTop - 36}, kListPro),
      BtnClose(hwnd(), L"&Kill Selected", ButtonPlace(0), kBtnClose),
      BtnRefresh(hwnd(), L"&Refresh", ButtonPlace(1), kBtnRefresh),
      FlatButton2(hwnd(), Widen(kSelectAllCaption), ButtonPlace(2), kFlatButton2),
      FlatButton4(hwnd(), L"&Back", ButtonPlace(3), kFlatButton4),
      hints_(hwnd()) {
    if (listFont_) SendMessageW(ListPro.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(listFont_.get()), FALSE);
    StackControls({ListPro.hwnd(), BtnClose.hwnd(), BtnRefresh.hwnd(), FlatButton2.hwnd(), FlatButton4.hwnd(),
                   FlatButton1.hwnd()});
    hints_.Add(FlatButton2.hwnd(), L"[Left Button: Select All ] -->[ Right Button Select None ]");
    hints_.Add(FlatButton4.hwnd(), L"Back To Main Window");

    ListPro.OnClickCheck = [this](int) { ReadTicks(); };
    BtnClose.OnClick = [this] { BtnCloseClick(); };
    BtnRefresh.OnClick = [this] { BtnRefreshClick(); };
    FlatButton2.OnClick = [this] { FlatButton2Click(); };
    FlatButton4.OnClick = [this] { EndModal(kModalCancel); };
}

void TKillFrm::ScaleChanged() {
    flat::ScopedFont font = CreateListFont(Scale());
    if (!font) return;
    SendMessageW(ListPro.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    listFont_ = std::move(font);
}

void TKillFrm::Prepare(const image::RgbImage* dialogImage) {
    PaintTitleStrip(dialogImage);
    hints_.Add(ListPro.hwnd(), Widen(model_.ListProHint));
}

void TKillFrm::FormShow() {
    model_.FormShow();
    ShowModel();
    SkinnedDialog::FormShow();
}

void TKillFrm::BtnCloseClick() {
    ReadTicks();
    model_.BtnCloseClick();
    ShowModel();
}

void TKillFrm::BtnRefreshClick() {
    model_.BtnRefreshClick();
    ShowModel();
}

void TKillFrm::FlatButton2Click() {
    ReadTicks();
    model_.FlatButton2Click();
    ShowModel();
}

void TKillFrm::ReadTicks() {
    model_.Checked.assign(static_cast<std::size_t>(ListPro.Count()), false);
    for (int row = 0; row < ListPro.Count(); ++row) model_.Checked[static_cast<std::size_t>(row)] = ListPro.Checked(row);
}

void TKillFrm::ShowModel() {
    ShowRows(ListPro, model_.ListPro);
    for (int row = 0; row < ListPro.Count(); ++row) {
        const auto r = static_cast<std::size_t>(row);
        ListPro.SetChecked(row, r < model_.Checked.size() && model_.Checked[r]);
    }
    BtnClose.SetText(Widen(model_.BtnCloseCaption));
    BtnRefresh.SetEnabled(model_.BtnRefreshEnabled);
    FlatButton2.SetText(Widen(model_.FlatButton2Caption));
}

void RunKiller(HINSTANCE instance, const image::RgbImage* dialogImage, engine::TControlDesktop& state,
               platform::WindowManager& windows, platform::Processes& processes, engine::KillerMode mode) {
    TKillFrm form(instance, state, windows, processes, mode);
    form.Prepare(dialogImage);
    form.ShowModal();
}

}  // namespace vesk::ui
