// Desktop wallpapers through the real registry, the real
// SystemParametersInfo and a real bitmap loader.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "engine/appearance.h"
#include "image/bmp_writer.h"
#include "jpeg_fixture.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf.h"
#include "platform/win32/win32_system.h"
#include "temp_folder.h"
#include "test_windows.h"

namespace vesk::test {
namespace {

using platform::win32::Narrow;
using platform::win32::ScopedRegKey;
using platform::win32::Widen;

constexpr wchar_t kDesktopKey[] = L"Control Panel\\desktop";
constexpr wchar_t kIeKey[] = L"Software\\Microsoft\\Internet Explorer\\Desktop\\General";
// The ancestors of kIeKey, outermost first, then kIeKey itself.
constexpr const wchar_t* kIeKeyLevels[] = {L"Software\\Microsoft\\Internet Explorer",
                                           L"Software\\Microsoft\\Internet Explorer\\Desktop", kIeKey};
constexpr const wchar_t* kShellValues[] = {L"WallPaper", L"TileWallpaper", L"WallpaperStyle"};

bool KeyExists(const wchar_t* path) {
    ScopedRegKey key;
    return RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, key.receive()) == ERROR_SUCCESS;
}

// Read around the code under test; nullopt when the key or value is absent.
std::optional<std::wstring> ReadValue(const wchar_t* path, const wchar_t* name) {
    ScopedRegKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, key.receive()) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    wchar_t data[1024] = {};
    DWORD bytes = sizeof(data) - sizeof(wchar_t);
    DWORD type = 0;
    if (RegQueryValueExW(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data), &bytes) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(data);
}

void WriteValue(const wchar_t* path, const wchar_t* name, const std::optional<std::wstring>& value) {
    ScopedRegKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_WRITE, key.receive()) != ERROR_SUCCESS) return;
    if (!value) {
        RegDeleteValueW(key.get(), name);
        return;
    }
    RegSetValueExW(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                   static_cast<DWORD>((value->size() + 1) * sizeof(wchar_t)));
}

void DeleteKey(const wchar_t* path) {
    RegDeleteTreeW(HKEY_CURRENT_USER, path);
    RegDeleteKeyW(HKEY_CURRENT_USER, path);
}

void CreateKey(const wchar_t* path) {
    ScopedRegKey key;
    RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_WRITE, nullptr, key.receive(), nullptr);
}

// Moves a key aside for the length of a test and puts it back, dropping
// whatever was created in its place meanwhile. A rename, not a delete and
// copy: Wine's user32 keeps "Control Panel\desktop" open once a process has
// used its settings, and after a delete every SPI_SETDESKWALLPAPER of that
// process failed (writes through a handle to a deleted key fail), which
// broke the wallpaper for every later test of the run.
class KeyTakenAway {
public:
    KeyTakenAway(const wchar_t* parent, const wchar_t* name) : parent_(parent), name_(name) {
        ScopedRegKey key;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, parent_, 0, KEY_ALL_ACCESS, key.receive()) != ERROR_SUCCESS) return;
        moved_ = RegRenameKey(key.get(), name_.c_str(), AsideName().c_str()) == ERROR_SUCCESS;
    }
    ~KeyTakenAway() {
        if (!moved_) return;
        DeleteKey(Path().c_str());
        ScopedRegKey key;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, parent_, 0, KEY_ALL_ACCESS, key.receive()) == ERROR_SUCCESS) {
            RegRenameKey(key.get(), AsideName().c_str(), name_.c_str());
        }
    }
    KeyTakenAway(const KeyTakenAway&) = delete;
    KeyTakenAway& operator=(const KeyTakenAway&) = delete;
    bool taken() const { return moved_ && !KeyExists(Path().c_str()); }

private:
    std::wstring Path() const { return std::wstring(parent_) + L"\\" + name_; }
    std::wstring AsideName() const { return name_ + L" (aside for a Vesk test)"; }

    const wchar_t* parent_;
    std::wstring name_;
    bool moved_ = false;
};

struct TableRow {
    std::uint8_t style;
    bool withPath;
    const wchar_t* tile;
    const wchar_t* stretch;
};

class WallpaperTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t current[MAX_PATH] = {};
        ASSERT_TRUE(SystemParametersInfoW(SPI_GETDESKWALLPAPER, MAX_PATH, current, 0));
        originalWallpaper_ = current;
        for (const wchar_t* name : kShellValues) originalValues_.push_back(ReadValue(kDesktopKey, name));
        // A fresh prefix has no Internet Explorer key; the shell writes only
        // to keys that exist.
        for (const wchar_t* level : kIeKeyLevels) {
            if (!KeyExists(level)) {
                firstCreatedIeLevel_ = level;
                break;
            }
        }
        if (firstCreatedIeLevel_ == nullptr) {
            for (const wchar_t* name : kShellValues) originalIeValues_.push_back(ReadValue(kIeKey, name));
        }
        CreateKey(kIeKey);
        ASSERT_TRUE(services.files.WriteAll(picture, image::EncodeBmp24(vesk::testing::GradientPicture(8, 6))));
    }

    void TearDown() override {
        SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, originalWallpaper_.data(), SPIF_UPDATEINIFILE);
        for (std::size_t i = 0; i < originalValues_.size(); ++i) {
            WriteValue(kDesktopKey, kShellValues[i], originalValues_[i]);
        }
        if (firstCreatedIeLevel_ != nullptr) {
            DeleteKey(firstCreatedIeLevel_);
        } else {
            for (std::size_t i = 0; i < originalIeValues_.size(); ++i) {
                WriteValue(kIeKey, kShellValues[i], originalIeValues_[i]);
            }
        }
    }

    void SetDesktopWallpaper(int desktop, const std::string& path, std::uint8_t style) {
        state.Desktop(desktop).Wallpaper = path;
        state.Desktop(desktop).TileWall = style;
    }

    static std::wstring SystemWallpaper() {
        wchar_t current[MAX_PATH] = {};
        SystemParametersInfoW(SPI_GETDESKWALLPAPER, MAX_PATH, current, 0);
        return current;
    }

    platform::win32::Win32System system;
    platform::Services& services = system.services();
    engine::TControlDesktop state;
    TempFolder folder{"wallpaper"};
    const std::string picture = folder.In("w\xc3\xa4ll.bmp");

private:
    std::wstring originalWallpaper_;
    std::vector<std::optional<std::wstring>> originalValues_;
    std::vector<std::optional<std::wstring>> originalIeValues_;
    const wchar_t* firstCreatedIeLevel_ = nullptr;
};

TEST_F(WallpaperTest, BothShellKeysHoldTheValuesOfEachStyle) {
    const TableRow rows[] = {{0, true, L"0", L"0"}, {1, true, L"0", L"2"}, {2, true, L"1", L"0"},
                             {2, false, L"0", L"0"}};
    int desktop = 1;
    for (const TableRow& row : rows) {
        SCOPED_TRACE("style " + std::to_string(row.style) + (row.withPath ? " with a path" : " without"));
        const std::string path = row.withPath ? picture : std::string();
        SetDesktopWallpaper(desktop, path, row.style);
        engine::ApplyWallpaper(state, services, desktop++);

        for (const wchar_t* key : {kDesktopKey, kIeKey}) {
            SCOPED_TRACE(Narrow(key));
            EXPECT_EQ(ReadValue(key, L"WallPaper"), Widen(path));
            EXPECT_EQ(ReadValue(key, L"TileWallpaper"), row.tile);
            EXPECT_EQ(ReadValue(key, L"WallpaperStyle"), row.stretch);
        }
        EXPECT_EQ(SystemWallpaper(), Widen(path));
    }
}

TEST_F(WallpaperTest, UnknownStyleCodeChangesOnlyThePath) {
    SetDesktopWallpaper(1, picture, 1);
    engine::ApplyWallpaper(state, services, 1);
    const std::string other = folder.In("other.bmp");
    SetDesktopWallpaper(2, other, 9);
    engine::ApplyWallpaper(state, services, 2);

    for (const wchar_t* key : {kDesktopKey, kIeKey}) {
        SCOPED_TRACE(Narrow(key));
        EXPECT_EQ(ReadValue(key, L"WallPaper"), Widen(other));
        EXPECT_EQ(ReadValue(key, L"TileWallpaper"), L"0");
        EXPECT_EQ(ReadValue(key, L"WallpaperStyle"), L"2") << "the stretch of the wallpaper before";
    }
}

TEST_F(WallpaperTest, StartUpWallpaperIsDesktopZero) {
    state.StartWallpaper = picture;
    state.StartWallStyle = 2;
    engine::ApplyWallpaper(state, services, 0);

    EXPECT_EQ(ReadValue(kIeKey, L"WallPaper"), Widen(picture));
    EXPECT_EQ(ReadValue(kIeKey, L"TileWallpaper"), L"1");
    EXPECT_EQ(SystemWallpaper(), Widen(picture));
}

