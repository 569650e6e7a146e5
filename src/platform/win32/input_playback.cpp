#include "platform/win32/input_playback.h"

#include <algorithm>

#include "platform/win32/journal_event.h"
#include "platform/win32/precise_clock.h"

namespace vesk::platform::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"VeskInputPlayback";
constexpr UINT kBeginMessage = WM_APP + 1;
constexpr UINT kPlayMessage = WM_APP + 2;
// A playback held up longer than this (a busy system) counts its pauses
// afresh rather than rushing the events it is late for.
constexpr double kLatestCatchUpMs = 100;
// Events played one after another without going back to the message loop.
constexpr int kDueInARowLimit = 20;

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

void Inject(INPUT input) {
    if (input.type == INPUT_KEYBOARD) input.ki.dwExtraInfo = kPlaybackInputTag;
    else input.mi.dwExtraInfo = kPlaybackInputTag;
    SendInput(1, &input, sizeof(INPUT));
}

}  // namespace

InputPlayback::InputPlayback(PlaybackHookHandler& handler, const StopChord& stop)
    : handler_(handler), hold_(stop) {
    if (!EnsureWindowClass(WindowProc)) return;
    // A message-only window: invisible, never enumerated, never activated.
    window_.reset(CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
    if (!window_) return;
    alarm_.emplace(window_.get(), kPlayMessage);
    SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    PostMessageW(window_.get(), kBeginMessage, 0, 0);
}

InputPlayback::~InputPlayback() {
    if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
    alarm_.reset();
    for (const INPUT& release : pressed_.Releases()) Inject(release);
}

// The first record is read before anything is asked for, so nothing left
// from an earlier playback is played, and the first pause counts from it.
void InputPlayback::Begin() {
    const std::weak_ptr<bool> alive = alive_;
    JournalEvent unused;
    handler_.OnPlaybackHook(kHookSkip, unused);
    if (alive.expired()) return;
    TakeNext();
}

// Pauses run from one event's due time to the next, not from when the one
// before was injected, so the time each injection takes never adds up.
double InputPlayback::WaitFor(std::int32_t pause) {
    const double now = PreciseNowMs();
    if (!due_ || now - *due_ > kLatestCatchUpMs) due_ = now;
    *due_ += std::max(pause, 0);
    return *due_ - now;
}

void InputPlayback::TakeNext() {
    const std::weak_ptr<bool> alive = alive_;
    JournalEvent event;
    const std::int32_t pause = handler_.OnPlaybackHook(kHookGetNext, event);
    if (alive.expired()) return;
    pending_ = event;
    const double wait = WaitFor(pause);
    if (wait > 0) {
        dueInARow_ = 0;
        alarm_->PostAfter(wait);
    } else if (++dueInARow_ < kDueInARowLimit) {
        // Due already: played at once, without a trip through the queue,
        // which under Wine costs as much as a short pause.
        PlayPending();
    } else {
        // Behind for a while: other messages of this thread get their turn.
        dueInARow_ = 0;
        PostMessageW(window_.get(), kPlayMessage, 0, 0);
    }
}

void InputPlayback::PlayPending() {
    if (std::optional<INPUT> input = ToInput(pending_, VirtualScreen())) {
        pressed_.Note(*input);
        Inject(*input);
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
        if (message == kBeginMessage) {
            playback->Begin();
            return 0;
        }
        if (message == kPlayMessage) {
            playback->PlayPending();
            return 0;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace vesk::platform::win32
