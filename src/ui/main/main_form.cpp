#include "ui/main/main_form.h"

#include "engine/desktop_names.h"
#include "engine/desktop_switch.h"
#include "platform/win32/utf.h"
#include "platform/win32/win32_regions.h"
#include "ui/dialogs/about_frm.h"
#include "ui/dialogs/help_frm.h"
#include "ui/dialogs/kill_frm.h"
#include "ui/dialogs/setting_frm.h"
#include "ui/dialogs/window_frm.h"
#include "ui/flat/dpi.h"
#include "ui/main/console_output.h"
#include "ui/main/numbered_icon.h"
#include "ui/main/record_file_dialogs.h"

namespace vesk::ui {
namespace {

constexpr const wchar_t* kClassName = kMainWindowClass;
constexpr const wchar_t* kOwnerClassName = L"Vesk.Owner";
constexpr const wchar_t* kTitle = kMainWindowTitle;
constexpr int kIconId = 1;
// The design size, kept until the skin gives the real one; 96-DPI
// reference pixels, like every size here.
constexpr int kDesignWidth = 538;
constexpr int kDesignHeight = 271;

// Where the system has it (Windows 9x), RegisterServiceProcess keeps the
// program running when the user logs off and out of the task list.
void MarkAsServiceProcess(bool on) {
    using RegisterServiceProcessFn = DWORD(WINAPI*)(DWORD, DWORD);
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    if (kernel == nullptr) return;
    const FARPROC found = GetProcAddress(kernel, "RegisterServiceProcess");
    if (found == nullptr) return;
    reinterpret_cast<RegisterServiceProcessFn>(reinterpret_cast<void*>(found))(GetCurrentProcessId(), on ? 1 : 0);
}

POINT ScreenCentreFor(int width, int height) {
    return {(GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2};
}

}  // namespace

MainForm::MainForm(App& app, HINSTANCE instance)
    : app_(app),
      instance_(instance),
      context_{app.state(), app.services(), app.prompt(), *this, app.journal()},
      recorder_(app.state(), app.services(), app.prompt(), *this),
      commands_(context_, recorder_, *this),
      panel_(pictures_.skin(), pictures_.regions(), app.services().regions),
      deskMenu_(menuModel_) {}

bool MainForm::Create() {
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.lpfnWndProc = WindowProc;
    description.hInstance = instance_;
    description.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(kIconId));
    description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    description.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    description.lpszClassName = kClassName;
    windowClass_.emplace(description);
    if (!*windowClass_) return false;

    // An owned window gets no taskbar button; the owner itself is a hidden
    // tool window, which gets none either. It has a class of its own: with
    // the common-controls manifest a "STATIC" is comctl32's, and under Wine
    // loading comctl32 for it added 1.1 MB of working set to every start,
    // dialogs or not.
    WNDCLASSEXW owner{};
    owner.cbSize = sizeof owner;
    owner.lpfnWndProc = DefWindowProcW;
    owner.hInstance = instance_;
    owner.lpszClassName = kOwnerClassName;
    ownerClass_.emplace(owner);
    if (!*ownerClass_) return false;
    appWindow_.reset(CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, ownerClass_->name(), L"", WS_POPUP, 0, 0, 0,
                                     0, nullptr, nullptr, instance_, nullptr));
    const flat::DisplayScale scale = flat::SystemScale();
    const int width = scale.Px(kDesignWidth), height = scale.Px(kDesignHeight);
    const POINT at = ScreenCentreFor(width, height);
    // WM_NCCREATE hands the window to window_, for the handlers of WM_CREATE.
    return CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, windowClass_->name(), kTitle, WS_POPUP | WS_CLIPCHILDREN,
                           at.x, at.y, width, height, appWindow_.get(), nullptr, instance_, this) != nullptr;
}

