#include "engine/desktop_names.h"

namespace vesk::engine {

std::string LimitedDesktopName(const std::string& name) {
    std::string kept;
    std::size_t characters = 0;
    for (const char byte : name) {
        const auto c = static_cast<unsigned char>(byte);
        const bool startsCharacter = (c & 0xC0) != 0x80;
        if (startsCharacter && ++characters > kLongestDesktopName) break;
        kept.push_back(c < 0x20 || c == 0x7F ? ' ' : byte);
    }
    return kept;
}

std::string Labelled(const std::string& label, const std::string& name) {
    return name.empty() ? label : label + " \xC2\xB7 " + name;  // a middle dot
}

std::string DesktopTitle(int desktop, const std::string& name) {
    return Labelled("Vesk " + std::to_string(desktop), name);
}

std::string DesktopTitle(const TControlDesktop& state, int desktop) {
    return DesktopTitle(desktop, state.Desktop(desktop).Name);
}

}  // namespace vesk::engine
