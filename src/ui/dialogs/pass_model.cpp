#include "ui/dialogs/pass_model.h"

#include <utility>

namespace vesk::ui {

void PassModel::Prepare(std::string message, std::string expectedPassword, bool fieldVisible,
                        bool boxVisible, bool boxTicked) {
    message_ = std::move(message);
    expected_ = std::move(expectedPassword);
    typed_.clear();
    fieldVisible_ = fieldVisible;
    boxVisible_ = boxVisible;
    boxTicked_ = boxTicked;
    textEntry_ = false;
}

void PassModel::PrepareTextEntry(std::string message, std::string initial) {
    Prepare(std::move(message), {}, true, false, false);
    typed_ = std::move(initial);
    textEntry_ = true;
}

PassModel::Action PassModel::Ok() const {
    if (!fieldVisible_ || textEntry_) return Action::CloseOk;
    // Byte for byte: no case folding, no trimming; an empty password matches
    // only an empty field.
    return typed_ == expected_ ? Action::CloseOk : Action::Retry;
}

PassModel::Action PassModel::KeyDown(Key key, bool fieldFocused) const {
    switch (key) {
    case Key::Escape:
        return Action::CloseCancel;
    case Key::Enter:
        // With the field shown, Enter belongs to the field: elsewhere it is
        // the focused control's own key (a focused button presses itself).
        if (!fieldVisible_ || fieldFocused) return Action::RunOk;
        return Action::None;
    case Key::Other:
        break;
    }
    return Action::None;
}

}  // namespace vesk::ui
