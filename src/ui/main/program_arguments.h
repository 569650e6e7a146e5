#pragma once
#include <string>
#include <vector>

namespace vesk::ui {

// The arguments the program was started with, in UTF-8, without its own
// name; empty for a start without any.
std::vector<std::string> ProgramArguments();

}  // namespace vesk::ui
