#pragma once
#include <string>
#include <utility>

namespace vesk::ui {

// What the password prompt does, apart from drawing: it holds one question
// at a time and decides what OK and the keys Enter and Esc lead to.
class PassModel {
public:
    static constexpr const char* kRetryMessage = "You Can't pass,Please Enter Again!";

    enum class Key { Enter, Escape, Other };
    enum class Action {
        None,        // the key goes on to the control that has the focus
        RunOk,       // as if "&Ok" was pressed
        CloseOk,     // the prompt closes with OK
        CloseCancel, // the prompt closes with Cancel
        Retry,       // the retry message is shown; the prompt stays open
    };

    // A new question; the field starts empty.
    void Prepare(std::string message, std::string expectedPassword, bool fieldVisible,
                 bool boxVisible, bool boxTicked);
    // A question for a line of text (a desktop's name): the field shows
    // what is typed, starts with `initial`, and OK takes any text.
    void PrepareTextEntry(std::string message, std::string initial);
    bool textEntry() const { return textEntry_; }

    // The "&Ok" button.
    Action Ok() const;
    // Keys are seen before the focused control gets them.
    Action KeyDown(Key key, bool fieldFocused) const;

    const std::string& message() const { return message_; }
    // The password field's text (UTF-8).
    const std::string& typed() const { return typed_; }
    void setTyped(std::string typed) { typed_ = std::move(typed); }
    bool fieldVisible() const { return fieldVisible_; }
    bool boxVisible() const { return boxVisible_; }
    bool boxTicked() const { return boxTicked_; }
    void setBoxTicked(bool ticked) { boxTicked_ = ticked; }

private:
    std::string message_ = "Password";
    std::string expected_;
    std::string typed_;
    bool fieldVisible_ = true;
    bool boxVisible_ = false;
    bool boxTicked_ = true;
    bool textEntry_ = false;
};

}  // namespace vesk::ui
