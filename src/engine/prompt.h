#pragma once
#include <string>

namespace vesk::engine {

enum class PromptResult { Ok = 1, Cancel = 2 };

// The program's one question, confirmation and message box. With the password
// field shown it answers Ok only once the expected password was typed exactly.
class Prompt {
public:
    virtual ~Prompt() = default;
    virtual PromptResult Ask(const std::string& message, bool withPasswordField,
                             const std::string& expectedPassword) = 0;
    // A message with the "Show Next Time" box, ticked as given; the answer is
    // the box's state when the prompt closes.
    virtual bool ShowWithNextTimeBox(const std::string& message, bool ticked) = 0;
};

}  // namespace vesk::engine
