#include "log_pixels.h"

namespace vesk::e2e {
namespace {

constexpr const wchar_t* kDesktopKey = L"Control Panel\\Desktop";
constexpr const wchar_t* kLogPixels = L"LogPixels";

}  // namespace

ScopedLogPixels::ScopedLogPixels(DWORD dpi) {
    DWORD value = 0, size = sizeof value, type = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, RRF_RT_REG_DWORD, &type, &value, &size) ==
        ERROR_SUCCESS)
        previous_ = value;
    set_ = RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, REG_DWORD, &dpi, sizeof dpi) == ERROR_SUCCESS;
}

ScopedLogPixels::~ScopedLogPixels() {
    if (previous_) {
        const DWORD value = *previous_;
        RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, REG_DWORD, &value, sizeof value);
    } else {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels);
    }
}

}  // namespace vesk::e2e
