#include "ui/dialogs/window_frm.h"

#include "platform/win32/utf.h"
#include "ui/dialogs/list_rows.h"

namespace vesk::ui {

namespace {

using platform::win32::Widen;

// 96-DPI reference pixels.
constexpr int kWidth = 442;   // client area: the 440-pixel strip on the one-pixel frame
constexpr int kHeight = 410;  // client area
constexpr int kMargin = 8;
constexpr int kListWidth = kWidth - 2 * kMargin;
constexpr int kListHeight = 118;
constexpr int kTransferTop = 198;  // the row between the two lists
constexpr int kTransferButton = 56;
constexpr const wchar_t* kRowHint = L"Format--> Handle  ClassName   Title";

}  // namespace

TWindowFrm::TWindowFrm(HINSTANCE instance, engine::TControlDesktop& state, platform::WindowManager& windows,
                       engine::HiddenWindowJournal& journal, std::optional<platform::DisplayScale> scale)
    : SkinnedDialog(instance, L"TWindowFrm", L"Vesk", kWidth, kHeight, scale),
      model_(state, windows, journal),
      LabStatus(hwnd(), L"Current", {kMargin, 31, 48, 16}),
      EdtCurrent(hwnd(), {58, 28, 110, 21}, kEdtCurrent, ES_READONLY),
      Label2(hwnd(), L"Copy / Cut Window One to Another", {kMargin, 57, kListWidth, 16}),
      ListFrom(hwnd(), {kMargin, 74, kListWidth, kListHeight}, kListFrom),
      Label1(hwnd(), L"Select", {kMargin, kTransferTop + 21, 36, 16}),
      ComDesktops(hwnd(), {46, kTransferTop + 17, 104, 22}, kComDesktops),
      downward_(hwnd(), L"\x2193 To the chosen", {160, kTransferTop, 134, 46}),
      BtnCopy(hwnd(), L"Copy", {168, kTransferTop + 15, kTransferButton, 24}, kBtnCopy),
      BtnCut(hwnd(), L"Cut", {230, kTransferTop + 15, kTransferButton, 24}, kBtnCut),
      upward_(hwnd(), L"\x2191 To the current", {kWidth - kMargin - 134, kTransferTop, 134, 46}),
      FlatButton2(hwnd(), L"Copy", {kWidth - kMargin - 126, kTransferTop + 15, kTransferButton, 24}, kFlatButton2),
      FlatButton3(hwnd(), L"Cut", {kWidth - kMargin - 64, kTransferTop + 15, kTransferButton, 24}, kFlatButton3),
      ListTo(hwnd(), {kMargin, 252, kListWidth, kListHeight}, kListTo),
      FlatButton4(hwnd(), L"&Ok", {kWidth - kMargin - 172, 376, 82, 26}, kFlatButton4),
      FlatButton5(hwnd(), L"&Cancel", {kWidth - kMargin - 82, 376, 82, 26}, kFlatButton5),
      hints_(hwnd()) {
    StackControls({ListFrom.hwnd(), ComDesktops.hwnd(), BtnCopy.hwnd(), BtnCut.hwnd(), FlatButton2.hwnd(),
                   FlatButton3.hwnd(), ListTo.hwnd(), FlatButton4.hwnd(), FlatButton5.hwnd(), EdtCurrent.hwnd(),
                   FlatButton1.hwnd()});
    // The frames only group the buttons drawn over them.
    SendToBack(downward_.hwnd());
    SendToBack(upward_.hwnd());
    hints_.Add(ListFrom.hwnd(), kRowHint);
    hints_.Add(ListTo.hwnd(), kRowHint);

    ListFrom.OnChange = [this] { model_.ListFromClick(ListFrom.ItemIndex()); };
    ListTo.OnChange = [this] { model_.ListToClick(ListTo.ItemIndex()); };
    ComDesktops.OnChange = [this] { ComDesktopsChange(); };
    BtnCopy.OnClick = [this] { BtnCopyClick(TransferKind::Copy); };
    BtnCut.OnClick = [this] { BtnCopyClick(TransferKind::Cut); };
    FlatButton2.OnClick = [this] { FlatButton2Click(TransferKind::Copy); };
    FlatButton3.OnClick = [this] { FlatButton2Click(TransferKind::Cut); };
    FlatButton4.OnClick = [this] { EndModal(kModalOk); };
    FlatButton5.OnClick = [this] { FlatButton5Click(); };
}

void TWindowFrm::Prepare(const image::RgbImage* dialogImage) {
    PaintTitleStrip(dialogImage);
    model_.Prepare();
    ComDesktops.Clear();
    for (const auto& item : model_.ComDesktopsItems) ComDesktops.Add(Widen(item));
    ShowModel();
}

// Escape ends the dialog keeping every change, except while the desktop list
// is dropped down: there it only closes the list.
bool TWindowFrm::PreviewKey(const MSG& key) {
    if (key.message == WM_KEYDOWN && key.wParam == VK_ESCAPE &&
        SendMessageW(ComDesktops.hwnd(), CB_GETDROPPEDSTATE, 0, 0)) {
        return false;
    }
    return SkinnedDialog::PreviewKey(key);
}

void TWindowFrm::FormShow() { ListFrom.Focus(); }

void TWindowFrm::CloseButtonClick() { FlatButton5Click(); }

void TWindowFrm::ComDesktopsChange() {
    model_.ComDesktopsChange(ComDesktops.ItemIndex());
    ShowModel();
}

void TWindowFrm::BtnCopyClick(TransferKind kind) {
    model_.BtnCopyClick(kind);
    ShowModel();
}

void TWindowFrm::FlatButton2Click(TransferKind kind) {
    model_.FlatButton2Click(kind);
    ShowModel();
}

void TWindowFrm::FlatButton5Click() {
    model_.FlatButton5Click();
    EndModal(kModalCancel);
}

void TWindowFrm::ShowModel() {
    EdtCurrent.SetText(Widen(model_.EdtCurrent));
    ComDesktops.SetItemIndex(model_.ComDesktops);
    ShowRows(ListFrom, model_.ListFrom);
    ListFrom.SetItemIndex(model_.UpperSelection);
    ShowRows(ListTo, model_.ListTo);
    ListTo.SetItemIndex(model_.LowerSelection);
}

void RunWindowMoveDialog(HINSTANCE instance, const image::RgbImage* dialogImage, engine::TControlDesktop& state,
                         platform::WindowManager& windows, engine::HiddenWindowJournal& journal) {
    TWindowFrm form(instance, state, windows, journal);
    form.Prepare(dialogImage);
    form.ShowModal();
}

}  // namespace vesk::ui
