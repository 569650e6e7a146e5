#include "platform/win32/windows_api.h"

#include <sddl.h>

#include <gtest/gtest.h>

#include "platform/win32/scoped_handles.h"
#include "platform/win32/win32_system.h"

namespace vesk::test {
namespace {

using platform::RegistryRoot;
using platform::win32::ScopedRegKey;

constexpr wchar_t kTestKey[] = L"Software\\VeskTest";
constexpr char kTestKeyUtf8[] = "Software\\VeskTest";

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
        RegDeleteKeyW(HKEY_CURRENT_USER, kTestKey);
    }

    // Stores raw bytes under a value name, bypassing the code under test.
    static void SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
        ScopedRegKey key;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                                  key.receive(), nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExW(key.get(), name, 0, type, static_cast<const BYTE*>(data), bytes),
                  ERROR_SUCCESS);
    }

    platform::win32::Win32System system;
    platform::Registry& registry = system.services().registry;
};

TEST_F(RegistryTest, StringsAreStoredAsUtf16ForOtherPrograms) {
    {
        auto key = registry.OpenKey(RegistryRoot::CurrentUser, kTestKeyUtf8, true);
        ASSERT_NE(key, nullptr);
        ASSERT_TRUE(key->WriteString("Text", "D\xc3\xa9sktop \xe2\x98\x83 \xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x8e\x89"));
    }
    wchar_t stored[32] = {};
    DWORD bytes = sizeof(stored);
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, kTestKey, L"Text", RRF_RT_REG_SZ, nullptr, stored,
                           &bytes),
              ERROR_SUCCESS);
    EXPECT_STREQ(stored, L"D\u00e9sktop \u2603 \u65e5\u672c \U0001F389");
}

// Types the program never writes itself but may find, stored by others.
TEST_F(RegistryTest, ValuesOfOtherProgramsTypesReadAsAbsentOrAsText) {
    SetRaw(L"Multi", REG_MULTI_SZ, L"a\0b\0", 10);
    const wchar_t expandable[] = L"%SystemRoot%\\sea.bmp";
    SetRaw(L"Expand", REG_EXPAND_SZ, expandable, sizeof(expandable));

    auto key = registry.OpenKey(RegistryRoot::CurrentUser, kTestKeyUtf8, false);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->ReadString("Multi"), std::nullopt);
    EXPECT_EQ(key->ReadBinary("Multi"), std::nullopt);
    EXPECT_EQ(key->ReadString("Expand"), "%SystemRoot%\\sea.bmp") << "read unexpanded";
}

TEST_F(RegistryTest, StringsStoredWithoutTerminatorReadExactly) {
    // Other programs may store REG_SZ data without the NUL, or with an odd
    // byte count; neither may spill into memory after the data.
    SetRaw(L"NoNul", REG_SZ, L"abcdef", 6 * sizeof(wchar_t));
    SetRaw(L"OddBytes", REG_SZ, L"xyz", 5);
    SetRaw(L"EmbeddedNul", REG_SZ, L"left\0right", 11 * sizeof(wchar_t));
    SetRaw(L"NoData", REG_SZ, L"", 0);

    auto key = registry.OpenKey(RegistryRoot::CurrentUser, kTestKeyUtf8, false);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->ReadString("NoNul"), "abcdef");
    EXPECT_EQ(key->ReadString("OddBytes"), "xy");
    EXPECT_EQ(key->ReadString("EmbeddedNul"), "left");
    EXPECT_EQ(key->ReadString("NoData"), "");
}

TEST_F(RegistryTest, KeyWithoutWriteRightsStaysReadable) {
    {
        ScopedRegKey locked;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\VeskTest\\Locked", 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, locked.receive(), nullptr),
                  ERROR_SUCCESS);
        const DWORD value = 5;
        ASSERT_EQ(RegSetValueExW(locked.get(), L"Kept", 0, REG_DWORD,
                                 reinterpret_cast<const BYTE*>(&value), sizeof(value)),
                  ERROR_SUCCESS);
        // Everyone may read, and delete for the clean-up, nothing more. Set
        // afterwards: Wine ignores a descriptor passed to RegCreateKeyExW.
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(
            L"D:P(A;;KR;;;WD)(A;;SD;;;WD)", SDDL_REVISION_1, &descriptor, nullptr));
        const LSTATUS status =
            RegSetKeySecurity(locked.get(), DACL_SECURITY_INFORMATION, descriptor);
        LocalFree(descriptor);
        ASSERT_EQ(status, ERROR_SUCCESS);
    }
    ScopedRegKey probe;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\VeskTest\\Locked", 0, KEY_WRITE,
                      probe.receive()) == ERROR_SUCCESS) {
        GTEST_SKIP() << "this system does not enforce registry key security";
    }

    for (const bool create : {false, true}) {
        auto key = registry.OpenKey(RegistryRoot::CurrentUser, "Software\\VeskTest\\Locked", create);
        ASSERT_NE(key, nullptr) << "create=" << create;
        EXPECT_EQ(key->ReadDword("Kept"), 5u);
        EXPECT_FALSE(key->WriteDword("Kept", 6));
        EXPECT_FALSE(key->WriteString("New", "x"));
        EXPECT_EQ(key->ReadDword("Kept"), 5u);
    }
}

TEST_F(RegistryTest, LocalMachineIsReadable) {
    auto key = registry.OpenKey(RegistryRoot::LocalMachine,
                                "Software\\Microsoft\\Windows NT\\CurrentVersion", false);
    ASSERT_NE(key, nullptr);
    const auto product = key->ReadString("ProductName");
    ASSERT_TRUE(product.has_value());
    EXPECT_FALSE(product->empty());
}

}  // namespace
}  // namespace vesk::test
