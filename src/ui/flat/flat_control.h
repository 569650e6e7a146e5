#pragma once
#include "platform/win32/windows_api.h"

#include <string>

#include "platform/display_scale.h"

namespace vesk::ui::flat {

// Place and size in the parent's client area, in 96-DPI reference pixels
// where a flat control takes them (the control scales them to its parent's
// DisplayScale), in display pixels once scaled (dpi.h: Scaled).
struct Bounds {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// What every flat control shares: it owns one child window (a subclassed
// standard control or a window of its own class), takes its parent's font
// (WM_GETFONT) at creation, follows the pointer through its kind's hover
// timer and receives what its parent reflects (reflect.h). The parent must
// call ReflectToFlatControl in its window procedure. It is laid out and
// drawn at the scale its parent answers DisplayScaleQueryMessage with, and
// again at each DisplayScaleChangedMessage.
class FlatControl {
public:
    virtual ~FlatControl();
    FlatControl(const FlatControl&) = delete;
    FlatControl& operator=(const FlatControl&) = delete;

    HWND hwnd() const { return window_; }
    int id() const { return GetDlgCtrlID(window_); }

    // bounds: 96-DPI reference pixels.
    void SetBounds(const Bounds& bounds);
    platform::DisplayScale Scale() const { return scale_; }
    void SetVisible(bool visible);
    bool Visible() const;
    void SetEnabled(bool enabled);
    bool Enabled() const;
    void Focus();
    bool Focused() const;
    void SetText(const std::wstring& text);
    std::wstring Text() const;
    // The pointer is over the control (as last seen by the hover timer).
    bool Hovered() const { return hovered_; }

protected:
    // hoverKind: the name of the kind whose timer watches this control, or
    // null for controls without a hover look.
    FlatControl(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style,
                DWORD exStyle, const Bounds& bounds, int id, const wchar_t* hoverKind);

    // The control's own handling; everything else goes to Default.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

    // Reflected owner drawing; only for owner-drawn kinds.
    virtual void DrawItem(const DRAWITEMSTRUCT&) {}
    // Reflected WM_CTLCOLOR*: the background brush, or null for the default.
    virtual HBRUSH ControlColor(HDC) { return nullptr; }
    // Reflected WM_COMMAND notification code.
    virtual void Notified(UINT) {}
    // Repaints for the new hover state by default.
    virtual void HoverChanged();

    HFONT Font() const { return font_; }
    // After a new scale, once the window has its new bounds: measures the
    // control keeps in display pixels (bitmaps, item heights) are renewed.
    virtual void ScaleChanged() {}

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR subclassId, DWORD_PTR self);
    void Detach();

    HWND window_ = nullptr;
    HFONT font_ = nullptr;  // the parent's; not owned
    Bounds reference_;      // 96-DPI reference pixels of the parent's client area
    platform::DisplayScale scale_;
    const wchar_t* hoverKind_;
    bool hovered_ = false;
};

// Registers a window class of the flat set that has no standard control
// beneath it; a second registration of the same name is harmless.
void RegisterPlainClass(const wchar_t* className);

}  // namespace vesk::ui::flat
