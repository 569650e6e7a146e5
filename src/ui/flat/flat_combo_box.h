#pragma once
#include <functional>
#include <string>

#include "ui/flat/flat_control.h"

namespace vesk::ui::flat {

// A drop-down list COMBOBOX (choice only, no typing) painted flat: border,
// chosen text and an arrow button that lights under the mouse. Up and Down
// choose, F4 or Alt+Down opens the list.
class TFlatComboBox : public FlatControl {
public:
    // bounds.height: the closed box; dropHeight: the open list; 96-DPI
    // reference pixels.
    TFlatComboBox(HWND parent, const Bounds& bounds, int id = 0, int dropHeight = 150);

    int Add(const std::wstring& text, LPARAM data = 0);
    void Clear();
    int Count() const;
    std::wstring Item(int index) const;
    LPARAM Data(int index) const;
    // -1 when no item is chosen.
    int ItemIndex() const;
    void SetItemIndex(int index);

    // After the user chose another item.
    std::function<void()> OnChange;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DrawItem(const DRAWITEMSTRUCT& item) override;
    void Notified(UINT code) override;
    void ScaleChanged() override;

private:
    void Paint();
    bool Dropped() const;
    // Item and field heights for the font and the scale.
    void FitHeights();

    Bounds closed_;  // 96-DPI reference pixels
};

}  // namespace vesk::ui::flat
