#include <windows.h>

#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "vesk_process.h"

namespace vesk::e2e {
namespace {

struct ModuleTraits {
    using Handle = HMODULE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle module) { FreeLibrary(module); }
};
using ScopedModule = platform::win32::Scoped<ModuleTraits>;

std::string_view ResourceText(HMODULE module, LPCWSTR type, int id) {
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (found == nullptr) return {};
    const HGLOBAL loaded = LoadResource(module, found);
    return {static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found)};
}

std::string WithoutXmlComments(std::string_view xml) {
    std::string kept;
    for (;;) {
        const auto open = xml.find("<!--");
        kept += xml.substr(0, open);
        if (open == std::string_view::npos) return kept;
        const auto close = xml.find("-->", open);
        if (close == std::string_view::npos) return kept;
        xml.remove_prefix(close + 3);
    }
}

// A resource script that is no longer compiled into the program fails nowhere
// else: the program still runs, only with the default icon and without its
// manifest.
TEST(ResourcesTest, ExeCarriesItsIconAndManifest) {
    const ScopedModule exe{LoadLibraryExW(VeskExePath().c_str(), nullptr,
                                          LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)};
    ASSERT_TRUE(exe) << "cannot load Vesk.exe as data: error " << GetLastError();

    EXPECT_NE(FindResourceW(exe.get(), MAKEINTRESOURCEW(1), RT_GROUP_ICON), nullptr)
        << "no icon group 1";

    const std::string manifest = WithoutXmlComments(ResourceText(exe.get(), RT_MANIFEST, 1));
    ASSERT_FALSE(manifest.empty()) << "no manifest 1";
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
    // Declaring an execution level would end registry virtualization, and with
    // it a standard user's writes to the HKEY_LOCAL_MACHINE settings.
    EXPECT_EQ(manifest.find("requestedExecutionLevel"), std::string::npos);
}

}  // namespace
}  // namespace vesk::e2e
