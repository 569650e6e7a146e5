#pragma once
#include <functional>
#include <string>

#include "ui/flat/drawing.h"
#include "ui/flat/flat_control.h"

namespace vesk::ui::flat {

// A flat button for the mouse only: it never takes the focus, so it can sit
// on a title strip or beside a field without stealing the keyboard. It
// clicks on release over itself and tells its parent with WM_COMMAND /
// BN_CLICKED like a BUTTON.
class TFlatSpeedButton : public FlatControl {
public:
    TFlatSpeedButton(HWND parent, const Bounds& bounds, Glyph glyph, const std::wstring& caption = L"",
                     int id = 0);

    std::function<void()> OnClick;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Notified(UINT code) override;

private:
    void Paint();
    bool PointerInside() const;

    Glyph glyph_;
    bool tracking_ = false;  // left button went down on us and is still held
    bool pressedLook_ = false;
};

}  // namespace vesk::ui::flat
