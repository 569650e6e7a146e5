#pragma once
#include "ui/flat/colors.h"
#include "ui/flat/flat_control.h"

namespace vesk::ui::flat {

// A flat area with a one-pixel border; the controls "on" it are its
// parent's children laid over it, so keyboard and notifications stay with
// the parent. It lets the mouse through to what lies beneath.
class TFlatPanel : public FlatControl {
public:
    TFlatPanel(HWND parent, const Bounds& bounds, COLORREF fill = RGB(255, 255, 255), int id = 0);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    COLORREF fill_;
};

// A flat group frame with its caption on the top line; like TFlatPanel it
// holds nothing itself. Its mnemonic moves the focus to the next control.
class TFlatGroupBox : public FlatControl {
public:
    TFlatGroupBox(HWND parent, const std::wstring& caption, const Bounds& bounds, int id = 0,
                  COLORREF border = ColorBorder);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    COLORREF border_;
};

}  // namespace vesk::ui::flat
