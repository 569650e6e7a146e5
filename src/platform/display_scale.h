#pragma once

namespace vesk::platform {

// How large the screen draws: dots per inch of the display a window is on,
// 96 being 100 %. Every size in the skin, the dialog layouts and the fonts is
// given at 96 DPI and goes through Px on its way to the screen, so 100 % keeps
// today's pixels exactly.
class DisplayScale {
public:
    static constexpr int kReferenceDpi = 96;

    constexpr DisplayScale() = default;
    // Values below 96 (a broken "LogPixels") are taken as 96.
    constexpr explicit DisplayScale(int dpi) : dpi_(dpi < kReferenceDpi ? kReferenceDpi : dpi) {}

    constexpr int Dpi() const { return dpi_; }
    constexpr bool IsReference() const { return dpi_ == kReferenceDpi; }

    // Reference pixels to the display's.
    constexpr int Px(int referencePixels) const { return Rounded(referencePixels, dpi_, kReferenceDpi); }

    // The display's pixels back to reference ones, for hit tests against
    // reference geometry.
    constexpr int FromPx(int displayPixels) const { return Rounded(displayPixels, kReferenceDpi, dpi_); }

    constexpr bool operator==(const DisplayScale&) const = default;

private:
    // value * numerator / denominator, rounded half away from zero as MulDiv does.
    static constexpr int Rounded(int value, int numerator, int denominator) {
        const long long product = static_cast<long long>(value) * numerator;
        const long long half = denominator / 2;
        return static_cast<int>(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
    }

    int dpi_ = kReferenceDpi;
};

}  // namespace vesk::platform
