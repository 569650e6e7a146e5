#include "ui/dialogs/pass_frm.h"

#include "platform/win32/utf.h"
#include "ui/flat/fonts.h"

namespace vesk::ui {

namespace {

constexpr int kWidth = 301;   // client area, 96-DPI reference pixels
constexpr int kHeight = 107;  // client area, 96-DPI reference pixels
constexpr COLORREF kNavy = RGB(0, 0, 128);

enum ControlId { kLabel = 100, kField, kOk, kCancel, kNextTime };

// "Show Next Time" in DejaVu Sans, Wine's stand-in for Tahoma, is wider than
// its 96-DPI box, and wider still in proportion above 96 DPI, where font
// heights round up: there the box takes twelve reference pixels from the OK
// button, whose caption needs few. 96 DPI keeps its pixels.
flat::Bounds NextTimeBounds(platform::DisplayScale scale) {
    return scale.IsReference() ? flat::Bounds{6, 77, 98, 16} : flat::Bounds{6, 77, 110, 16};
}
flat::Bounds OkBounds(platform::DisplayScale scale) {
    return scale.IsReference() ? flat::Bounds{105, 73, 82, 24} : flat::Bounds{117, 73, 70, 24};
}

// Text of a 13-reference-pixel cell in the dialog font's face.
flat::ScopedFont CreateLabelFont(HWND dialog, platform::DisplayScale scale) {
    LOGFONTW face{};
    const auto dialogFont = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    if (!dialogFont || !GetObjectW(dialogFont, sizeof face, &face)) return {};
    face.lfHeight = flat::PixelsHigh(13, scale);  // cell height
    face.lfWidth = 0;
    return flat::MakeFont(face);
}

}  // namespace

TPassFrm::TPassFrm(HINSTANCE instance, const image::RgbImage* titleImage,
                   std::optional<platform::DisplayScale> scale)
    : SkinnedDialog(instance, L"TPassFrm", L"Vesk", kWidth, kHeight, scale),
      titleImage_(titleImage),
      givenScale_(scale),
      labelFont_(CreateLabelFont(hwnd(), Scale())),
      Label1(hwnd(), L"Password", {6, 31, 291, 70}, kNavy, kLabel),
      FlatEdit1(hwnd(), {104, 33, 176, 22}, kField, ES_PASSWORD),
      FlatButton2(hwnd(), L"&Ok", OkBounds(Scale()), kOk),
      FlatButton4(hwnd(), L"&Cancel", {198, 73, 82, 24}, kCancel),
      CheckNext(hwnd(), L"Show Next Time", NextTimeBounds(Scale()), kNextTime) {
    Label1.SetFont(labelFont_.get());
    FlatEdit1.SetPasswordChar(L'*');
    CheckNext.SetVisible(false);
    CheckNext.SetChecked(true);
    // The label spans the buttons' line: it must lie beneath them.
    StackControls({FlatEdit1.hwnd(), FlatButton2.hwnd(), FlatButton4.hwnd(), CheckNext.hwnd()});
    SendToBack(Label1.hwnd());

    FlatButton2.OnClick = [this] { FlatButton2Click(); };
    FlatButton4.OnClick = [this] { EndModal(kModalCancel); };
    CheckNext.OnClick = [this] { model_.setBoxTicked(CheckNext.Checked()); };
}

void TPassFrm::ScaleChanged() {
    FlatButton2.SetBounds(OkBounds(Scale()));
    CheckNext.SetBounds(NextTimeBounds(Scale()));
    flat::ScopedFont font = CreateLabelFont(hwnd(), Scale());
    Label1.SetFont(font.get());
    labelFont_ = std::move(font);
}

void TPassFrm::Prepare(const image::RgbImage* titleImage, const std::string& message,
                       const std::string& expectedPassword, bool fieldVisible, bool boxVisible,
                       bool boxTicked) {
    PaintTitleStrip(titleImage);
    model_.Prepare(message, expectedPassword, fieldVisible, boxVisible, boxTicked);
    ShowQuestion(0);  // no limit: a password may be long
}

void TPassFrm::ShowQuestion(int longest) {
    Label1.SetText(platform::win32::Widen(model_.message()));
    FlatEdit1.SetVisible(model_.fieldVisible());
    FlatEdit1.SetPasswordChar(model_.textEntry() ? L'\0' : L'*');
    SendMessageW(FlatEdit1.hwnd(), EM_LIMITTEXT, static_cast<WPARAM>(longest), 0);
    FlatEdit1.SetText(platform::win32::Widen(model_.typed()));
    CheckNext.SetVisible(model_.boxVisible());
    CheckNext.SetChecked(model_.boxTicked());
}

engine::PromptResult TPassFrm::Ask(const std::string& message, bool withPasswordField,
                                   const std::string& expectedPassword) {
    if (Showing()) return engine::PromptResult::Cancel;
    Prepare(titleImage_, message, expectedPassword, withPasswordField, false, false);
    return ShowModal() == kModalOk ? engine::PromptResult::Ok : engine::PromptResult::Cancel;
}

bool TPassFrm::ShowWithNextTimeBox(const std::string& message, bool ticked) {
    if (Showing()) return ticked;
    Prepare(titleImage_, message, "", false, true, ticked);
    ShowModal();
    return NextTimeTicked();
}

std::optional<std::string> TPassFrm::AskText(const std::string& message, const std::string& initial, int longest) {
    if (Showing()) return std::nullopt;
    PaintTitleStrip(titleImage_);
    model_.PrepareTextEntry(message, initial);
    // Counted in UTF-16 units, so a character beyond the first plane takes
    // two: such text holds fewer characters, never more.
    ShowQuestion(longest);
    if (ShowModal() != kModalOk) return std::nullopt;
    return model_.typed();
}

void TPassFrm::FormShow() {
    if (FlatEdit1.Visible()) {
        FlatEdit1.Focus();
        if (model_.textEntry()) FlatEdit1.SelectAll();
    } else {
        SkinnedDialog::FormShow();
    }
}

bool TPassFrm::PreviewKey(const MSG& key) {
    if (key.message != WM_KEYDOWN) return false;
    const PassModel::Key which = key.wParam == VK_RETURN   ? PassModel::Key::Enter
                                 : key.wParam == VK_ESCAPE ? PassModel::Key::Escape
                                                           : PassModel::Key::Other;
    switch (model_.KeyDown(which, FlatEdit1.Focused())) {
    case PassModel::Action::RunOk:
        FlatButton2Click();
        return true;
    case PassModel::Action::CloseCancel:
        EndModal(kModalCancel);
        return true;
    default:
        return false;
    }
}

void TPassFrm::FlatButton2Click() {
    model_.setTyped(platform::win32::Narrow(FlatEdit1.Text()));
    switch (model_.Ok()) {
    case PassModel::Action::CloseOk:
        EndModal(kModalOk);
        break;
    case PassModel::Action::Retry:
        ShowRetryMessage();
        break;
    default:
        break;
    }
}

void TPassFrm::ShowRetryMessage() {
    const image::RgbImage strip = TitlePicture();
    TPassFrm retry(instance(), nullptr, givenScale_);
    retry.Prepare(&strip, PassModel::kRetryMessage, "", false, false, false);
    retry.ShowModal();
    FlatEdit1.Focus();
}

}  // namespace vesk::ui
