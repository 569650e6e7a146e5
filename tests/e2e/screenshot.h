#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vesk::e2e {

// When the environment names a folder in VESK_E2E_SHOTS, saves the whole
// screen there as <name>.bmp; otherwise does nothing. For looking at what a
// test saw, and for the pictures of the documentation.
void SaveScreenshot(const std::wstring& name);

// The screen's pixels in `area` (screen pixels), row by row: 0x00RRGGBB.
std::vector<std::uint32_t> ScreenPixels(const RECT& area);

}  // namespace vesk::e2e
