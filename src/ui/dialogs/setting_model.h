#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/control_desktop.h"
#include "engine/hotkeys.h"
#include "engine/prompt.h"
#include "platform/services.h"

namespace vesk::ui {

// One desktop's page of the settings dialog's working copy.
struct TempDesktop {
    std::string Wallpaper;     // empty: none
    std::uint8_t TileWall = 0;  // 0 "Center", 1 "Stretch", 2 "Tile"
    std::uint8_t Forwhat = 0;   // 0 nothing, 1 entering, 2 leaving, 3 both
    std::string Password;
    bool ProgWnd = true;
    bool TrayWnd = true;
    bool Volume = true;
    engine::HotkeyCode DesktopHot{engine::kModCtrl, 0};
};

// The settings dialog's complete working copy; the live record changes only
// when OK takes it over.
struct TTempDesktopSet {
    std::int32_t CurDesk = 1;  // the desktop whose page is on screen
    std::int32_t DesktopNum = engine::kDesktopCount;
    std::array<TempDesktop, engine::kDesktopCount> Desktops;
    TempDesktop& Desktop(int n) { return Desktops.at(static_cast<std::size_t>(n - 1)); }
    const TempDesktop& Desktop(int n) const { return Desktops.at(static_cast<std::size_t>(n - 1)); }

    bool AutoRun = true;
    bool UseControlPassword = true;
    bool ShowHelp = true;
    bool RecordHint = true;
    bool ShowIcon = true;
    std::string ControlPassword;
    bool ExitMainWindow = true;
    std::string SettingPassword;
    engine::HotkeyCode MainWindowHot, SettingHot, RecordHot, PlayHot;
    std::int64_t MaxSize = 2048;  // kilobytes

    // What the test registration tries.
    engine::HotkeySet Hotkeys() const;
};

enum class CopyDirection { Load, Store };

// Tags of the controls that share a handler.
enum class PasswordField { Main = 0, Setting = 1 };  // EdtMainPass, EdtSettingPass
enum class CommonCheck { AutoRun = 2, RecordHint = 3, ShowHelp = 4, ShowIcon = 5 };  // CheckAutoRun, CheckSaveIni, CheckHelp, CheckHide

// The state of the dialog's controls. Indexes count from 0; -1 is "no
// selection".
struct SettingControls {
    // The page of one desktop.
    int ComDesktop = -1;  // "Vesk 1" … "Vesk 9"
    std::string EdtWall;
    int ComTileWall = 0;
    bool CheckPass = false;
    bool PanelDeskEnabled = false;
    std::string EdtPass;
    bool CheckEnter = false;
    bool CheckExit = false;
    int ComEnterHot = -1;
    std::string EdtMove;  // read-only
    std::string EdtCopy;  // read-only
    bool CheckIcons = false;
    bool CheckTray = false;
    bool CheckMusic = false;

    // Program-wide settings.
    int ComMain = -1;
    int ComPara = -1;
    int ComRecord = -1;
    int ComPlay = -1;
    std::string EdtMainPass;
    std::string EdtSettingPass;
    bool CheckSystem = false;
    bool CheckExitMain = false;
    bool CheckHelp = false;
    bool CheckHide = false;
    bool CheckAutoRun = false;
    bool CheckSaveIni = false;
    int SPMaxSize = 2048;  // kilobytes

    // LabHot0 … LabHot4 (desktop keys, main window, settings, record, play):
    // red while the last registration failed for that group.
    std::array<bool, engine::kHotkeyGroupCount> LabHotConflict{};
};

inline constexpr int kMaxSizeLowest = 1;
inline constexpr int kMaxSizeHighest = 10240;
inline constexpr const char* kWallpaperFilter = "Picture (*.Bmp;*.jpg;*.jpeg)|*.Bmp;*.jpg;*.jpeg";

// The decisions of the settings dialog (TSettingFrm). The form copies control
// values into `Controls`, calls the handler of the control that changed, and
// shows `Controls` again afterwards. Messages go to the dialog's own prompt.
//
// The form writes these page fields directly; StorePage reads them when the
// page is left or OK is pressed: EdtWall, ComTileWall, EdtPass, CheckEnter,
// CheckExit, CheckIcons, CheckTray, CheckMusic.
//
// Cancel, the close glyph and Esc just drop the model: only a successful
// FlatButton3Click writes the live record.
class SettingModel {
public:
    // The test registration uses live.MainWindowHandle, whose hotkeys the
    // opener has unregistered.
    SettingModel(engine::TControlDesktop& live, platform::Services& system, engine::Prompt& prompt);

    // The items of the lists, in index order.
    const std::vector<std::string> ComDesktopItems;
    const std::vector<std::string> ComTileWallItems;
    const std::vector<std::string> ComEnterHotItems;
    const std::vector<std::string> ComMainItems;
    const std::vector<std::string> ComParaItems;
    const std::vector<std::string> ComRecordItems;
    const std::vector<std::string> ComPlayItems;

    SettingControls Controls;
    const TTempDesktopSet& Copy() const { return copy_; }

    // Load fills the copy from the live record (the opener calls it once,
    // after the form's Prepare). Store writes the copy into the live record,
    // importing each changed wallpaper first; when an import fails nothing
    // live changes and the failure is returned.
    struct ImportFailure {
        int desktop = 0;
        std::string message;
    };
    std::optional<ImportFailure> CopySettings(CopyDirection direction);

    void LoadControls();
    void LoadPage(int desktop);
    // Takes the page into the copy for CurDesk; empty, or why the page
    // cannot be left.
    std::string StorePage();
    // Shows the pending conflict message of the last hotkey registration and
    // marks the groups; true when there was none.
    bool ShowConflicts();

    void FormShow();
    void ComDesktopClick(int index);
    // chosenFile: the open-file dialog's answer; empty when cancelled.
    void FlatButton2Click(const std::string& chosenFile);
    void CheckPassClick(bool ticked);
    void ComEnterHotChange(int index);
    void ComMainClick(int index);
    void ComParaClick(int index);
    void ComRecordClick(int index);
    void ComPlayClick(int index);
    void EdtMainPassChange(PasswordField field, const std::string& text);
    void CheckSystemClick(bool ticked);
    void CheckExitMainClick(bool ticked);
    void CheckThreeClick(CommonCheck box, bool ticked);
    void SPMaxSizeChange(const std::string& text);
    // OK: true when the dialog closes with OK, the live record then holding
    // the copy.
    bool FlatButton3Click();

    // Background colour of LabHot0 … LabHot4 (COLORREF: red or white).
    std::uint32_t LabHotColour(int group) const;

private:
    void Message(const std::string& text);
    void TryRegisterHotkeys();
    void ShowPage(int desktop);
    void ShowMoveAndCopyKeys(int item);  // item of ComEnterHot, -1 for none

    engine::TControlDesktop& live_;
    platform::Services& system_;
    engine::Prompt& prompt_;
    TTempDesktopSet copy_;
};

}  // namespace vesk::ui
