#include "fresh_defaults.h"

#include "settings_registry.h"

namespace vesk::e2e {

std::vector<ExpectedValue> FreshStartValues() {
    std::vector<ExpectedValue> values = {
        {kCommonKey, L"AutoRun", DWORD{1}},
        {kCommonKey, L"UseControlPassword", DWORD{1}},
        {kCommonKey, L"ExitMainWindow", DWORD{1}},
        {kCommonKey, L"ControlPassword", std::wstring{}},
        {kCommonKey, L"SettingPassword", std::wstring{}},
        {kCommonKey, L"ControlHot1", DWORD{2}},
        {kCommonKey, L"ControlHot2", DWORD{121}},
        {kCommonKey, L"Setting1", DWORD{2}},
        {kCommonKey, L"Setting2", DWORD{122}},
        {kCommonKey, L"Record1", DWORD{2}},
        {kCommonKey, L"Record2", DWORD{123}},
        {kCommonKey, L"Play1", DWORD{3}},
        {kCommonKey, L"Play2", DWORD{123}},
        {kCommonKey, L"ShowHelp", DWORD{1}},
        {kCommonKey, L"RecordHint", DWORD{1}},
        {kCommonKey, L"ShowIcon", DWORD{1}},
        {kCommonKey, L"MaxSize", DWORD{2048}},
    };
    for (int n = 1; n <= 9; ++n) {
        const std::wstring key = DesktopKey(n);
        values.push_back({key, L"DesktopHot", static_cast<DWORD>(96 + n)});  // VK_NUMPADn
        values.push_back({key, L"Wallpaper", std::wstring{}});
        values.push_back({key, L"TileWall", DWORD{0}});
        values.push_back({key, L"Password", std::wstring{}});
        values.push_back({key, L"ForWhat", DWORD{0}});
        values.push_back({key, L"ProgWnd", DWORD{1}});
        values.push_back({key, L"TrayWnd", DWORD{1}});
        values.push_back({key, L"Volume", DWORD{1}});
    }
    return values;
}

bool AllPresent(const std::vector<ExpectedValue>& values) {
    for (const auto& v : values)
        if (!HasValue(v.key, v.name)) return false;
    return true;
}

::testing::AssertionResult Stored(const ExpectedValue& expected) {
    if (const auto* number = std::get_if<DWORD>(&expected.value))
        return StoredDword(expected.key, expected.name, *number);
    return StoredString(expected.key, expected.name, std::get<std::wstring>(expected.value));
}

}  // namespace vesk::e2e
