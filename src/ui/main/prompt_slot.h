#pragma once
#include <memory>

#include "engine/prompt.h"

namespace vesk::ui {

// The shared prompt as the commands see it. It holds the prompt window from
// before the settings are loaded until the exit sequence releases it; a
// question asked after that is answered with Cancel, and a message box with
// its box as it was.
class PromptSlot : public engine::Prompt {
public:
    explicit PromptSlot(std::unique_ptr<engine::Prompt> prompt) : prompt_(std::move(prompt)) {}

    engine::PromptResult Ask(const std::string& message, bool withPasswordField,
                             const std::string& expectedPassword) override {
        if (!prompt_) return engine::PromptResult::Cancel;
        return prompt_->Ask(message, withPasswordField, expectedPassword);
    }
    bool ShowWithNextTimeBox(const std::string& message, bool ticked) override {
        return prompt_ ? prompt_->ShowWithNextTimeBox(message, ticked) : ticked;
    }

    void Release() { prompt_.reset(); }

private:
    std::unique_ptr<engine::Prompt> prompt_;
};

}  // namespace vesk::ui
