#pragma once
#include <functional>
#include <string>

#include "ui/flat/flat_control.h"

namespace vesk::ui::flat {

// A check box: a BUTTON drawn flat, a square with a tick and its caption at
// the right. Space, a click and its mnemonic toggle it; BM_GETCHECK and
// BM_SETCHECK work as on a standard check box.
class TFlatCheckBox : public FlatControl {
public:
    TFlatCheckBox(HWND parent, const std::wstring& caption, const Bounds& bounds, int id = 0);

    // Display pixels from the control's left edge to its caption: the
    // square and the gap after it.
    static int CaptionLeft(platform::DisplayScale scale);

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    // After the user changed the state.
    std::function<void()> OnClick;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DrawItem(const DRAWITEMSTRUCT& item) override;
    void Notified(UINT code) override;

private:
    bool checked_ = false;
};

}  // namespace vesk::ui::flat
