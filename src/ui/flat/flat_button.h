#pragma once
#include <functional>
#include <string>

#include "ui/flat/flat_control.h"

namespace vesk::ui::flat {

// A push button: a BUTTON drawn flat. Space, Enter while focused, a click
// and its mnemonic ("&Ok": Alt+O, or O where the dialog loop runs
// IsDialogMessage) press it.
class TFlatButton : public FlatControl {
public:
    TFlatButton(HWND parent, const std::wstring& caption, const Bounds& bounds, int id = 0,
                bool tabStop = true);

    std::function<void()> OnClick;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DrawItem(const DRAWITEMSTRUCT& item) override;
    void Notified(UINT code) override;
};

}  // namespace vesk::ui::flat
