#pragma once
#include "image/rgb_image.h"
#include "ui/flat/flat_control.h"
#include "ui/flat/gdi.h"

namespace vesk::ui::flat {

// How the title picture covers the strip.
enum class StripFit {
    Whole,           // to the last column
    KeepRightFrame,  // one column short, so the frame's right line shows (About)
};

// A dialog's title strip: a bitmap of the strip's size, painted once and
// shown from then on; a press with the left button and a move with it held
// drag the window the strip is in.
class TitleStrip : public FlatControl {
public:
    TitleStrip(HWND parent, const Bounds& bounds);

    // Frames the strip in black over white, then stretches the picture over
    // it (halftone); a null or empty picture leaves the plain frame. The
    // picture is kept to be painted again at another scale.
    void Paint(const image::RgbImage* picture, StripFit fit = StripFit::Whole);
    // The strip as painted, for another dialog's strip.
    image::RgbImage Picture() const;
    // Where in the strip (display pixels) the current drag began;
    // (-1000, -1000) while no drag is under way.
    POINT DragOrigin() const { return dragOrigin_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void ScaleChanged() override;

private:
    void Press(WPARAM buttons, LPARAM position);
    void Move(WPARAM buttons, LPARAM position);
    void PaintBitmap();

    ScopedBitmap bitmap_;
    int width_ = 0;   // display pixels
    int height_ = 0;  // display pixels
    image::RgbImage picture_;  // empty: the plain frame
    StripFit fit_ = StripFit::Whole;
    POINT dragOrigin_{-1000, -1000};
};

}  // namespace vesk::ui::flat
