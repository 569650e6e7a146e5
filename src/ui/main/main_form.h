#pragma once
#include "platform/win32/windows_api.h"

#include <optional>

#include "engine/main_commands.h"
#include "recorder/recorder.h"
#include "skin/desk_skin.h"
#include "ui/flat/gdi.h"
#include "ui/main/app.h"
#include "ui/main/desk_menu.h"
#include "ui/main/desk_menu_model.h"
#include "ui/main/main_panel_model.h"
#include "ui/main/panel_pictures.h"
#include "ui/main/tray_icon.h"
#include "ui/main/window_class.h"

namespace vesk::ui {

// Sent to the main window when the recorder removed its hook.
inline constexpr UINT WM_RECORDDONE = WM_USER + 2;
// Posted to itself at start: desktop 1's music is applied once the window is
// up and the hotkeys are in.
inline constexpr UINT WM_STARTMUSIC = WM_USER + 3;
// The main window's class and title, by which a second start finds it.
inline constexpr const wchar_t* kMainWindowClass = L"TForm1";
inline constexpr const wchar_t* kMainWindowTitle = L"Vesk1.2";

// The registered message that asks the main window whether start-up is done.
inline constexpr const wchar_t* kStartedUpMessage = L"Vesk.StartedUp";

// TForm1, the main window: a borderless, always-on-top panel shaped and
// painted by the skin, with its command labels, status line, two buttons and
// desktop selector, the tray icon and its menu, the hotkeys, and the exit
// sequence that gives every hidden window back. It is the view of the desktop
// commands and of the recorder, and the host of their dialogs.
class MainForm : public engine::CommandHost, public engine::DesktopView, public recorder::RecorderView {
public:
    MainForm(App& app, HINSTANCE instance);
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    // Creates the hidden window (FormCreate); false when the window or the
    // settings could not be set up.
    bool Create();
    // Shows the window, running FormShow first: the first time the skin
    // set-up, every time the main password.
    void ShowForm();
    // A command from this start's own arguments (--start with a command),
    // carried out once start-up is done; its reply is printed.
    void RunAfterStartUp(const engine::RemoteCommand& command) { startCommand_ = command; }

    // CommandHost
    bool MainWindowVisible() override;
    void ShowMainWindow() override { ShowForm(); }
    void HideMainWindow() override;
    void CloseMainWindow() override;
    bool ExitNow() override;
    bool RunSettingsDialog() override;
    void RunKiller(engine::KillerMode mode) override;
    void RunWindowMoveDialog() override;
    void RunAbout() override;
    void SetTrayIconShown(bool shown) override;

    // DesktopView
    void DrawSelectorOutline(int desktop, bool current) override;
    void SetStatusText(const std::string& text) override;
    void SetIconsCommandCaption(const std::string& caption) override;
    void SetTaskbarCommandCaption(const std::string& caption) override;
    void SetMusicCommandCaption(const std::string& caption) override;
    void DesktopEntered(int desktop) override;

    // RecorderView
    std::string RecordCaption() override { return panel_.Caption(kRecordLabel); }
    void SetRecordCaptions(const std::string& label, const std::string& menuItem) override;
    std::string PlayCaption() override { return panel_.Caption(kPlayLabel); }
    void SetPlayCaptions(const std::string& label, const std::string& menuItem) override;
    std::optional<std::string> ChooseFileToRecord() override;
    std::optional<std::string> ChooseFileToPlay() override;
    void SendRecordDone() override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleMouse(UINT message, WPARAM wParam);

    bool FormCreate();
    bool FormShow();
    void FirstShowSetUp();
    void Close();
    void TrayMessage(UINT mouseMessage);
    void RunCommand(const CommandRequest& request);

    // Makes the panel's pictures at the display's scale and shapes the
    // window by them.
    void ScalePanel(platform::DisplayScale scale);
    // suggested: where the system would put the window, screen pixels.
    void DpiChanged(HWND window, int dpi, const RECT& suggested);

    void Paint(HDC target);
    void Redraw(const skin::Rect& area);
    void SetCommandCaption(int label, const char* menuItem, const std::string& labelCaption,
                           const std::string& menuCaption);
    void RedrawAll();
    // Desktop names wherever a desktop is shown, and the tray's number.
    void ShowDesktopTitles();
    // The tray's picture and tip for the current desktop; shown at once
    // while the icon is in the notification area, else kept for its Add.
    void ShowTrayDesktop();
    // Made only when the icon goes in: a start does not wait for it.
    void AddTrayIcon();

    App& app_;
    HINSTANCE instance_;
    engine::DesktopContext context_;
    recorder::Recorder recorder_;
    engine::MainCommands commands_;

    // The skin as loaded, in 96-DPI reference pixels, kept for a change of
    // display scale; the panel hit-tests and draws pictures_, made from it
    // at the window's scale.
    skin::TDeskSkin skin_;
    PanelPictures pictures_;
    MainPanelModel panel_;
    DeskMenuModel menuModel_;
    DeskMenu deskMenu_;

    std::optional<RegisteredWindowClass> windowClass_;
    std::optional<RegisteredWindowClass> ownerClass_;
    platform::win32::ScopedWindow appWindow_;  // the hidden owner: no taskbar button
    std::optional<TrayIcon> trayIcon_;
    // The tray's numbered pictures, desktop 1 first, each made when first shown.
    std::array<platform::win32::ScopedIcon, engine::kDesktopCount> trayPictures_;
    UINT taskbarCreatedMessage_ = 0;
    // Answered with 1 once the hotkeys are registered and desktop 1 holds
    // the windows on screen: how tools and benchmarks learn that the program
    // is ready for its hotkeys.
    UINT startedUpMessage_ = 0;
    bool startedUp_ = false;
    std::optional<engine::RemoteCommand> startCommand_;
    bool firstShow_ = true;
    bool trackingLeave_ = false;
    int tag_ = 0;  // 1: closing because the main password was refused
    // Last, so that it goes first: the messages its destruction sends still
    // find every other member.
    platform::win32::ScopedWindow window_;
};

}  // namespace vesk::ui
