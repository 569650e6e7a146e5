#pragma once
#include <algorithm>
#include <cctype>
#include <string>

namespace vesk::platform::sim {

// Windows compares registry, class and file names without case; ASCII
// folding is all the simulated system needs.
inline std::string FoldCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace vesk::platform::sim
