#include <cstdint>
#include <cwchar>
#include <optional>
#include <string>

#include "desktop_test.h"
#include "dialog_controls.h"
#include "poll.h"
#include "ui/dialogs/kill_frm.h"
#include "ui/dialogs/setting_frm.h"
#include "ui/dialogs/window_frm.h"
#include "user_input.h"

namespace vesk::e2e {
namespace {

using ui::SettingId;
using ui::TKillFrm;
using ui::TWindowFrm;

// Started with this argument, this test program is nothing but a process for
// the killer to end: it waits before any test runs.
constexpr const wchar_t* kWaitToBeKilled = L"--wait-to-be-killed";
[[maybe_unused]] const bool kIsKillerTarget = [] {
    if (std::wcsstr(GetCommandLineW(), kWaitToBeKilled) != nullptr) Sleep(INFINITE);
    return false;
}();

// The exit code the killer gives the processes it ends.
constexpr DWORD kKilledExitCode = 259;
// The main window's labels of the built-in skin, in client pixels.
constexpr POINT kKillProcessLabel{487, 135};
constexpr POINT kWindowsLabel{487, 203};
// How long an ignored key is given to have an effect after all.
constexpr DWORD kNoEffectWait = 1000;  // milliseconds
constexpr DWORD kCtrlF5Code = VK_F5;   // the registry keeps the key code

// An 8x8 baseline JPEG, colour gradient.
constexpr unsigned char kTinyJpeg[] = {
  0xff, 0xd8, 0xff, 0xe0, 0x00, 0x10, 0x4a, 0x46, 0x49, 0x46, 0x00, 0x01,
  0x01, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0xff, 0xdb, 0x00, 0x43,
  0x00, 0x06, 0x04, 0x05, 0x06, 0x05, 0x04, 0x06, 0x06, 0x05, 0x06, 0x07,
  0x07, 0x06, 0x08, 0x0a, 0x10, 0x0a, 0x0a, 0x09, 0x09, 0x0a, 0x14, 0x0e,
  0x0f, 0x0c, 0x10, 0x17, 0x14, 0x18, 0x18, 0x17, 0x14, 0x16, 0x16, 0x1a,
  0x1d, 0x25, 0x1f, 0x1a, 0x1b, 0x23, 0x1c, 0x16, 0x16, 0x20, 0x2c, 0x20,
  0x23, 0x26, 0x27, 0x29, 0x2a, 0x29, 0x19, 0x1f, 0x2d, 0x30, 0x2d, 0x28,
  0x30, 0x25, 0x28, 0x29, 0x28, 0xff, 0xdb, 0x00, 0x43, 0x01, 0x07, 0x07,
  0x07, 0x0a, 0x08, 0x0a, 0x13, 0x0a, 0x0a, 0x13, 0x28, 0x1a, 0x16, 0x1a,
  0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28,
  0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28,
  0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28,
  0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28, 0x28,
  0x28, 0x28, 0xff, 0xc0, 0x00, 0x11, 0x08, 0x00, 0x08, 0x00, 0x08, 0x03,
  0x01, 0x22, 0x00, 0x02, 0x11, 0x01, 0x03, 0x11, 0x01, 0xff, 0xc4, 0x00,
  0x15, 0x00, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
  0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x07, 0xff, 0xc4, 0x00, 0x16,
  0x10, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
  0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x15, 0x62, 0xff, 0xc4, 0x00, 0x15,
  0x01, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
  0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x07, 0xff, 0xc4, 0x00, 0x19, 0x11,
  0x00, 0x01, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
  0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x16, 0x53, 0x91, 0xf0, 0xff, 0xda,
  0x00, 0x0c, 0x03, 0x01, 0x00, 0x02, 0x11, 0x03, 0x11, 0x00, 0x3f, 0x00,
  0x8d, 0xd9, 0xd0, 0x0a, 0xd3, 0x35, 0x26, 0x3d, 0x43, 0x2e, 0xc5, 0x39,
  0x35, 0x9f, 0xff, 0xd9
};

int Id(SettingId id) { return static_cast<int>(id); }

std::wstring TempFolder() {
    wchar_t path[MAX_PATH]{};
    GetTempPathW(MAX_PATH, path);
    return path;
}

std::wstring WindowsFolder() {
    wchar_t path[MAX_PATH]{};
    GetWindowsDirectoryW(path, MAX_PATH);
    std::wstring folder = path;
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    return folder;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring HexId(std::uintptr_t value) {
    wchar_t digits[9]{};
    std::swprintf(digits, 9, L"%08X", static_cast<unsigned>(value));
    return digits;
}

// A JPEG in the temp folder and the bitmap Vesk makes of it, both gone
// again when the test ends.
class WallpaperFiles {
public:
    WallpaperFiles()
        : jpeg_(TempFolder() + L"vesk_dialogs_wall.jpg"), bitmap_(WindowsFolder() + L"vesk_dialogs_wall.bmp") {
        RemoveAll();
        const platform::win32::ScopedHandle file(
            CreateFileW(jpeg_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        written_ = file && WriteFile(file.get(), kTinyJpeg, sizeof kTinyJpeg, &written, nullptr) &&
                   written == sizeof kTinyJpeg;
    }
    ~WallpaperFiles() { RemoveAll(); }
    WallpaperFiles(const WallpaperFiles&) = delete;
    WallpaperFiles& operator=(const WallpaperFiles&) = delete;

    bool written() const { return written_; }
    const std::wstring& jpeg() const { return jpeg_; }
    const std::wstring& bitmap() const { return bitmap_; }

private:
    void RemoveAll() const {
        DeleteFileW(jpeg_.c_str());
        DeleteFileW(bitmap_.c_str());
    }

    std::wstring jpeg_;
    std::wstring bitmap_;
    bool written_ = false;
};

// A second copy of this test program that only waits; ended by its handle
// when the killer did not end it.
class WaitingProcess {
public:
    WaitingProcess() {
        wchar_t self[MAX_PATH]{};
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring commandLine = L"\"" + std::wstring(self) + L"\" " + kWaitToBeKilled;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (CreateProcessW(self, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                           &startup, &started)) {
            CloseHandle(started.hThread);
            process_.reset(started.hProcess);
            id_ = started.dwProcessId;
        }
    }
    ~WaitingProcess() {
        if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) TerminateProcess(process_.get(), 1);
    }
    WaitingProcess(const WaitingProcess&) = delete;
    WaitingProcess& operator=(const WaitingProcess&) = delete;

    bool started() const { return static_cast<bool>(process_); }
    DWORD id() const { return id_; }
    // Its exit code once it ended within the timeout; nullopt otherwise
    // (259, the killer's code, is also what a running process reports).
    std::optional<DWORD> WaitForExit(DWORD milliseconds) const {
        if (WaitForSingleObject(process_.get(), milliseconds) != WAIT_OBJECT_0) return std::nullopt;
        DWORD code = 0;
        GetExitCodeProcess(process_.get(), &code);
        return code;
    }

private:
    platform::win32::ScopedHandle process_;
    DWORD id_ = 0;
};

class DialogsTest : public DesktopTest {
protected:
    // Closes the dialog with its button and waits for it to go and for the
    // main window to have the focus again, so that hotkeys pressed next keep
    // their modifiers.
    bool CloseWith(HWND dialog, int buttonId) const {
        ClickControl(ControlOf(dialog, buttonId));
        if (!WaitUntilHidden(dialog)) return false;
        WaitForFocus(main_);
        return true;
    }
};

TEST_F(DialogsTest, OptionsChangeTheNameHotkeyAndWallpaperOfDesktopTwo) {
    const WallpaperFiles files;
    ASSERT_TRUE(files.written());
    ASSERT_TRUE(Start(1));
    const HWND window = windows()[0];

    PressKey(VK_F11, {VK_CONTROL});
    const HWND settings = WaitForDialog(L"TSettingFrm");
    ASSERT_NE(settings, nullptr) << "Ctrl+F11 did not open the options";
    WaitForFocus(settings);
    ASSERT_TRUE(ChooseComboItem(*vesk_, ControlOf(settings, Id(SettingId::ComDesktop)), L"Vesk 2"));
    ClickControl(ControlOf(settings, Id(SettingId::BtnName)));
    const HWND namePrompt = WaitForPrompt(settings);
    ASSERT_NE(namePrompt, nullptr) << "the name button asked nothing";
    WaitForFocus(namePrompt);
    TypeText(L"Mail");
    PressKey(VK_RETURN);
    ASSERT_TRUE(PollUntil([&] { return !IsWindowVisible(namePrompt); }, kActionTimeout));
    ASSERT_TRUE(ChooseComboItem(*vesk_, ControlOf(settings, Id(SettingId::ComEnterHot)), L"Ctrl+F5"));
    const HWND wallpaper = ControlOf(settings, Id(SettingId::EdtWall));
    ClickControl(wallpaper);
    WaitForFocus(settings);
    TypeText(files.jpeg());
    ASSERT_TRUE(PollUntil([&] { return ControlText(wallpaper) == files.jpeg(); }, kActionTimeout))
        << "the wallpaper field did not take the typed path";
    ASSERT_TRUE(CloseWith(settings, Id(SettingId::FlatButton3))) << "OK did not take the options";
    EXPECT_TRUE(FileExists(files.bitmap())) << "the JPEG was not made into a bitmap in the Windows folder";

    PressKey(VK_NUMPAD2, {VK_CONTROL});
    Sleep(kNoEffectWait);
    EXPECT_TRUE(IsWindowVisible(window)) << "the old hotkey Ctrl+Numpad2 still switches";
    PressKey(VK_F5, {VK_CONTROL});
    EXPECT_TRUE(WaitUntilHidden(window)) << "the new hotkey Ctrl+F5 did not switch to desktop 2";

    ASSERT_TRUE(ExitVesk());
    EXPECT_TRUE(StoredDword(DesktopKey(2), L"DesktopHot", kCtrlF5Code));
    EXPECT_TRUE(StoredPath(DesktopKey(2), L"Wallpaper", files.bitmap()));
    EXPECT_TRUE(StoredString(DesktopKey(2), L"Name", L"Mail"));

    // The name is there at the next start.
    ASSERT_TRUE(StartVesk());
    constexpr std::chrono::seconds kCommandTimeout{20};
    EXPECT_EQ(RunVeskCommand(L"--desktop 2", kCommandTimeout).exitCode, std::optional<DWORD>(0));
    EXPECT_EQ(RunVeskCommand(L"--current", kCommandTimeout).output, "2 Mail\n");
    EXPECT_TRUE(ExitVesk());
}

TEST_F(DialogsTest, KillerEndsTheTickedProcess) {
    const WaitingProcess victim;
    ASSERT_TRUE(victim.started());
    ASSERT_TRUE(Start(0));

    ClickAt(OnMainWindow(kKillProcessLabel.x, kKillProcessLabel.y));
    const HWND killer = WaitForDialog(L"TKillFrm");
    ASSERT_NE(killer, nullptr) << "a left click on \"Kill process\" did not open the killer";
    const HWND list = ControlOf(killer, TKillFrm::kListPro);
    const int row = WaitForRow(list, L"[ID=" + HexId(victim.id()) + L"]");
    ASSERT_GE(row, 0) << "the waiting process is not listed";
    ASSERT_TRUE(ClickRow(list, row, true));
    ClickControl(ControlOf(killer, TKillFrm::kBtnClose));
    EXPECT_EQ(victim.WaitForExit(static_cast<DWORD>(kActionTimeout.count())), std::optional<DWORD>(kKilledExitCode));
    EXPECT_TRUE(PollUntil([&] { return FindRow(list, L"[ID=" + HexId(victim.id()) + L"]") < 0; }, kActionTimeout))
        << "the ended process kept its row";

    ASSERT_TRUE(CloseWith(killer, TKillFrm::kFlatButton4));
    EXPECT_TRUE(ExitVesk());
}

TEST_F(DialogsTest, LookAllWindowsShowsTheSelectedHiddenWindow) {
    ASSERT_TRUE(Start(2));
    const HWND hidden = windows()[1];
    ShowWindow(hidden, SW_HIDE);
    ASSERT_TRUE(WaitUntilHidden(hidden));

    ClickAt(OnMainWindow(kWindowsLabel.x, kWindowsLabel.y), VK_RBUTTON);
    const HWND killer = WaitForDialog(L"TKillFrm");
    ASSERT_NE(killer, nullptr) << "a right click on \"Windows\" did not open \"Look all Windows\"";
    const HWND list = ControlOf(killer, TKillFrm::kListPro);
    const std::wstring handle = L"Handle=" + HexId(reinterpret_cast<std::uintptr_t>(hidden));
    const int row = WaitForRow(list, handle);
    ASSERT_GE(row, 0) << "the hidden window is not listed";
    EXPECT_NE(RowText(list, row).find(L"[Hide]"), std::wstring::npos) << "the hidden window is not marked";
    ASSERT_TRUE(ClickRow(list, row, true));
    ClickControl(ControlOf(killer, TKillFrm::kBtnClose));
    EXPECT_TRUE(WaitUntilVisible(hidden)) << "\"Show Selected\" did not show the window";
    // The list is made again at once, while the window's own thread may not
    // have shown it yet; Refresh lists it as it is now.
    ClickControl(ControlOf(killer, TKillFrm::kBtnRefresh));
    EXPECT_TRUE(PollUntil(
        [&] {
            const int shown = FindRow(list, handle);
            return shown >= 0 && RowText(list, shown).find(L"[Hide]") == std::wstring::npos;
        },
        kActionTimeout))
        << "the shown window is still marked hidden";

    ASSERT_TRUE(CloseWith(killer, TKillFrm::kFlatButton4));
    EXPECT_TRUE(ExitVesk());
}

TEST_F(DialogsTest, MoveDialogCutsAWindowDownToDesktopTwo) {
    ASSERT_TRUE(Start(2));
    const HWND moved = windows()[0];
    const HWND staying = windows()[1];

    ClickAt(OnMainWindow(kWindowsLabel.x, kWindowsLabel.y));
    const HWND mover = WaitForDialog(L"TWindowFrm");
    ASSERT_NE(mover, nullptr) << "a left click on \"Windows\" did not open the move dialog";
    ASSERT_TRUE(ChooseComboItem(*vesk_, ControlOf(mover, TWindowFrm::kComDesktops), L"Desktop 2"));
    const HWND upper = ControlOf(mover, TWindowFrm::kListFrom);
    const int row = WaitForRow(upper, HexId(reinterpret_cast<std::uintptr_t>(moved)));
    ASSERT_GE(row, 0) << "the window is not listed among desktop 1's";
    ASSERT_TRUE(ClickRow(upper, row, false));
    ASSERT_TRUE(PollUntil([&] { return SendMessageW(upper, LB_GETCURSEL, 0, 0) == row; }, kActionTimeout));
    ClickControl(ControlOf(mover, TWindowFrm::kBtnCut));
    EXPECT_TRUE(WaitUntilHidden(moved)) << "the cut window stayed on the screen";
    const HWND lower = ControlOf(mover, TWindowFrm::kListTo);
    EXPECT_GE(WaitForRow(lower, HexId(reinterpret_cast<std::uintptr_t>(moved))), 0)
        << "the cut window is not listed among desktop 2's";
    ASSERT_TRUE(CloseWith(mover, TWindowFrm::kFlatButton4));
    EXPECT_TRUE(IsWindowVisible(staying));
    EXPECT_FALSE(IsWindowVisible(moved));

    PressKey(VK_NUMPAD2, {VK_CONTROL});
    EXPECT_TRUE(WaitUntilVisible(moved)) << "desktop 2 did not show the moved window";
    EXPECT_TRUE(WaitUntilHidden(staying));

    EXPECT_TRUE(ExitVesk());
}

}  // namespace
}  // namespace vesk::e2e