// FormCreate: runs inside WM_CREATE.
bool MainForm::FormCreate() {
    app_.TakeWindows(window_.get(), appWindow_.get());
    MarkAsServiceProcess(true);
    // Reading the volume loads winmm (and, under Wine, msacm32, which reads
    // its codecs from the registry): about 10 ms that the window and the
    // hotkeys need not wait for. The caption is right from the first paint.
    engine::ShowMusicState(context_);
    PostMessageW(window_.get(), WM_STARTMUSIC, 0, 0);
    trayIcon_.emplace(window_.get(), LoadIconW(instance_, MAKEINTRESOURCEW(kIconId)));
    // Explorer broadcasts this after it (re)starts; the icon must then be
    // added again.
    taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");
    // The icon is added as after an Explorer restart, once the first show
    // is done: the round trip to the shell is not in the way of the window
    // and the hotkeys.
    PostMessageW(window_.get(), taskbarCreatedMessage_, 0, 0);
    startedUpMessage_ = RegisterWindowMessageW(kStartedUpMessage);
    firstShow_ = true;
    return true;
}

void MainForm::ShowForm() {
    if (!window_ || !FormShow()) return;
    ShowWindow(window_.get(), SW_SHOW);
    SetForegroundWindow(window_.get());
    UpdateWindow(window_.get());
}

// False when the main password was refused: the window has closed then.
bool MainForm::FormShow() {
    if (firstShow_) FirstShowSetUp();
    const std::string& password = app_.state().ControlPassword;
    if (!password.empty() && app_.prompt().Ask("Main Password", true, password) != engine::PromptResult::Ok) {
        tag_ = 1;
        Close();
        return false;
    }
    return true;
}

