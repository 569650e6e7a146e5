#pragma once
#include "platform/win32/windows_api.h"

namespace vesk::ui {

// A registered window class, unregistered when dropped.
class RegisteredWindowClass {
public:
    explicit RegisteredWindowClass(const WNDCLASSEXW& description)
        : atom_(RegisterClassExW(&description)), instance_(description.hInstance) {}
    ~RegisteredWindowClass() {
        if (atom_ != 0) UnregisterClassW(MAKEINTATOM(atom_), instance_);
    }
    RegisteredWindowClass(const RegisteredWindowClass&) = delete;
    RegisteredWindowClass& operator=(const RegisteredWindowClass&) = delete;

    explicit operator bool() const { return atom_ != 0; }
    LPCWSTR name() const { return MAKEINTATOM(atom_); }

private:
    ATOM atom_;
    HINSTANCE instance_;
};

}  // namespace vesk::ui
