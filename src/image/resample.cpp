#include "image/resample.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vesk::image {
namespace {

// Weights are fixed point, so that every platform computes the same pixels.
constexpr int kWeightBits = 14;
constexpr std::int32_t kWeightOne = 1 << kWeightBits;

// The source pixels one destination pixel is made of, along one direction.
struct Taps {
    int first = 0;                      // source index of weights[0]
    std::vector<std::int32_t> weights;  // summing to kWeightOne
};

// For each of `to` destination pixels, the source pixels among `from` under
// the tent centred on it. Pixel centres lie at index + 0.5 in both spaces.
std::vector<Taps> TapsFor(int from, int to) {
    const double ratio = static_cast<double>(from) / to;  // source pixels per destination pixel
    const double support = std::max(ratio, 1.0);          // the tent's half width, in source pixels
    std::vector<Taps> taps(static_cast<std::size_t>(to));
    std::vector<double> raw;
    for (int d = 0; d < to; ++d) {
        const double centre = (d + 0.5) * ratio;
        const int first = std::max(0, static_cast<int>(std::floor(centre - support)));
        const int last = std::min(from - 1, static_cast<int>(std::ceil(centre + support)));
        raw.clear();
        double total = 0;
        for (int s = first; s <= last; ++s) {
            const double w = std::max(0.0, 1.0 - std::abs((s + 0.5 - centre) / support));
            raw.push_back(w);
            total += w;
        }
        Taps& t = taps[static_cast<std::size_t>(d)];
        t.first = first;
        std::int32_t sum = 0;
        std::size_t heaviest = 0;
        for (std::size_t k = 0; k < raw.size(); ++k) {
            t.weights.push_back(static_cast<std::int32_t>(std::lround(raw[k] / total * kWeightOne)));
            sum += t.weights.back();
            if (t.weights[k] > t.weights[heaviest]) heaviest = k;
        }
        // Rounding may leave the sum a little off one: the heaviest weight
        // takes the difference, so that a flat colour stays flat.
        t.weights[heaviest] += kWeightOne - sum;
    }
    return taps;
}

std::uint8_t Clamped(std::int64_t fixed) {
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>((fixed + kWeightOne / 2) >> kWeightBits, 0, 255));
}

}  // namespace

RgbImage Resampled(const RgbImage& source, int width, int height) {
    if (source.empty() || width <= 0 || height <= 0 ||
        source.pixels.size() < static_cast<std::size_t>(source.width) * source.height * 3)
        return {};
    if (width == source.width && height == source.height) return source;

    // Across first, into rows of the new width and the old height.
    const std::vector<Taps> across = TapsFor(source.width, width);
    const std::size_t acrossRow = static_cast<std::size_t>(width) * 3;
    std::vector<std::uint8_t> wide(acrossRow * static_cast<std::size_t>(source.height));
    for (int y = 0; y < source.height; ++y) {
        const std::uint8_t* row = source.pixels.data() + static_cast<std::size_t>(y) * source.width * 3;
        std::uint8_t* out = wide.data() + static_cast<std::size_t>(y) * acrossRow;
        for (const Taps& t : across) {
            std::int64_t sum[3] = {0, 0, 0};
            const std::uint8_t* p = row + static_cast<std::size_t>(t.first) * 3;
            for (const std::int32_t w : t.weights) {
                for (int c = 0; c < 3; ++c) sum[c] += std::int64_t{w} * *p++;
            }
            for (int c = 0; c < 3; ++c) *out++ = Clamped(sum[c]);
        }
    }

    // Then down, row by row.
    RgbImage result;
    result.width = width;
    result.height = height;
    result.pixels.resize(acrossRow * static_cast<std::size_t>(height));
    const std::vector<Taps> down = TapsFor(source.height, height);
    std::vector<std::int64_t> sums(acrossRow);
    for (int y = 0; y < height; ++y) {
        const Taps& t = down[static_cast<std::size_t>(y)];
        std::fill(sums.begin(), sums.end(), 0);
        for (std::size_t k = 0; k < t.weights.size(); ++k) {
            const std::uint8_t* row = wide.data() + (static_cast<std::size_t>(t.first) + k) * acrossRow;
            for (std::size_t i = 0; i < acrossRow; ++i) sums[i] += std::int64_t{t.weights[k]} * row[i];
        }
        std::uint8_t* out = result.pixels.data() + static_cast<std::size_t>(y) * acrossRow;
        for (std::size_t i = 0; i < acrossRow; ++i) out[i] = Clamped(sums[i]);
    }
    return result;
}

}  // namespace vesk::image