TEST_F(WallpaperTest, MissingInternetExplorerKeyIsNotCreated) {
    KeyTakenAway gone(kIeKeyLevels[1], L"General");
    ASSERT_TRUE(gone.taken());
    SetDesktopWallpaper(1, picture, 1);
    engine::ApplyWallpaper(state, services, 1);

    EXPECT_FALSE(KeyExists(kIeKey));
    EXPECT_EQ(ReadValue(kDesktopKey, L"WallpaperStyle"), L"2") << "the other key is still written";
    EXPECT_EQ(SystemWallpaper(), Widen(picture));
}

TEST_F(WallpaperTest, MissingDesktopKeyGetsNoStyleValues) {
    KeyTakenAway gone(L"Control Panel", L"desktop");
    ASSERT_TRUE(gone.taken());
    SetDesktopWallpaper(1, picture, 1);
    engine::ApplyWallpaper(state, services, 1);

    // The system may create the key to store its own "Wallpaper" value;
    // the style values would only come from the shell values being written.
    EXPECT_EQ(ReadValue(kDesktopKey, L"TileWallpaper"), std::nullopt);
    EXPECT_EQ(ReadValue(kDesktopKey, L"WallpaperStyle"), std::nullopt);
    EXPECT_EQ(ReadValue(kIeKey, L"WallPaper"), Widen(picture));
    EXPECT_EQ(ReadValue(kIeKey, L"WallpaperStyle"), L"2");
}

TEST_F(WallpaperTest, HungWindowDoesNotStallApplyWallpaper) {
    TestWindowClass windowClass(L"VeskWallpaperHungTest");
    WindowThread hung(windowClass, L"hung", WindowThread::Mode::Hung);
    SetDesktopWallpaper(1, picture, 2);

    const ULONGLONG took = TimeMs([&] { engine::ApplyWallpaper(state, services, 1); });
    std::cout << "[ measured ] ApplyWallpaper with a hung window present: " << took << " ms\n";
    // Generous: a wait on the hung window lasts WindowThread::kHangLimitMs.
    EXPECT_LT(took, 2000u);
    EXPECT_EQ(SystemWallpaper(), Widen(picture));
}

// Colour of one pixel of a bitmap, read through a memory device context.
COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ before = SelectObject(dc, bitmap);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, before);
    DeleteDC(dc);
    return colour;
}

TEST_F(WallpaperTest, ImportedJpegBecomesABitmapTheSystemLoads) {
    TempFolder windowsDir("windir");
    state.WindowsDir = windowsDir.path() + "\\";
    const std::string chosen = folder.In("sea.jpg");
    // An odd width, so rows need padding; a gradient red to the right and
    // green downwards, so a flipped or colour-swapped bitmap shows.
    const auto jpeg = vesk::testing::EncodeJpeg(vesk::testing::GradientPicture(37, 23));
    ASSERT_TRUE(services.files.WriteAll(chosen, jpeg));

    const engine::ImportResult result = engine::ImportWallpaper(state, services.files, chosen);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.path, state.WindowsDir + "sea.bmp");
    EXPECT_FALSE(services.files.Exists(state.WindowsDir + "sea.jpg")) << "the intermediate copy is removed";
    EXPECT_EQ(services.files.ReadAll(chosen), jpeg) << "the chosen picture is untouched";

    const auto bitmap = static_cast<HBITMAP>(
        LoadImageW(nullptr, Widen(result.path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr) << "LoadImageW refused the bitmap, error " << GetLastError();
    BITMAP info{};
    ASSERT_TRUE(GetObjectW(bitmap, sizeof(info), &info));
    EXPECT_EQ(info.bmWidth, 37);
    EXPECT_EQ(info.bmHeight, 23);

    const COLORREF topRight = PixelOf(bitmap, 36, 0);
    const COLORREF bottomLeft = PixelOf(bitmap, 0, 22);
    EXPECT_GT(GetRValue(topRight), 200) << std::hex << topRight;
    EXPECT_LT(GetGValue(topRight), 60) << std::hex << topRight;
    EXPECT_LT(GetRValue(bottomLeft), 60) << std::hex << bottomLeft;
    EXPECT_GT(GetGValue(bottomLeft), 200) << std::hex << bottomLeft;
    EXPECT_NEAR(GetBValue(bottomLeft), 128, 40) << std::hex << bottomLeft;
    DeleteObject(bitmap);
}

}  // namespace
}  // namespace vesk::test
