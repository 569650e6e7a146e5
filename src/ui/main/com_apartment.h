#pragma once
#include "platform/win32/late_calls.h"

namespace vesk::ui {

// COM for the calling thread, single-threaded, as ShellExecute's shell
// extensions and the file dialogs expect; released when it goes.
class ComApartment {
public:
    ComApartment()
        : entered_(SUCCEEDED(platform::win32::late::CoInitializeEx(
              nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment() {
        if (entered_) platform::win32::late::CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool entered_;
};

}  // namespace vesk::ui
