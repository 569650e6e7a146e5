#include "platform/win32/windows_api.h"

#include "ui/main/app.h"
#include "ui/main/main_form.h"
#include "ui/main/single_instance.h"

namespace {

HWND TipsWindowOf(HWND active) {
    wchar_t className[16] = {};
    if (active == nullptr || GetClassNameW(active, className, 16) == 0) return nullptr;
    return lstrcmpW(className, L"THelpFrm") == 0 ? active : nullptr;
}

int RunMessageLoop() {
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);
        if (got == -1) return 1;
        // The tips window is the one modeless window: Tab, arrows and its
        // mnemonics need the dialog manager (modal dialogs run their own loop).
        if (const HWND tips = TipsWindowOf(GetActiveWindow()); tips && IsDialogMessageW(tips, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

// The narrow entry point keeps the default mingw startup (no -municode); the
// command line is not used.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const auto marker = vesk::ui::InstanceMarker::Claim();
    if (!marker) return 0;

    vesk::ui::App app(instance);
    vesk::ui::MainForm form(app, instance);
    if (!form.Create()) return 1;
    form.ShowForm();
    return RunMessageLoop();
}
