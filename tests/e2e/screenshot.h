#pragma once
#include <string>

namespace vesk::e2e {

// When the environment names a folder in VESK_E2E_SHOTS, saves the whole
// screen there as <name>.bmp; otherwise does nothing. For looking at what a
// test saw, and for the pictures of the documentation.
void SaveScreenshot(const std::wstring& name);

}  // namespace vesk::e2e
