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

    // The items of the lists, in index order. A desktop's item carries its
    // name, and follows a rename.
    std::vector<std::string> ComDesktopItems;
    const std::vector<std::string> ComTileWallItems;
    const std::vector<std::string> ComEnterHotItems;
    const std::vector<std::string> ComMainItems;
    const std::vector<std::string> ComParaItems;
    const std::vector<std::string> ComRecordItems;
    const std::vector<std::string> ComPlayItems;

    SettingControls Controls;
    // The working copy of the settings; the live record changes only when OK
    // takes it over.
    const engine::StoredSettings& Copy() const { return copy_; }
    int CurDesk() const { return curDesk_; }  // the desktop whose page is on screen

    // The copy takes the live settings (the opener calls it once, after the
    // form's Prepare).
    void LoadCopy();

    // The name of the desktop on the page, and a new one for it (cut to
    // the longest a name may be); the desktop list follows.
    const std::string& DesktopName() const { return copy_.Desktop(curDesk_).Name; }
    void RenameDesktop(const std::string& name);

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
    struct ImportFailure {
        int desktop = 0;
        std::string message;
    };
    // Writes the copy into the live record, importing each changed wallpaper
    // first; when an import fails nothing live changes.
    std::optional<ImportFailure> StoreCopy();
    void Message(const std::string& text);
    void TryRegisterHotkeys();
    void ShowPage(int desktop);
    void ShowMoveAndCopyKeys(int item);  // item of ComEnterHot, -1 for none

    engine::TControlDesktop& live_;
    platform::Services& system_;
    engine::Prompt& prompt_;
    engine::StoredSettings copy_;
    int desktopCount_ = engine::kDesktopCount;
    int curDesk_ = 1;
};

}  // namespace vesk::ui
