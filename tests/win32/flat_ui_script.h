#pragma once
#include "platform/win32/windows_api.h"

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/utf.h"
#include "ui/flat/dpi.h"
#include "ui/flat/flat_check_box.h"

// Drives the user interface from the test's own thread while a dialog's
// modal loop runs: steps wait for a condition (polled by a timer that the
// loop dispatches), then act, mostly by SendInput as a user would.
namespace vesk::test {

class UiScript {
public:
    static constexpr ULONGLONG kStepLimitMs = 5000;
    static constexpr ULONGLONG kRepeatMs = 250;

    UiScript() : window_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
    ~UiScript() {
        KillTimer(window_, reinterpret_cast<UINT_PTR>(this));
        DestroyWindow(window_);
    }
    UiScript(const UiScript&) = delete;
    UiScript& operator=(const UiScript&) = delete;

    // Waits until ready() holds, then runs act() once.
    UiScript& Then(std::string what, std::function<bool()> ready, std::function<void()> act) {
        steps_.push_back({std::move(what), std::move(ready), std::move(act), false});
        return *this;
    }
    UiScript& Do(std::string what, std::function<void()> act) {
        return Then(std::move(what), [] { return true; }, std::move(act));
    }
    // Runs act() now and again every kRepeatMs until done() holds: for
    // input that the system may drop, such as a pointer move.
    UiScript& Until(std::string what, std::function<void()> act, std::function<bool()> done) {
        steps_.push_back({std::move(what), std::move(done), std::move(act), true});
        return *this;
    }

    // Runs show() (which runs a modal loop) with the script going on while
    // the loop pumps messages. Once a step has waited too long, or the
    // dialog is still open kStepLimitMs after the last step, rescue() runs at
    // every tick to close what is open. A last Until step that closes the
    // dialog is done when show() returns. Returns show()'s result.
    template <typename Show>
    auto Run(Show show, std::function<void()> rescue) {
        rescue_ = std::move(rescue);
        stepStart_ = GetTickCount64();
        SetTimer(window_, reinterpret_cast<UINT_PTR>(this), 10, Tick);
        auto result = show();
        KillTimer(window_, reinterpret_cast<UINT_PTR>(this));
        if (failure_.empty() && next_ + 1 == steps_.size() && steps_[next_].repeat && steps_[next_].ready()) {
            Next(GetTickCount64());
        }
        return result;
    }
    bool Finished() const { return next_ == steps_.size() && failure_.empty(); }
    // What went wrong, or empty.
    const std::string& failure() const { return failure_; }

private:
    struct Step {
        std::string what;
        std::function<bool()> ready;
        std::function<void()> act;
        bool repeat;
    };

    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        auto& self = *reinterpret_cast<UiScript*>(id);
        if (self.running_) return;  // an action's own message loop
        self.running_ = true;
        self.Advance();
        self.running_ = false;
    }

    void Advance() {
        const ULONGLONG now = GetTickCount64();
        if (failure_.empty() && now - stepStart_ > kStepLimitMs) {
            failure_ = next_ == steps_.size() ? "still open after the last step"
                                              : "timed out: " + steps_[next_].what;
        }
        if (!failure_.empty()) {
            if (rescue_) rescue_();
            return;
        }
        if (next_ == steps_.size()) return;
        Step& step = steps_[next_];
        if (step.repeat && (lastAct_ == 0 || now - lastAct_ >= kRepeatMs)) {
            if (step.ready()) return Next(now);
            lastAct_ = now;
            step.act();
            return;
        }
        if (!step.ready()) return;
        if (step.repeat) return Next(now);
        Next(now);
        step.act();
    }

    void Next(ULONGLONG now) {
        ++next_;
        stepStart_ = now;
        lastAct_ = 0;
    }

    HWND window_;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    ULONGLONG stepStart_ = 0;
    ULONGLONG lastAct_ = 0;
    std::string failure_;
    std::function<void()> rescue_;
    bool running_ = false;
};

