#pragma once
#include "image/rgb_image.h"

namespace vesk::image {

// The picture at width x height pixels, filtered with a triangle (tent)
// kernel in each direction: bilinear interpolation when enlarging, widened to
// cover every source pixel when shrinking, so edges are neither blocky nor
// aliased. A flat colour stays exactly that colour; the same size gives the
// same pixels. Empty when the source or the size is empty.
RgbImage Resampled(const RgbImage& source, int width, int height);

}  // namespace vesk::image
