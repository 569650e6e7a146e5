// The Win32 layer against the platform contract cases, which the simulated
// system the engine's tests use passes too (tests/native/sim_platform_test.cpp).
#include "platform/win32/windows_api.h"

#include <mmsystem.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "image/bmp_writer.h"
#include "files_contract.h"
#include "hotkeys_contract.h"
#include "jpeg_fixture.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf.h"
#include "platform/win32/win32_system.h"
#include "processes_contract.h"
#include "regions_contract.h"
#include "registry_contract.h"
#include "shell_contract.h"
#include "sound_contract.h"
#include "temp_folder.h"
#include "test_windows.h"
#include "window_manager_contract.h"

namespace vesk::test {
namespace {

using platform::ProcessId;
using platform::WindowHandle;
using platform::win32::Narrow;
using platform::win32::ScopedHandle;
using platform::win32::ScopedRegKey;
using platform::win32::Widen;
using platform::win32::Win32System;

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

class Win32RegistryEnv {
public:
    Win32RegistryEnv() { Clear(); }
    ~Win32RegistryEnv() { Clear(); }
    platform::Registry& registry() { return system_.services().registry; }

    // Read around the code under test: the system's own listing of the key.
    std::string StoredName(const std::string& path, const std::string& name) {
        ScopedRegKey key;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, Widen(path).c_str(), 0, KEY_READ, key.receive()) != ERROR_SUCCESS) {
            return "";
        }
        const std::wstring wanted = Widen(name);
        for (DWORD index = 0;; ++index) {
            wchar_t stored[256] = {};
            DWORD length = static_cast<DWORD>(std::size(stored));
            if (RegEnumValueW(key.get(), index, stored, &length, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS) {
                return "";
            }
            if (CompareStringOrdinal(stored, static_cast<int>(length), wanted.c_str(), -1, TRUE) == CSTR_EQUAL) {
                return Narrow(std::wstring_view(stored, length));
            }
        }
    }

private:
    static void Clear() {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VeskContract");
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\VeskContract");
    }

    Win32System system_;
};

class Win32WindowsEnv {
public:
    platform::WindowManager& windows() { return system_.services().windows; }
    WindowHandle Create(const std::string& className, const std::string& title, bool visible) {
        auto& windowClass = classes_[className];
        if (!windowClass) windowClass = std::make_unique<TestWindowClass>(Widen(className));
        windows_.push_back(std::make_unique<TestWindow>(*windowClass, Widen(title), visible));
        return windows_.back()->handle();
    }
    void Destroy(WindowHandle window) { DestroyWindow(ToHwnd(window)); }
    void Minimize(WindowHandle window) { ShowWindow(ToHwnd(window), SW_MINIMIZE); }
    ProcessId OwnProcess() { return GetCurrentProcessId(); }

private:
    Win32System system_;
    std::map<std::string, std::unique_ptr<TestWindowClass>> classes_;
    std::vector<std::unique_ptr<TestWindow>> windows_;  // destroyed before their classes
};

class Win32HotkeysEnv {
public:
    ~Win32HotkeysEnv() {
        for (int id = 1; id <= 4; ++id) {
            UnregisterHotKey(first_.hwnd(), id);
            UnregisterHotKey(second_.hwnd(), id);
        }
        UnregisterHotKey(nullptr, kElsewhereId);
    }
    platform::Hotkeys& hotkeys() { return system_.services().hotkeys; }
    WindowHandle first() { return first_.handle(); }
    WindowHandle second() { return second_.handle(); }
    // Held by this thread without a window: an owner that is none of the
    // windows, as another program is.
    void HoldElsewhere(int modifiers, int virtualKey) {
        if (!RegisterHotKey(nullptr, kElsewhereId, static_cast<UINT>(modifiers), static_cast<UINT>(virtualKey))) {
            ADD_FAILURE() << "the combination is taken already";
        }
    }

private:
    static constexpr int kElsewhereId = 0xBFFF;
    Win32System system_;
    TestWindowClass windowClass_{L"VeskContractHotkeys"};
    TestWindow first_{windowClass_, L"first", false};
    TestWindow second_{windowClass_, L"second", false};
};

class Win32ShellEnv {
public:
    Win32ShellEnv() {
        SystemParametersInfoW(SPI_GETDESKWALLPAPER, MAX_PATH, original_, 0);
        for (int n = 1; n <= 2; ++n) {
            const auto bitmap = image::EncodeBmp24(vesk::testing::GradientPicture(n + 1, 2));
            if (!system_.services().files.WriteAll(Picture(n), bitmap)) ADD_FAILURE() << Picture(n);
        }
    }
    ~Win32ShellEnv() { SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, original_, SPIF_UPDATEINIFILE); }
    platform::Shell& shell() { return system_.services().shell; }
    std::string Wallpaper() {
        wchar_t now[MAX_PATH] = {};
        if (!SystemParametersInfoW(SPI_GETDESKWALLPAPER, MAX_PATH, now, 0)) return "<unreadable>";
        return Narrow(now);
    }
    std::string Picture(int n) { return folder_.In("w\xc3\xa4llpaper " + std::to_string(n) + ".bmp"); }

private:
    TempFolder folder_{"wallpaper"};
    Win32System system_;
    wchar_t original_[MAX_PATH] = {};
};

