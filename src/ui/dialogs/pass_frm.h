#pragma once
#include "platform/win32/windows_api.h"

#include <optional>
#include <string>

#include "engine/prompt.h"
#include "image/rgb_image.h"
#include "ui/dialogs/pass_model.h"
#include "ui/dialogs/skinned_dialog.h"
#include "ui/flat/flat_button.h"
#include "ui/flat/flat_check_box.h"
#include "ui/flat/flat_edit.h"
#include "ui/flat/flat_label.h"
#include "ui/flat/gdi.h"

namespace vesk::ui {

// The password prompt, also the program's message and confirmation box.
// One instance serves many questions: Prepare sets each one up, ShowModal
// (or Ask / ShowWithNextTimeBox) runs it.
class TPassFrm final : public SkinnedDialog, public engine::Prompt {
public:
    // titleImage: the skin's dialog image for Ask and ShowWithNextTimeBox;
    // it may still be empty (the skin loads later) or null: a plain strip.
    // scale: as SkinnedDialog's.
    TPassFrm(HINSTANCE instance, const image::RgbImage* titleImage,
             std::optional<platform::DisplayScale> scale = std::nullopt);

    // Paints the strip from titleImage, shows the message, stores the
    // expected password, shows or hides the (emptied) password field and
    // the "Show Next Time" box, and ticks the box or not.
    void Prepare(const image::RgbImage* titleImage, const std::string& message,
                 const std::string& expectedPassword, bool fieldVisible, bool boxVisible,
                 bool boxTicked);
    // The "Show Next Time" box as the user left it; valid until the next Prepare.
    bool NextTimeTicked() const { return CheckNext.Checked(); }

    // While the prompt is already showing, a further question is refused
    // (Cancel, box state unchanged) rather than overwriting the first.
    engine::PromptResult Ask(const std::string& message, bool withPasswordField,
                             const std::string& expectedPassword) override;
    bool ShowWithNextTimeBox(const std::string& message, bool ticked) override;
    // A line of text, at most `longest` characters, starting as `initial`;
    // nullopt when cancelled or while the prompt is already showing.
    std::optional<std::string> AskText(const std::string& message, const std::string& initial, int longest);

protected:
    bool PreviewKey(const MSG& key) override;
    void FormShow() override;
    void ScaleChanged() override;

private:
    void FlatButton2Click();
    void ShowRetryMessage();
    // The model's question on the controls; longest: the field's limit in
    // UTF-16 units, 0 for none.
    void ShowQuestion(int longest);

    const image::RgbImage* titleImage_;
    std::optional<platform::DisplayScale> givenScale_;  // for the retry prompt
    PassModel model_;
    flat::ScopedFont labelFont_;
    flat::TFlatLabel Label1;
    flat::TFlatEdit FlatEdit1;
    flat::TFlatButton FlatButton2;
    flat::TFlatButton FlatButton4;
    flat::TFlatCheckBox CheckNext;
};

}  // namespace vesk::ui
