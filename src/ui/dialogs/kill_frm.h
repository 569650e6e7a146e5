#pragma once
#include "platform/win32/windows_api.h"

#include "engine/control_desktop.h"
#include "engine/main_commands.h"
#include "platform/processes.h"
#include "platform/window_manager.h"
#include "image/rgb_image.h"
#include "ui/dialogs/hint_tips.h"
#include "ui/dialogs/kill_model.h"
#include "ui/dialogs/skinned_dialog.h"
#include "ui/flat/flat_button.h"
#include "ui/flat/flat_check_list_box.h"
#include "ui/flat/gdi.h"

namespace vesk::ui {

// The process and window killer: KillModel's rows in a check list with the
// action, refresh, select-all and back buttons. Created for one modal run in
// the mode the caller chose; the caller collects the windows it lists.
class TKillFrm final : public SkinnedDialog {
public:
    enum ControlId : int { kListPro = 100, kBtnClose, kBtnRefresh, kFlatButton2, kFlatButton4 };

    // scale: as SkinnedDialog's.
    TKillFrm(HINSTANCE instance, engine::TControlDesktop& state, platform::WindowManager& windows,
             platform::Processes& processes, engine::KillerMode mode,
             std::optional<platform::DisplayScale> scale = std::nullopt);

    // Paints the title strip and gives the list the hint of the mode's rows.
    void Prepare(const image::RgbImage* dialogImage);

protected:
    // Lists the processes or windows of the mode.
    void FormShow() override;
    void ScaleChanged() override;

private:
    void BtnCloseClick();
    void BtnRefreshClick();
    void FlatButton2Click();
    // The ticks the user set, into the model.
    void ReadTicks();
    // The model's rows, ticks, captions and states, into the controls.
    void ShowModel();

    KillModel model_;
    flat::ScopedFont listFont_;
    flat::TFlatCheckListBox ListPro;
    flat::TFlatButton BtnClose;
    flat::TFlatButton BtnRefresh;
    flat::TFlatButton FlatButton2;
    flat::TFlatButton FlatButton4;
    HintTips hints_;
};

// Runs the killer modally in the given mode, centred on the screen.
void RunKiller(HINSTANCE instance, const image::RgbImage* dialogImage, engine::TControlDesktop& state,
               platform::WindowManager& windows, platform::Processes& processes, engine::KillerMode mode);

}  // namespace vesk::ui
