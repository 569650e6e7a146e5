#pragma once
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/prompt.h"

namespace vesk::testing {

// Answers questions from a script (Ok when the script runs out) and records
// what was asked.
class FakePrompt : public engine::Prompt {
public:
    struct Question {
        std::string message;
        bool withPasswordField;
        std::string expectedPassword;
    };

    engine::PromptResult Ask(const std::string& message, bool withPasswordField,
                             const std::string& expectedPassword) override {
        asked.push_back({message, withPasswordField, expectedPassword});
        if (whileOpen) std::exchange(whileOpen, nullptr)();
        if (answers.empty()) return engine::PromptResult::Ok;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    bool ShowWithNextTimeBox(const std::string& message, bool ticked) override {
        asked.push_back({message, false, {}});
        return untickNextTimeBox ? false : ticked;
    }

    std::deque<engine::PromptResult> answers;
    // Runs once while the next question is open, as messages dispatched by
    // its modal loop would.
    std::function<void()> whileOpen;
    bool untickNextTimeBox = false;
    std::vector<Question> asked;
};

}  // namespace vesk::testing
