#pragma once
#include "platform/win32/windows_api.h"

#include <functional>
#include <string>

#include "engine/control_desktop.h"
#include "platform/services.h"
#include "image/rgb_image.h"
#include "ui/dialogs/pass_frm.h"
#include "ui/dialogs/hint_tips.h"
#include "ui/dialogs/setting_frm_label.h"
#include "ui/dialogs/setting_model.h"
#include "ui/dialogs/skinned_dialog.h"
#include "ui/flat/flat_button.h"
#include "ui/flat/flat_check_box.h"
#include "ui/flat/flat_combo_box.h"
#include "ui/flat/flat_edit.h"
#include "ui/flat/flat_label.h"
#include "ui/flat/flat_panel.h"
#include "ui/flat/flat_spin_edit.h"

namespace vesk::ui {

// Control ids of the settings dialog, for GetDlgItem.
enum class SettingId : int {
    ComDesktop = 1001,
    EdtWall,
    FlatButton2,
    ComTileWall,
    CheckPass,
    PanelDesk,
    EdtPass,
    CheckEnter,
    CheckExit,
    LabHot0,
    ComEnterHot,
    EdtMove,
    EdtCopy,
    CheckIcons,
    CheckTray,
    CheckMusic,
    LabHot1,
    ComMain,
    EdtMainPass,
    CheckSystem,
    CheckExitMain,
    LabHot2,
    ComPara,
    EdtSettingPass,
    LabHot3,
    ComRecord,
    LabHot4,
    ComPlay,
    CheckHelp,
    CheckHide,
    CheckAutoRun,
    CheckSaveIni,
    SPMaxSize,
    FlatButton3,
    FlatButton4,
    BtnName,
};

// TSettingFrm, the settings dialog: the controls of every setting, bound to
// SettingModel, which makes every decision. Each control event copies the
// page's controls into the model, runs the model's handler and shows the
// model's controls again. The model's messages go to the dialog's own
// prompt, whose title strip is the dialog's.
class TSettingFrm final : public SkinnedDialog {
public:
    // live.MainWindowHandle: the window whose hotkeys the opener has
    // unregistered; OK tries the new set on it. scale: as SkinnedDialog's,
    // shared with the dialog's prompt.
    TSettingFrm(HINSTANCE instance, engine::TControlDesktop& live, platform::Services& system,
                std::optional<platform::DisplayScale> scale = std::nullopt);

    // Paints the strip from the picture (null or empty: a plain strip) and
    // fills the desktop hotkey list.
    void Prepare(const image::RgbImage* titleImage);
    // The copy takes the live settings (once, before ShowModal).
    void LoadCopy() { model_.LoadCopy(); }

protected:
    void FormShow() override;

private:
    // Runs a model handler between taking the page in and showing the result.
    void Handle(const std::function<void()>& handler);
    void TakePageControls();
    void ShowControls();
    void FlatButton2Click();
    void BtnNameClick();
    void FlatButton3Click();
    void BindHandlers();
    void AddHints();

    image::RgbImage titlePicture_;  // the painted strip, the prompt's title
    TPassFrm prompt_;
    SettingModel model_;
    bool showingControls_ = false;  // the form itself is changing controls

    // The page of one desktop.
    flat::TFlatLabel Label1;
    flat::TFlatComboBox ComDesktop;
    flat::TFlatButton BtnName;
    flat::TFlatLabel Label3;
    flat::TFlatComboBox ComTileWall;
    flat::TFlatLabel Label2;
    flat::TFlatEdit EdtWall;
    flat::TFlatButton FlatButton2;
    HotkeyGroupLabel LabHot0;
    flat::TFlatComboBox ComEnterHot;
    flat::TFlatLabel LabHot12;
    flat::TFlatEdit EdtMove;
    flat::TFlatLabel LabHot13;
    flat::TFlatEdit EdtCopy;
    flat::TFlatCheckBox CheckPass;
    flat::TFlatEdit EdtPass;
    flat::TFlatCheckBox CheckEnter;
    flat::TFlatCheckBox CheckExit;
    flat::TFlatCheckBox CheckIcons;
    flat::TFlatCheckBox CheckTray;
    flat::TFlatCheckBox CheckMusic;

    // The program-wide settings.
    HotkeyGroupLabel LabHot1;
    flat::TFlatComboBox ComMain;
    flat::TFlatLabel Label8;
    flat::TFlatEdit EdtMainPass;
    flat::TFlatCheckBox CheckSystem;
    flat::TFlatLabel Label12;
    flat::TFlatCheckBox CheckExitMain;
    HotkeyGroupLabel LabHot2;
    flat::TFlatComboBox ComPara;
    flat::TFlatLabel Label10;
    flat::TFlatEdit EdtSettingPass;
    HotkeyGroupLabel LabHot3;
    HotkeyGroupLabel LabHot4;
    flat::TFlatComboBox ComRecord;
    flat::TFlatComboBox ComPlay;
    flat::TFlatCheckBox CheckHelp;
    flat::TFlatCheckBox CheckAutoRun;
    flat::TFlatCheckBox CheckHide;
    flat::TFlatCheckBox CheckSaveIni;
    flat::TFlatLabel Label4;
    flat::TFlatSpinEditInteger SPMaxSize;
    flat::TFlatLabel Label5;
    flat::TFlatButton FlatButton3;
    flat::TFlatButton FlatButton4;

    // Frames, beneath the controls they hold: inner ones above outer ones.
    flat::TFlatGroupBox FlatGroupBox2;
    flat::TFlatPanel PanelDesk;
    flat::TFlatGroupBox FlatGroupBox1;
    flat::TFlatGroupBox FlatGroupBox4;
    flat::TFlatGroupBox FlatGroupBox5;
    flat::TFlatGroupBox FlatGroupBox6;
    flat::TFlatGroupBox FlatGroupBox3;

    HintTips hints_;
};

// Runs the settings dialog once over the live settings: the opener has
// asked the settings password and unregistered the hotkeys of
// live.MainWindowHandle. dialogImage: the skin's title picture (null or
// empty: a plain strip). True when OK stored the new settings into `live`;
// Cancel, Esc and the close glyph leave it untouched.
bool RunSettingsDialog(HINSTANCE instance, HWND owner, const image::RgbImage* dialogImage,
                       engine::TControlDesktop& live, platform::Services& system);

}  // namespace vesk::ui
