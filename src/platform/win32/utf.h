#pragma once
#include <string>
#include <string_view>

namespace vesk::platform::win32 {

// The program speaks UTF-8; the W functions speak UTF-16. Malformed input is
// not an error: each bad sequence becomes U+FFFD, as the system converter does.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace vesk::platform::win32
