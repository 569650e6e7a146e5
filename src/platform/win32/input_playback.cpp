#include "platform/win32/input_playback.h"

#include "platform/win32/journal_event.h"

namespace vesk::platform::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"VeskInputPlayback";
constexpr UINT kTakeNextMessage = WM_APP + 1;
constexpr UINT kPlayMessage = WM_APP + 2;
constexpr UINT_PTR kPauseTimer = 1;

// Registered once per process on first use; a class stays registered until
// the program ends, so a second playback finds it in place.
bool EnsureWindowClass(WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

RECT VirtualScreen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
            top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

}  // namespace

InputPlayback::InputPlayback(PlaybackHookHandler& handler) : handler_(handler) {
    if (!EnsureWindowClass(WindowProc)) return;
    // A message-only window: invisible, never enumerated, never activated.
    window_.reset(CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
    if (!window_) return;
    SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    PostMessageW(window_.get(), kTakeNextMessage, 0, 0);
}

InputPlayback::~InputPlayback() {
    if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

void InputPlayback::TakeNext() {
    const std::weak_ptr<bool> alive = alive_;
    JournalEvent event;
    const std::int32_t pause = handler_.OnPlaybackHook(kHookGetNext, event);
    if (alive.expired()) return;
    pending_ = event;
    if (pause > 0) {
        SetTimer(window_.get(), kPauseTimer, static_cast<UINT>(pause), nullptr);
    } else {
        PostMessageW(window_.get(), kPlayMessage, 0, 0);
    }
}

void InputPlayback::PlayPending() {
    KillTimer(window_.get(), kPauseTimer);
    if (std::optional<INPUT> input = ToInput(pending_, VirtualScreen())) {
        SendInput(1, &*input, sizeof(INPUT));
    }
    const std::weak_ptr<bool> alive = alive_;
    JournalEvent unused;
    handler_.OnPlaybackHook(kHookSkip, unused);
    if (alive.expired()) return;
    TakeNext();
}

LRESULT CALLBACK InputPlayback::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    auto* playback = reinterpret_cast<InputPlayback*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (playback != nullptr) {
        if (message == kTakeNextMessage) {
            playback->TakeNext();
            return 0;
        }
        if (message == kPlayMessage || (message == WM_TIMER && wParam == kPauseTimer)) {
            playback->PlayPending();
            return 0;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace vesk::platform::win32