void MainForm::FirstShowSetUp() {
    auto& state = app_.state();
    auto& services = app_.services();
    image::RgbImage mainImage;
    // The panel makes its regions at the display's scale; the loader's, at
    // the skin's own, go with this call.
    skin::SkinRegions loadedRegions;
    const skin::SkinResult loaded =
        skin::LoadSkin(state.ProgramDir + "Default.QSK", services.files.ExecutablePath(), services.files,
                       services.regions, skin_, loadedRegions, mainImage, app_.dialogImage());
    if (!loaded) {
        // Nothing else can be set up without a skin; the next show tries again.
        const std::string text = std::string("The skin cannot be loaded: ") + skin::SkinStatusName(loaded.status) +
                                 " (offset " + std::to_string(loaded.offset) + ").";
        MessageBoxW(window_.get(), platform::win32::Widen(text).c_str(), kTitle, MB_OK | MB_ICONERROR | MB_TOPMOST);
        return;
    }

    pictures_.SetPicture(std::move(mainImage));
    ScalePanel(flat::WindowScale(window_.get()));
    const DibCanvas& shown = *pictures_.background();
    const POINT at = ScreenCentreFor(shown.width(), shown.height());
    // The window was made at the default skin's size and place. Under Wine
    // moving it there again still cost 2 ms of the start.
    const RECT wanted{at.x, at.y, at.x + shown.width(), at.y + shown.height()};
    RECT made{};
    GetWindowRect(window_.get(), &made);
    if (!EqualRect(&made, &wanted)) {
        SetWindowPos(window_.get(), nullptr, at.x, at.y, shown.width(), shown.height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    firstShow_ = false;

    commands_.StartUp();
    ShowDesktopTitles();
    startedUp_ = true;
    if (startCommand_) {
        const engine::RemoteReply reply = commands_.RunRemote(*std::exchange(startCommand_, std::nullopt));
        if (!reply.text.empty()) PrintForUser(reply.text + "\n", reply.status != engine::kCommandDone);
    }
    if (state.ShowHelp) ShowTipsWindow(instance_, window_.get(), &app_.dialogImage(), state, services.files);
    // PlaceControls: the labels, status line and buttons are drawn at their
    // skin rectangles, and the selector shows its outlines. The current
    // desktop is 1 unless a --start command switched already.
    pictures_.ShowOutlines();
    DrawSelectorOutline(state.CurrentDesktop, true);
    RedrawAll();
}

void MainForm::ScalePanel(platform::DisplayScale scale) {
    const platform::DisplayScale before = pictures_.scale();
    pictures_.Scale(skin_, scale, app_.services().regions);
    panel_.Rescaled(before, scale);
    platform::win32::ShapeWindow(window_.get(), pictures_.outline());
}

// The window moved to a display of another scale (Windows 8.1 and later; the
// system's scale is the only one elsewhere, Wine included).
void MainForm::DpiChanged(HWND window, int dpi, const RECT& suggested) {
    int width = suggested.right - suggested.left, height = suggested.bottom - suggested.top;
    if (!firstShow_ && window_ && platform::DisplayScale(dpi) != pictures_.scale()) {
        ScalePanel(platform::DisplayScale(dpi));
        // The system's suggestion scales the old size, which rounding may
        // have left a pixel off the new picture.
        width = pictures_.background()->width();
        height = pictures_.background()->height();
    }
    SetWindowPos(window, nullptr, suggested.left, suggested.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawAll();
}

void MainForm::Close() {
    if (!window_) return;
    if (!commands_.ExitSequence(tag_ == 1)) return;
    app_.prompt().Release();
    MarkAsServiceProcess(false);
    // FormClose.
    if (trayIcon_) trayIcon_->Delete();
    pictures_.Free();
    app_.dialogImage() = {};
    // Emptied before the window goes: what its destruction sends finds the
    // close begun.
    platform::win32::ScopedWindow closing = std::move(window_);
    closing.reset();
}

bool MainForm::ExitNow() {
    Close();
    return !window_;
}

bool MainForm::MainWindowVisible() { return window_ && IsWindowVisible(window_.get()); }

void MainForm::HideMainWindow() {
    if (window_) ShowWindow(window_.get(), SW_HIDE);
}

void MainForm::CloseMainWindow() {
    if (window_) PostMessageW(window_.get(), WM_CLOSE, 0, 0);
}

bool MainForm::RunSettingsDialog() {
    const bool ok = ui::RunSettingsDialog(instance_, window_.get(), &app_.dialogImage(), app_.state(), app_.services());
    if (ok) ShowDesktopTitles();
    return ok;
}

void MainForm::ShowDesktopTitles() {
    const auto& state = app_.state();
    std::array<std::string, skin::kMaxSelectorPolygons> titles;
    for (int n = 1; n <= engine::kDesktopCount; ++n) {
        std::string& title = titles[static_cast<std::size_t>(n - 1)];
        title = engine::DesktopTitle(state, n);
        menuModel_.SetDesktopCaption(n, title);
    }
    panel_.SetDesktopTitles(titles);
    SetStatusText(titles[static_cast<std::size_t>(state.CurrentDesktop - 1)]);
    if (trayIcon_ && trayIcon_->added()) ShowTrayDesktop();
}

void MainForm::DesktopEntered(int) {
    if (trayIcon_ && trayIcon_->added()) ShowTrayDesktop();
}

void MainForm::AddTrayIcon() {
    if (!trayIcon_) return;
    ShowTrayDesktop();
    trayIcon_->Add();
}

void MainForm::ShowTrayDesktop() {
    if (!trayIcon_) return;
    const auto& state = app_.state();
    HICON numbered = nullptr;
    if (state.TrayNumber) {
        auto& picture = trayPictures_[static_cast<std::size_t>(state.CurrentDesktop - 1)];
        if (!picture) picture = NumberedIcon(instance_, kIconId, state.CurrentDesktop, GetSystemMetrics(SM_CXSMICON));
        numbered = picture.get();
    }
    if (numbered) {
        trayIcon_->Change(numbered, platform::win32::Widen(engine::DesktopTitle(state, state.CurrentDesktop)));
    } else {
        trayIcon_->Change(LoadIconW(instance_, MAKEINTRESOURCEW(kIconId)), kTitle);
    }
}

void MainForm::RunKiller(engine::KillerMode mode) {
    auto& services = app_.services();
    ui::RunKiller(instance_, &app_.dialogImage(), app_.state(), services.windows, services.processes, mode);
}

void MainForm::RunWindowMoveDialog() {
    ui::RunWindowMoveDialog(instance_, &app_.dialogImage(), app_.state(), app_.services().windows, app_.journal());
}

void MainForm::RunAbout() { RunAboutWindow(instance_, window_.get(), &app_.dialogImage(), app_.services().shell); }

void MainForm::SetTrayIconShown(bool shown) {
    if (!trayIcon_) return;
    if (shown) AddTrayIcon();
    else trayIcon_->Delete();
}

void MainForm::DrawSelectorOutline(int desktop, bool current) {
    if (pictures_.DrawSelectorOutline(desktop, current)) Redraw(pictures_.skin().SelectorRect);
}

void MainForm::SetStatusText(const std::string& text) {
    panel_.SetStatusText(text);
    Redraw(pictures_.skin().StatusRect);
}

// A command label and the tray menu item that mirrors it.
void MainForm::SetCommandCaption(int label, const char* menuItem, const std::string& labelCaption,
                                 const std::string& menuCaption) {
    panel_.SetCaption(label, labelCaption);
    menuModel_.SetCaption(menuItem, menuCaption);
    Redraw(pictures_.skin().CommandRects[static_cast<std::size_t>(label - 1)]);
}

void MainForm::SetIconsCommandCaption(const std::string& caption) {
    SetCommandCaption(kDesktopIconsLabel, "MenuIcon", caption, caption);
}

void MainForm::SetTaskbarCommandCaption(const std::string& caption) {
    SetCommandCaption(kTaskbarLabel, "MenuTask", caption, caption);
}

void MainForm::SetMusicCommandCaption(const std::string& caption) {
    SetCommandCaption(kMusicLabel, "MenuMusic", caption, caption);
}

void MainForm::SetRecordCaptions(const std::string& label, const std::string& menuItem) {
    SetCommandCaption(kRecordLabel, "MenuRecord", label, menuItem);
}

void MainForm::SetPlayCaptions(const std::string& label, const std::string& menuItem) {
    SetCommandCaption(kPlayLabel, "MenuLoad", label, menuItem);
}

std::optional<std::string> MainForm::ChooseFileToRecord() { return AskRecordFileToSave(window_.get()); }

std::optional<std::string> MainForm::ChooseFileToPlay() { return AskRecordFileToOpen(window_.get()); }

void MainForm::SendRecordDone() {
    if (window_) SendMessageW(window_.get(), WM_RECORDDONE, 0, 0);
}

void MainForm::Paint(HDC target) {
    if (pictures_.Paint(target, panel_)) return;
    RECT client{};
    GetClientRect(window_.get(), &client);
    FillRect(target, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

void MainForm::Redraw(const skin::Rect& area) {
    if (!window_) return;
    const RECT r{area.Left, area.Top, area.Right, area.Bottom};
    InvalidateRect(window_.get(), &r, FALSE);
}

void MainForm::RedrawAll() {
    if (window_) InvalidateRect(window_.get(), nullptr, FALSE);
}

void MainForm::RunCommand(const CommandRequest& request) {
    switch (request.command) {
    case PanelCommand::Record: return recorder_.RecordCommand();
    case PanelCommand::Play: return recorder_.PlayCommand();
    case PanelCommand::ToggleTaskbar: return commands_.ToggleTaskbar();
    case PanelCommand::ToggleDesktopIcons: return commands_.ToggleDesktopIcons();
    case PanelCommand::ToggleMusic: return commands_.ToggleMusic();
    case PanelCommand::CloseAll: return commands_.CloseAll();
    case PanelCommand::Killer: return commands_.Killer(request.leftButton);
    case PanelCommand::ShutDown: return commands_.ShutDown();
    case PanelCommand::Reboot: return commands_.Reboot();
    case PanelCommand::Sleep: return commands_.Sleep();
    case PanelCommand::WindowTools: return commands_.WindowTools(request.leftButton);
    case PanelCommand::Options: return commands_.Options();
    case PanelCommand::Help: return commands_.Help();
    case PanelCommand::About: return commands_.About();
    case PanelCommand::Minimize: return HideMainWindow();
    case PanelCommand::Exit: return Close();
    case PanelCommand::SelectDesktop: return commands_.SelectDesktop(request.desktop);
    case PanelCommand::EnterDesktop: return commands_.HotkeyCommand(request.desktop);
    }
}

}  // namespace vesk::ui
