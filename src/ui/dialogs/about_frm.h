#pragma once
#include "platform/win32/windows_api.h"

#include <string>

#include "platform/shell.h"
#include "image/rgb_image.h"
#include "ui/dialogs/about_model.h"
#include "ui/dialogs/skinned_dialog.h"
#include "ui/flat/flat_button.h"
#include "ui/flat/flat_label.h"
#include "ui/flat/gdi.h"

namespace vesk::ui {

// The About window: name, version, a picture and two links, on a white
// area framed in black. "&Ok" and the close glyph end it with Cancel,
// Escape with OK; its opener ignores the result.
class TAboutFrm final : public SkinnedDialog {
public:
    // scale: as SkinnedDialog's.
    TAboutFrm(HINSTANCE instance, platform::Shell& shell, std::optional<platform::DisplayScale> scale = std::nullopt);

    // Paints the title strip, keeping the frame's black line at its right end.
    void Prepare(const image::RgbImage* dialogImage);
    // Right edge on the main window's right edge, tops level.
    void PlaceBeside(HWND mainWindow);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool PreviewKey(const MSG& key) override;
    void ScaleChanged() override;

private:
    void CreateFonts();
    // Each label exactly as large as its one line of text, so that a link
    // reacts only over its text.
    void FitLabels();
    void FormPaint();
    // The link under a point of the client area, if any.
    const flat::TFlatLabel* LinkAt(POINT client) const;

    AboutModel model_;
    flat::ScopedFont nameFont_;
    flat::ScopedFont textFont_;
    flat::ScopedFont linkFont_;
    flat::TFlatLabel Label1;
    flat::TFlatLabel Label9;
    flat::TFlatLabel Label7;
    flat::TFlatLabel Label3;
    flat::TFlatLabel Label8;
    flat::TFlatLabel Label5;
    flat::TFlatButton FlatButton4;
};

// Runs the About window modally beside the main window.
void RunAboutWindow(HINSTANCE instance, HWND mainWindow, const image::RgbImage* dialogImage, platform::Shell& shell);

}  // namespace vesk::ui