// Input as from the keyboard and mouse, to whatever has the focus.
inline void SendKeys(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

inline INPUT Key(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

inline void PressKey(WORD vk) { SendKeys({Key(vk, false), Key(vk, true)}); }

inline void PressWithAlt(WORD vk) {
    SendKeys({Key(VK_MENU, false), Key(vk, false), Key(vk, true), Key(VK_MENU, true)});
}

inline void TypeText(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (wchar_t c : text) {
        for (bool up : {false, true}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = c;
            input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            inputs.push_back(input);
        }
    }
    SendKeys(std::move(inputs));
}

// A left click where the pointer is.
inline void Click() {
    INPUT down{};
    down.type = INPUT_MOUSE;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    INPUT up = down;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendKeys({down, up});
}

// Moves the pointer to a point of the screen, and clicks there if asked
// (a click may be lost while the system still moves the pointer: where
// that matters, wait for UnderPointer() and then Click()).
inline void MouseTo(POINT screen, bool click = false) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = static_cast<LONG>((screen.x * 65535LL + width / 2) / (width - 1));
    move.mi.dy = static_cast<LONG>((screen.y * 65535LL + height / 2) / (height - 1));
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendKeys({move});
    if (click) Click();
}

inline HWND UnderPointer() {
    POINT pointer{};
    GetCursorPos(&pointer);
    return WindowFromPoint(pointer);
}

inline POINT CentreOf(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

struct ClassSearch {
    const wchar_t* className;
    std::vector<HWND> found;
};

inline BOOL CALLBACK CollectVisibleOfClass(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<ClassSearch*>(context);
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    if (IsWindowVisible(window) && lstrcmpiW(name, search.className) == 0) search.found.push_back(window);
    return TRUE;
}

// The visible top-level windows of this thread with the class name.
inline std::vector<HWND> VisibleThreadWindows(const wchar_t* className) {
    ClassSearch search{className, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectVisibleOfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Closes every visible window of the class on this thread (a rescue).
inline void CloseAll(const wchar_t* className) {
    for (HWND window : VisibleThreadWindows(className)) PostMessageW(window, WM_CLOSE, 0, 0);
}

inline std::wstring WindowText(HWND window) {
    wchar_t text[512]{};
    GetWindowTextW(window, text, 512);
    return text;
}

inline BOOL CALLBACK CollectChild(HWND window, LPARAM context) {
    reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    return TRUE;
}

// Each control's text and place in the dialog's client area, in creation
// order.
inline std::vector<std::string> ChildPlaces(HWND dialog) {
    std::vector<HWND> children;
    EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&children));
    std::vector<std::string> places;
    for (HWND child : children) {
        RECT place{};
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
        std::ostringstream entry;
        entry << platform::win32::Narrow(WindowText(child)) << " " << place.left << "," << place.top << " "
              << place.right - place.left << "x" << place.bottom - place.top;
        places.push_back(entry.str());
    }
    return places;
}

// The texts of a dialog's labels, buttons and check boxes (the given ones)
// that do not fit their controls' client areas in the controls' fonts, as
// "text: needs WxH, has WxH". A check box's text starts after its square;
// a label's lines are measured one by one; controls hidden on purpose are
// left out, the dialog itself may be hidden.
inline std::vector<std::string> ClippedTexts(HWND dialog, const std::vector<HWND>& checkBoxes) {
    std::vector<HWND> children;
    EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&children));
    std::vector<std::string> clipped;
    for (HWND control : children) {
        wchar_t name[16]{};
        GetClassNameW(control, name, 16);
        const bool button = lstrcmpiW(name, L"Button") == 0;
        if ((!button && lstrcmpiW(name, L"Static") != 0) || !(GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE)) continue;
        std::wstring text = WindowText(control);
        if (button) text.erase(std::remove(text.begin(), text.end(), L'&'), text.end());  // mnemonics
        if (text.empty()) continue;
        const HDC dc = GetDC(control);
        const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
        SIZE needed{0, 0};
        std::wistringstream lines(text);
        for (std::wstring line; std::getline(lines, line);) {
            if (!line.empty() && line.back() == L'\r') line.pop_back();
            SIZE extent{};
            GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
            needed.cx = std::max(needed.cx, extent.cx);
            needed.cy += extent.cy;
        }
        SelectObject(dc, previous);
        ReleaseDC(control, dc);
        if (std::find(checkBoxes.begin(), checkBoxes.end(), control) != checkBoxes.end()) {
            needed.cx += ui::flat::TFlatCheckBox::CaptionLeft(ui::flat::LayoutScale(dialog));
        }
        RECT client{};
        GetClientRect(control, &client);
        if (needed.cx > client.right || needed.cy > client.bottom) {
            std::ostringstream entry;
            entry << platform::win32::Narrow(text) << ": needs " << needed.cx << "x" << needed.cy << ", has "
                  << client.right << "x" << client.bottom;
            clipped.push_back(entry.str());
        }
    }
    return clipped;
}

}  // namespace vesk::test
