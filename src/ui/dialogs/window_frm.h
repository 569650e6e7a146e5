#pragma once
#include "platform/win32/windows_api.h"

#include "engine/control_desktop.h"
#include "engine/hidden_windows.h"
#include "platform/window_manager.h"
#include "image/rgb_image.h"
#include "ui/dialogs/hint_tips.h"
#include "ui/dialogs/skinned_dialog.h"
#include "ui/dialogs/window_move_model.h"
#include "ui/flat/flat_button.h"
#include "ui/flat/flat_combo_box.h"
#include "ui/flat/flat_edit.h"
#include "ui/flat/flat_label.h"
#include "ui/flat/flat_list_box.h"
#include "ui/flat/flat_panel.h"

namespace vesk::ui {

// The window move and copy dialog: the current desktop's windows above, a
// chosen desktop's below, Copy and Cut for each direction. WindowMoveModel
// decides; every change reaches the desktop lists at once, and Cancel (or
// the close glyph) puts them back. Escape ends the dialog keeping them.
class TWindowFrm final : public SkinnedDialog {
public:
    enum ControlId : int {
        kEdtCurrent = 100,
        kListFrom,
        kComDesktops,
        kBtnCopy,
        kBtnCut,
        kFlatButton2,  // Copy up
        kFlatButton3,  // Cut up
        kListTo,
        kFlatButton4,  // OK
        kFlatButton5,  // Cancel
    };

    // scale: as SkinnedDialog's.
    TWindowFrm(HINSTANCE instance, engine::TControlDesktop& state, platform::WindowManager& windows,
               engine::HiddenWindowJournal& journal, std::optional<platform::DisplayScale> scale = std::nullopt);

    // Paints the title strip, lists the current desktop's windows and the
    // other desktops, and takes the snapshot that Cancel restores.
    void Prepare(const image::RgbImage* dialogImage);

protected:
    bool PreviewKey(const MSG& key) override;
    void FormShow() override;
    void CloseButtonClick() override;

private:
    void ComDesktopsChange();
    void BtnCopyClick(TransferKind kind);
    void FlatButton2Click(TransferKind kind);
    void FlatButton5Click();
    // The model's texts, rows and selections, into the controls.
    void ShowModel();

    WindowMoveModel model_;
    flat::TFlatLabel LabStatus;
    flat::TFlatEdit EdtCurrent;
    flat::TFlatLabel Label2;
    flat::TFlatListBox ListFrom;
    flat::TFlatLabel Label1;
    flat::TFlatComboBox ComDesktops;
    flat::TFlatGroupBox downward_;
    flat::TFlatButton BtnCopy;
    flat::TFlatButton BtnCut;
    flat::TFlatGroupBox upward_;
    flat::TFlatButton FlatButton2;
    flat::TFlatButton FlatButton3;
    flat::TFlatListBox ListTo;
    flat::TFlatButton FlatButton4;
    flat::TFlatButton FlatButton5;
    HintTips hints_;
};

// Runs the dialog modally, centred on the screen, on the current desktop's
// window list as the caller collected it.
void RunWindowMoveDialog(HINSTANCE instance, const image::RgbImage* dialogImage, engine::TControlDesktop& state,
                         platform::WindowManager& windows, engine::HiddenWindowJournal& journal);

}  // namespace vesk::ui
