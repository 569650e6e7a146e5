#include "ui/main/windows_api.h"

#include "ui/main/app.h"
#include "ui/main/main_form.h"
#include "ui/main/single_instance.h"

namespace {

int RunMessageLoop() {
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);
        if (got == -1) return 1;
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
