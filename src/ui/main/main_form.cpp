#include "ui/main/main_form.h"

#include "engine/desktop_switch.h"
#include "platform/win32/utf.h"
#include "platform/win32/win32_regions.h"
#include "ui/dialogs/about_frm.h"
#include "ui/dialogs/help_frm.h"
#include "ui/dialogs/kill_frm.h"
#include "ui/dialogs/setting_frm.h"
#include "ui/dialogs/window_frm.h"
#include "ui/flat/fonts.h"
#include "ui/main/console_output.h"
#include "ui/main/record_file_dialogs.h"

namespace vesk::ui {
namespace {

constexpr const wchar_t* kClassName = kMainWindowClass;
constexpr const wchar_t* kTitle = kMainWindowTitle;
constexpr int kIconId = 1;
// The design size, kept until the skin gives the real one.
constexpr int kDesignWidth = 538;
constexpr int kDesignHeight = 271;
constexpr int kLabelPoints = 8;

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
      panel_(skin_, skinRegions_, app.services().regions),
      deskMenu_(menuModel_),
      labelFont_(flat::MakeFont(
          flat::NamedFace(L"MS Sans Serif", flat::PointsHigh(kLabelPoints), DEFAULT_PITCH | FF_SWISS))) {}

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
    // tool window, which gets none either.
    appWindow_.reset(CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0,
                                     nullptr, nullptr, instance_, nullptr));
    const POINT at = ScreenCentreFor(kDesignWidth, kDesignHeight);
    // WM_NCCREATE hands the window to window_, for the handlers of WM_CREATE.
    return CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, windowClass_->name(), kTitle, WS_POPUP | WS_CLIPCHILDREN,
                           at.x, at.y, kDesignWidth, kDesignHeight, appWindow_.get(), nullptr, instance_,
                           this) != nullptr;
}

// FormCreate: runs inside WM_CREATE.
bool MainForm::FormCreate() {
    if (!app_.Start(window_.get(), appWindow_.get())) return false;
    MarkAsServiceProcess(true);
    engine::ApplyMusic(context_);
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
    const skin::SkinResult loaded =
        skin::LoadSkin(state.ProgramDir + "Default.QSK", services.files.ExecutablePath(), services.files,
                       services.regions, skin_, skinRegions_, mainImage, app_.dialogImage());
    if (!loaded) {
        // Nothing else can be set up without a skin; the next show tries again.
        const std::string text = std::string("The skin cannot be loaded: ") + skin::SkinStatusName(loaded.status) +
                                 " (offset " + std::to_string(loaded.offset) + ").";
        MessageBoxW(window_.get(), platform::win32::Widen(text).c_str(), kTitle, MB_OK | MB_ICONERROR | MB_TOPMOST);
        return;
    }

    const POINT at = ScreenCentreFor(mainImage.width, mainImage.height);
    SetWindowPos(window_.get(), nullptr, at.x, at.y, mainImage.width, mainImage.height, SWP_NOZORDER | SWP_NOACTIVATE);
    background_.emplace(mainImage);
    frame_.emplace(mainImage.width, mainImage.height);
    mainImage = {};

    platform::win32::ShapeWindow(window_.get(), skinRegions_[skin::kOutlineRegion]);
    firstShow_ = false;

    commands_.StartUp();
    startedUp_ = true;
    if (startCommand_) {
        const engine::RemoteReply reply = commands_.RunRemote(*std::exchange(startCommand_, std::nullopt));
        if (!reply.text.empty()) PrintForUser(reply.text + "\n", reply.status != engine::kCommandDone);
    }
    if (state.ShowHelp) ShowTipsWindow(instance_, window_.get(), &app_.dialogImage(), state, services.files);
    // PlaceControls: the labels, status line and buttons are drawn at their
    // skin rectangles; the selector gets its own copy of the picture to carry
    // the outlines.
    selector_.emplace(*background_, skin_.SelectorRect);
    DrawSelectorOutline(1, true);
    RedrawAll();
}

void MainForm::Close() {
    if (!window_) return;
    if (!commands_.ExitSequence(tag_ == 1)) return;
    app_.prompt().Release();
    MarkAsServiceProcess(false);
    // FormClose.
    if (trayIcon_) trayIcon_->Delete();
    skin::FreeSkin(skin_, skinRegions_);
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
    return ui::RunSettingsDialog(instance_, window_.get(), &app_.dialogImage(), app_.state(), app_.services());
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
    if (shown) trayIcon_->Add();
    else trayIcon_->Delete();
}

void MainForm::DrawSelectorOutline(int desktop, bool current) {
    if (!selector_ || desktop < 1 || desktop > skin_.SelectorCount) return;
    const auto& points = skin_.SelectorPoints[static_cast<std::size_t>(desktop - 1)];
    if (points.empty()) return;
    std::vector<POINT> polyline;
    polyline.reserve(points.size());
    for (const auto& p : points) polyline.push_back({p.x, p.y});
    const flat::ScopedPen pen{CreatePen(PS_SOLID, 2, current ? RGB(255, 0, 0) : RGB(0, 0, 0))};
    const flat::Selection selected(selector_->dc(), pen.get());
    Polyline(selector_->dc(), polyline.data(), static_cast<int>(polyline.size()));
    Redraw(skin_.SelectorRect);
}

void MainForm::SetStatusText(const std::string& text) {
    panel_.SetStatusText(text);
    Redraw(skin_.StatusRect);
}

// A command label and the tray menu item that mirrors it.
void MainForm::SetCommandCaption(int label, const char* menuItem, const std::string& labelCaption,
                                 const std::string& menuCaption) {
    panel_.SetCaption(label, labelCaption);
    menuModel_.SetCaption(menuItem, menuCaption);
    Redraw(skin_.CommandRects[static_cast<std::size_t>(label - 1)]);
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
