#include "platform/win32/input_recording.h"

#include "platform/win32/journal_event.h"

namespace vesk::platform::win32 {
namespace {

// Hook procedures get no context argument, so the one recording of this
// thread is found here. Set and cleared only by InputRecording.
thread_local InputRecording* t_recording = nullptr;

}  // namespace

InputRecording::InputRecording(RecordHookHandler& handler) : handler_(handler) {
    if (t_recording != nullptr) return;  // another recording owns this thread's hooks
    t_recording = this;
    const HINSTANCE module = GetModuleHandleW(nullptr);
    keyboard_.reset(SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProc, module, 0));
    mouse_.reset(SetWindowsHookExW(WH_MOUSE_LL, MouseProc, module, 0));
}

InputRecording::~InputRecording() {
    keyboard_.reset();
    mouse_.reset();
    if (t_recording == this) t_recording = nullptr;
}

// Nothing may be touched after the handler returns: it may have destroyed
// the recording.
LRESULT CALLBACK InputRecording::KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && t_recording != nullptr) {
        const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        t_recording->handler_.OnRecordHook(kHookAction,
                                           FromKeyboardHook(wParam, key, GetForegroundWindow()));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK InputRecording::MouseProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && t_recording != nullptr) {
        const auto& mouse = *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        t_recording->handler_.OnRecordHook(kHookAction,
                                           FromMouseHook(wParam, mouse, GetForegroundWindow()));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace vesk::platform::win32
