#pragma once
#include <string>

namespace vesk::platform::win32 {

// The UTF-16 form of a UTF-8 path, ready for the W file functions. Paths of
// MAX_PATH characters or more are made absolute and given the "\\?\" prefix
// (or "\\?\UNC\" for shares), without which Windows before 10 refuses them.
std::wstring ToApiPath(const std::string& path);

}  // namespace vesk::platform::win32
