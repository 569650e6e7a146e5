#pragma once
#include <string>

#include "ui/flat/flat_label.h"
#include "ui/flat/gdi.h"

namespace vesk::ui {

// The caption of one hotkey group of the settings dialog (LabHot0 ...
// LabHot4): as wide as its text, on a background that turns red while the
// last registration of the group's hotkeys failed.
class HotkeyGroupLabel final : public flat::TFlatLabel {
public:
    HotkeyGroupLabel(HWND parent, const std::wstring& text, const flat::Bounds& bounds, int id);

    void SetBackground(COLORREF colour);

protected:
    HBRUSH ControlColor(HDC dc) override;
    void ScaleChanged() override { FitToText(); }

private:
    // Narrows the label to its text in its font, as laid out now.
    void FitToText();

    COLORREF background_;
    flat::ScopedBrush brush_;
};

}  // namespace vesk::ui
