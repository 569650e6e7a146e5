#pragma once
#include "ui/flat/flat_edit.h"

namespace vesk::ui::flat {

// A TFlatEdit for a whole number within a range, with up and down arrows
// at its right end that repeat while held. Up and Down keys step too; the
// text is put back into range when the field loses the focus.
class TFlatSpinEditInteger : public TFlatEdit {
public:
    TFlatSpinEditInteger(HWND parent, const Bounds& bounds, int minValue, int maxValue, int value,
                         int id = 0);

    // The number shown, put into range; text that is no number reads as the
    // minimum.
    int Value() const;
    void SetValue(int value);
    void SetRange(int minValue, int maxValue);
    // What one arrow click or Up/Down key adds or takes away (1 at first).
    void SetIncrement(int increment) { increment_ = increment; }
    int MinValue() const { return min_; }
    int MaxValue() const { return max_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    int RightReserve() const override;

private:
    enum class Arrow { None, Up, Down };
    Arrow ArrowAt(POINT client) const;
    RECT ArrowsInWindow() const;
    void Step(int direction);  // +1 up, -1 down
    void StopSpinning();
    void PaintArrows();

    int min_;
    int max_;
    int increment_ = 1;
    Arrow held_ = Arrow::None;
};

}  // namespace vesk::ui::flat
