#pragma once
#include <string>

#include "skin/skin_file.h"

namespace vesk::skin {

// The editable description of a skin's geometry, one item per line:
//   outline x,y x,y ...        drag|about|status|minimize|close L T R B
//   command N L T R B          selector L T R B
//   polygon x,y x,y ...        reserved x y
//   main-image FILE            dialog-image FILE
// Lines starting with '#' are comments. Coordinates are main-image pixels.
struct SkinDescription {
    SkinFile geometry;  // images left empty
    std::string mainImageFile;
    std::string dialogImageFile;
};

struct SkinTextResult {
    bool ok = true;
    int line = 0;  // 1-based line of the first error
    std::string error;
    explicit operator bool() const { return ok; }
};

SkinTextResult ParseSkinDescription(const std::string& text, SkinDescription& description);
std::string FormatSkinDescription(const SkinDescription& description);

}  // namespace vesk::skin
