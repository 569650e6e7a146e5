#pragma once
#include <functional>
#include <vector>

#include "ui/flat/flat_list_box.h"

namespace vesk::ui::flat {

// A TFlatListBox whose items carry a check square. A click on the square or
// Space toggles the item that has the focus mark.
class TFlatCheckListBox : public TFlatListBox {
public:
    TFlatCheckListBox(HWND parent, const Bounds& bounds, int id = 0);

    int Add(const std::wstring& text, LPARAM data = 0) override;
    void Delete(int index) override;
    void Clear() override;
    bool Checked(int index) const;
    void SetChecked(int index, bool checked);

    // After the user toggled an item.
    std::function<void(int index)> OnClickCheck;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    int DrawItemLead(HDC dc, const RECT& area, int index) override;

private:
    void Toggle(int index);
    bool OnSquare(POINT point) const;

    std::vector<bool> checked_;  // one per item
};

}  // namespace vesk::ui::flat
