#include "settings_registry.h"

#include <cstring>
#include <iterator>

#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf.h"

namespace vesk::e2e {

namespace {

using platform::win32::Narrow;
using platform::win32::ScopedRegKey;

ScopedRegKey OpenKey(const std::wstring& key, REGSAM access) {
    ScopedRegKey opened;
    RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, access, opened.receive());
    return opened;
}

ScopedRegKey CreateKey(const std::wstring& key) {
    ScopedRegKey created;
    const LONG status = RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0,
                                        KEY_ALL_ACCESS, nullptr, created.receive(), nullptr);
    EXPECT_EQ(status, ERROR_SUCCESS) << "cannot create HKLM\\" << Narrow(key);
    return created;
}

std::wstring AsString(const StoredValue& value) {
    std::wstring text(value.data.size() / sizeof(wchar_t), L'\0');
    if (!text.empty()) std::memcpy(text.data(), value.data.data(), text.size() * sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}

std::string Where(const std::wstring& key, const std::wstring& name) {
    return "HKLM\\" + Narrow(key) + " value \"" + Narrow(name) + "\"";
}

::testing::AssertionResult StoredText(const std::wstring& key, const std::wstring& name,
                                      const std::wstring& expected, bool ignoreCase) {
    const auto value = ReadValue(key, name);
    if (!value) return ::testing::AssertionFailure() << Where(key, name) << " is missing";
    if (value->type != REG_SZ)
        return ::testing::AssertionFailure() << Where(key, name) << " has type " << value->type
                                             << ", not REG_SZ";
    const std::wstring text = AsString(*value);
    const bool same = ignoreCase ? CompareStringOrdinal(text.c_str(), -1, expected.c_str(), -1,
                                                        TRUE) == CSTR_EQUAL
                                 : text == expected;
    if (!same)
        return ::testing::AssertionFailure() << Where(key, name) << " is \"" << Narrow(text)
                                             << "\", expected \"" << Narrow(expected) << "\"";
    return ::testing::AssertionSuccess();
}

}  // namespace

std::optional<StoredValue> ReadValue(const std::wstring& key, const std::wstring& name) {
    const ScopedRegKey opened = OpenKey(key, KEY_QUERY_VALUE);
    if (!opened) return std::nullopt;
    StoredValue value;
    DWORD size = 0;
    if (RegQueryValueExW(opened.get(), name.c_str(), nullptr, &value.type, nullptr, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    if (RegQueryValueExW(opened.get(), name.c_str(), nullptr, &value.type, value.data.data(),
                         &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    return value;
}

std::vector<std::wstring> ValueNames(const std::wstring& key) {
    std::vector<std::wstring> names;
    const ScopedRegKey opened = OpenKey(key, KEY_QUERY_VALUE);
    if (!opened) return names;
    for (DWORD index = 0;; ++index) {
        wchar_t name[16384];  // the registry's longest value name, plus one
        DWORD length = static_cast<DWORD>(std::size(name));
        if (RegEnumValueW(opened.get(), index, name, &length, nullptr, nullptr, nullptr,
                          nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

bool HasValue(const std::wstring& key, const std::wstring& name) {
    return ReadValue(key, name).has_value();
}

void WriteDword(const std::wstring& key, const std::wstring& name, DWORD value) {
    const ScopedRegKey created = CreateKey(key);
    ASSERT_EQ(RegSetValueExW(created.get(), name.c_str(), 0, REG_DWORD,
                             reinterpret_cast<const BYTE*>(&value), sizeof value),
              ERROR_SUCCESS);
}

void WriteString(const std::wstring& key, const std::wstring& name, const std::wstring& value) {
    const ScopedRegKey created = CreateKey(key);
    ASSERT_EQ(RegSetValueExW(created.get(), name.c_str(), 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(value.c_str()),
                             static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
}

void ForgetProgramSettings() {
    const LONG tree = RegDeleteTreeW(HKEY_LOCAL_MACHINE, kVeskKey.c_str());
    EXPECT_TRUE(tree == ERROR_SUCCESS || tree == ERROR_FILE_NOT_FOUND)
        << "cannot delete HKLM\\" << Narrow(kVeskKey) << ": error " << tree;
    if (const ScopedRegKey run = OpenKey(kRunKey, KEY_SET_VALUE)) {
        const LONG value = RegDeleteValueW(run.get(), L"Vesk");
        EXPECT_TRUE(value == ERROR_SUCCESS || value == ERROR_FILE_NOT_FOUND)
            << "cannot delete the autostart entry: error " << value;
    }
}

::testing::AssertionResult StoredDword(const std::wstring& key, const std::wstring& name,
                                       DWORD expected) {
    const auto value = ReadValue(key, name);
    if (!value) return ::testing::AssertionFailure() << Where(key, name) << " is missing";
    if (value->type != REG_DWORD || value->data.size() != sizeof(DWORD))
        return ::testing::AssertionFailure() << Where(key, name) << " has type " << value->type
                                             << " and " << value->data.size()
                                             << " bytes, not a REG_DWORD";
    DWORD actual = 0;
    std::memcpy(&actual, value->data.data(), sizeof actual);
    if (actual != expected)
        return ::testing::AssertionFailure() << Where(key, name) << " is " << actual
                                             << ", expected " << expected;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult StoredString(const std::wstring& key, const std::wstring& name,
                                        const std::wstring& expected) {
    return StoredText(key, name, expected, false);
}

::testing::AssertionResult StoredPath(const std::wstring& key, const std::wstring& name,
                                      const std::wstring& expected) {
    return StoredText(key, name, expected, true);
}

}  // namespace vesk::e2e
