#pragma once
#include "platform/win32/windows_api.h"

#include <utility>

namespace vesk::platform::win32 {

// Owns one system resource and releases it on destruction. Movable, never
// copied: two owners of one handle would close it twice.
template <typename Traits>
class Scoped {
public:
    using Handle = typename Traits::Handle;

    Scoped() = default;
    explicit Scoped(Handle handle) : handle_(handle) {}
    ~Scoped() { reset(); }
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;
    Scoped(Scoped&& other) noexcept : handle_(other.release()) {}
    Scoped& operator=(Scoped&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }
    Handle release() { return std::exchange(handle_, Traits::Invalid()); }
    void reset(Handle handle = Traits::Invalid()) {
        if (handle_ != Traits::Invalid()) Traits::Close(handle_);
        handle_ = handle;
    }
    // For APIs that return the handle through an out parameter.
    Handle* receive() {
        reset();
        return &handle_;
    }

private:
    Handle handle_ = Traits::Invalid();
};

struct RegKeyTraits {
    using Handle = HKEY;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle key) { RegCloseKey(key); }
};

// Kernel objects that report failure as NULL (OpenProcess, OpenProcessToken).
struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle handle) { CloseHandle(handle); }
};

// Kernel objects that report failure as INVALID_HANDLE_VALUE (CreateFileW,
// CreateToolhelp32Snapshot).
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) { CloseHandle(handle); }
};

struct HookTraits {
    using Handle = HHOOK;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle hook) { UnhookWindowsHookEx(hook); }
};

// A window this program created; only for windows of the calling thread.
struct WindowTraits {
    using Handle = HWND;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle window) { DestroyWindow(window); }
};

struct IconTraits {
    using Handle = HICON;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle icon) { DestroyIcon(icon); }
};

using ScopedRegKey = Scoped<RegKeyTraits>;
using ScopedHandle = Scoped<KernelHandleTraits>;
using ScopedFileHandle = Scoped<FileHandleTraits>;
using ScopedHook = Scoped<HookTraits>;
using ScopedWindow = Scoped<WindowTraits>;
using ScopedIcon = Scoped<IconTraits>;

}  // namespace vesk::platform::win32