class Win32SoundEnv {
public:
    Win32SoundEnv() { saved_ = waveOutGetVolume(nullptr, &original_) == MMSYSERR_NOERROR; }
    ~Win32SoundEnv() {
        if (saved_) waveOutSetVolume(nullptr, original_);
    }
    platform::Sound& sound() { return system_.services().sound; }
    bool HasDevice() { return waveOutGetNumDevs() > 0; }

private:
    Win32System system_;
    DWORD original_ = 0;
    bool saved_ = false;
};

class Win32ProcessesEnv {
public:
    ~Win32ProcessesEnv() {
        for (const Child& child : children_) {
            TerminateProcess(child.process.get(), 1);
            WaitForSingleObject(child.process.get(), 5000);
        }
    }
    platform::Processes& processes() { return system_.services().processes; }
    std::string OwnExeName() {
        const std::wstring exe = OwnPath();
        return Narrow(exe.substr(exe.find_last_of(L'\\') + 1));
    }
    // A suspended copy of this program: it exists but runs no code.
    ProcessId StartChild() {
        const std::wstring exe = OwnPath();
        std::wstring commandLine = L"\"" + exe + L"\" --gtest_list_tests";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                            nullptr, &startup, &info)) {
            ADD_FAILURE() << "CreateProcessW failed: " << GetLastError();
            return 0;
        }
        children_.push_back({info.dwProcessId, ScopedHandle(info.hProcess), ScopedHandle(info.hThread)});
        return info.dwProcessId;
    }
    std::optional<unsigned> ExitCodeOf(ProcessId id) {
        for (const Child& child : children_) {
            DWORD code = 0;
            if (child.id == id && WaitForSingleObject(child.process.get(), 5000) == WAIT_OBJECT_0 &&
                GetExitCodeProcess(child.process.get(), &code)) {
                return code;
            }
        }
        return std::nullopt;
    }

private:
    struct Child {
        ProcessId id;
        ScopedHandle process;
        ScopedHandle thread;
    };
    static std::wstring OwnPath() {
        wchar_t exe[MAX_PATH] = {};
        const DWORD length = GetModuleFileNameW(nullptr, exe, MAX_PATH);
        return std::wstring(exe, length);
    }

    Win32System system_;
    std::vector<Child> children_;
};

class Win32FilesEnv {
public:
    platform::Files& files() { return system_.services().files; }
    std::string In(const std::string& name) { return folder_.In(name); }

private:
    TempFolder folder_{"contract-\xc3\xa5"};  // a name beyond ASCII
    Win32System system_;
};

class Win32RegionsEnv {
public:
    platform::Regions& regions() { return system_.services().regions; }
    bool IsLive(platform::Regions::Handle region) {
        return GetObjectType(reinterpret_cast<HGDIOBJ>(region)) == static_cast<DWORD>(OBJ_REGION);
    }

private:
    Win32System system_;
};

using namespace vesk::contract;
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, RegistryContract, Win32RegistryEnv);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, WindowManagerContract, Win32WindowsEnv);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, HotkeysContract, Win32HotkeysEnv);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ShellContract, Win32ShellEnv);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, SoundContract, Win32SoundEnv);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ProcessesContract, Win32ProcessesEnv);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, FilesContract, Win32FilesEnv);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, RegionsContract, Win32RegionsEnv);

}  // namespace
}  // namespace vesk::test
