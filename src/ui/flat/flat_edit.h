#pragma once
#include <functional>
#include <string>

#include "ui/flat/flat_control.h"
#include "ui/flat/gdi.h"

namespace vesk::ui::flat {

// A one-line EDIT with a flat one-pixel border (drawn in its non-client
// area) and its text centred in height; it turns ColorFocused under the mouse and while it has the focus.
class TFlatEdit : public FlatControl {
public:
    // editStyle: further ES_* styles (ES_PASSWORD, ES_READONLY, ES_NUMBER ...).
    TFlatEdit(HWND parent, const Bounds& bounds, int id = 0, DWORD editStyle = 0);

    // Every character shown as `mask`; 0 shows the text.
    void SetPasswordChar(wchar_t mask);
    void SelectAll();

    // After each change of the text.
    std::function<void()> OnChange;

protected:
    TFlatEdit(HWND parent, const Bounds& bounds, int id, DWORD editStyle, const wchar_t* hoverKind);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    HBRUSH ControlColor(HDC dc) override;
    void Notified(UINT code) override;
    void HoverChanged() override;
    void ScaleChanged() override { UpdateFrame(); }

    // Display pixels reserved at the right of the client area (a spin edit's arrows).
    virtual int RightReserve() const { return 0; }
    // Redraws frame and text after a change of look.
    void Repaint();
    // Has the frame measured anew, after a change of font or RightReserve.
    void UpdateFrame();
    bool Lit() const { return Hovered() || Focused(); }

private:
    int lineHeight_ = 0;  // display pixels
    ScopedBrush faceBrush_;
    ScopedBrush litBrush_;
};

}  // namespace vesk::ui::flat
