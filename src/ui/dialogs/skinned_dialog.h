#pragma once
#include "platform/win32/windows_api.h"

#include <initializer_list>
#include <optional>
#include <string>

#include "platform/display_scale.h"
#include "platform/win32/scoped_handles.h"
#include "image/rgb_image.h"
#include "ui/flat/flat_panel.h"
#include "ui/flat/flat_speed_button.h"
#include "ui/flat/gdi.h"
#include "ui/flat/title_strip.h"

namespace vesk::ui {

// Modal results: setting either ends the modal loop.
inline constexpr int kModalOk = 1;
inline constexpr int kModalCancel = 2;

// What every dialog of the program shares: a borderless, always-on-top,
// white window on a one-pixel flat panel (`FlatPanel1`), the 20-pixel title
// strip `Image1` that drags the window, the close glyph `FlatButton1` at the
// strip's right end, and a modal run.
//
// A dialog derives from it, creates its controls as children of hwnd() in
// its constructor (flat controls pick up the dialog font and scale), and is
// used as Prepare (its own) -> ShowModal -> read the result.
//
// Every size a dialog gives (client size, control bounds, font heights) is
// in 96-DPI reference pixels; the dialog lays them out at its DisplayScale:
// the one it was given (tests), or the system's at first and then its
// monitor's, following WM_DPICHANGED.
class SkinnedDialog {
public:
    virtual ~SkinnedDialog();
    SkinnedDialog(const SkinnedDialog&) = delete;
    SkinnedDialog& operator=(const SkinnedDialog&) = delete;

    HWND hwnd() const { return window_.get(); }

    // Shows the dialog and runs its own message loop until a modal result
    // is set; the thread's other visible windows are disabled meanwhile, as
    // under DialogBox. Keys reach PreviewKey first, then the dialog keyboard
    // (IsDialogMessage: Tab, mnemonics, Space). Returns the result, or
    // kModalCancel when the program is quitting or the dialog is already
    // showing.
    int ShowModal();
    void EndModal(int result);
    int ModalResult() const { return modalResult_; }
    bool Showing() const { return showing_; }

    platform::DisplayScale Scale() const { return scale_; }
    // Lays the dialog out at another scale: its size (top left kept), every
    // control, the dialog font and the derived dialog's fonts.
    void SetScale(platform::DisplayScale scale);

    // Centred on the screen at every show (the default), or where placed
    // (screen pixels); either way kept inside the work area of its monitor,
    // its top left first where the dialog is larger.
    void PlaceAt(int left, int top);
    void CentreOnScreen() { centred_ = true; }

    // Paints the title strip from the picture (null or empty: the plain
    // frame); the first step of every dialog's Prepare.
    void PaintTitleStrip(const image::RgbImage* picture, flat::StripFit fit = flat::StripFit::Whole);
    // The painted strip, for a prompt that this dialog shows.
    image::RgbImage TitlePicture() const { return Image1.Picture(); }
    POINT DragOrigin() const { return Image1.DragOrigin(); }

protected:
    // className: the window class, named after the dialog (e.g. "TPassFrm").
    // Sizes in 96-DPI reference pixels of client area, which is the whole
    // window. scale: fixed for the dialog's life; none follows the display.
    SkinnedDialog(HINSTANCE instance, const wchar_t* className, const std::wstring& title,
                  int clientWidth, int clientHeight, std::optional<platform::DisplayScale> scale = std::nullopt);

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Key messages (WM_KEYDOWN ... WM_SYSCHAR) for the dialog or any of its
    // controls, before the control gets them (except Escape and Enter for an
    // open drop-down list); true when used. By default Escape ends the
    // dialog with kModalCancel wherever the focus is.
    virtual bool PreviewKey(const MSG& key);
    // After the window is shown; by default the first tab stop gets the focus.
    virtual void FormShow();
    // The close glyph; ends the dialog with kModalCancel by default.
    virtual void CloseButtonClick();
    // After SetScale has laid out the controls and given them the new dialog
    // font: a dialog renews the fonts and sizes it made itself.
    virtual void ScaleChanged() {}

    // Puts the controls on top of the others in this order, which is also
    // the Tab order. The strip and the panel always stay beneath all.
    void StackControls(std::initializer_list<HWND> topToBottom);
    // To the place PlaceAt or centring chose, inside the monitor's work
    // area, at the monitor's scale; ShowModal's first step.
    void MoveToShowPlace();
    void SendToBack(HWND control);
    HINSTANCE instance() const { return instance_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static platform::win32::ScopedWindow CreateDialogWindow(SkinnedDialog* self, HINSTANCE instance,
                                                            const wchar_t* className,
                                                            const std::wstring& title, int width,
                                                            int height);  // display pixels
    void MoveWithinWorkArea();
    void NextControl(WPARAM which, bool isHandle);

    HINSTANCE instance_;
    platform::DisplayScale scale_;
    bool followsDisplay_;  // no scale was given: the monitor's is taken
    SIZE reference_;       // the client size in 96-DPI reference pixels
    flat::ScopedFont font_;  // outlives the window and its controls
    platform::win32::ScopedWindow window_;

protected:
    flat::TFlatPanel FlatPanel1;
    flat::TitleStrip Image1;
    flat::TFlatSpeedButton FlatButton1;

private:
    int modalResult_ = 0;
    bool showing_ = false;
    bool centred_ = true;
    POINT placed_{0, 0};     // screen pixels, when not centred
    HWND lastFocus_ = nullptr;  // the control to get the focus back on activation
    int closingControls_ = 0;   // flat controls being destroyed just now
};

}  // namespace vesk::ui
