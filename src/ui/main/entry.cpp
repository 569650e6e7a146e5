#include "platform/win32/windows_api.h"

#include "engine/command_line.h"
#include "ui/main/app.h"
#include "ui/main/com_apartment.h"
#include "ui/main/console_output.h"
#include "ui/main/main_form.h"
#include "ui/main/program_arguments.h"
#include "ui/main/remote_control.h"
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
// arguments are read as UTF-16 from GetCommandLineW.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using vesk::engine::CommandLine;
    const CommandLine line = vesk::engine::ParseCommandLine(vesk::ui::ProgramArguments());
    if (line.kind == CommandLine::Kind::Help) {
        vesk::ui::PrintOrShow(vesk::engine::UsageText(), false);
        return vesk::engine::kCommandDone;
    }
    if (line.kind == CommandLine::Kind::Bad) {
        vesk::ui::PrintOrShow("Vesk: " + line.error + ".\nVesk.exe --help lists what it takes.\n", true);
        return vesk::engine::kCommandBadArguments;
    }

    const auto marker = vesk::ui::InstanceMarker::Claim();
    if (!marker) {
        // A second start without a command ends at once, as it always has.
        if (line.kind != CommandLine::Kind::Command) return 0;
        return vesk::ui::remote::HandOver(line.command);
    }
    if (line.kind == CommandLine::Kind::Command && !line.start) {
        vesk::ui::PrintForUser("Vesk is not running; nothing was done (--start starts it first).\n", true);
        return vesk::engine::kCommandNoRunningCopy;
    }

    vesk::ui::App app(instance);
    if (!app.Load()) return 1;
    // Before the first window: Wine's imm32 otherwise enters COM at the main
    // window's first activation, as Windows does for its text services, and
    // loading ole32, combase and rpcrt4 while the window was being shown
    // took 10 to 20 ms, against a few here.
    const vesk::ui::ComApartment com;
    vesk::ui::MainForm form(app, instance);
    if (line.kind == CommandLine::Kind::Command) form.RunAfterStartUp(line.command);
    if (!form.Create()) return 1;
    form.ShowForm();
    return RunMessageLoop();
}
