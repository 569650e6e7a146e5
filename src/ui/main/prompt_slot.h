#pragma once
#include <functional>
#include <memory>

#include "engine/prompt.h"

namespace vesk::ui {

// The shared prompt as the commands see it. The prompt window is made at the
// first question rather than at start (making it was a fifth of a start
// under Wine, and most starts ask nothing) and kept until the exit sequence
// releases it; a question asked after that is answered with Cancel, and a
// message box with its box as it was.
class PromptSlot : public engine::Prompt {
public:
    using Factory = std::function<std::unique_ptr<engine::Prompt>()>;
    explicit PromptSlot(Factory make) : make_(std::move(make)) {}

    engine::PromptResult Ask(const std::string& message, bool withPasswordField,
                             const std::string& expectedPassword) override {
        engine::Prompt* prompt = Open();
        if (!prompt) return engine::PromptResult::Cancel;
        return prompt->Ask(message, withPasswordField, expectedPassword);
    }
    bool ShowWithNextTimeBox(const std::string& message, bool ticked) override {
        engine::Prompt* prompt = Open();
        return prompt ? prompt->ShowWithNextTimeBox(message, ticked) : ticked;
    }

    void Release() {
        released_ = true;
        prompt_.reset();
    }

private:
    engine::Prompt* Open() {
        if (!prompt_ && !released_) prompt_ = make_();
        return prompt_.get();
    }

    Factory make_;
    std::unique_ptr<engine::Prompt> prompt_;
    bool released_ = false;
};

}  // namespace vesk::ui
