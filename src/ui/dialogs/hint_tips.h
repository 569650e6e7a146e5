#pragma once
#include "platform/win32/windows_api.h"

#include <string>

#include "platform/win32/scoped_handles.h"

namespace vesk::ui {

// A dialog's hints: a tool tip that shows a short text while the
// pointer rests on a control.
class HintTips {
public:
    explicit HintTips(HWND dialog);

    void Add(HWND control, const std::wstring& text);

private:
    HWND dialog_;
    platform::win32::ScopedWindow tips_;
};

}  // namespace vesk::ui
