#pragma once
#include <string>

namespace vesk::ui {

// Writes UTF-8 text where the user who started the program can read it: the
// standard output (or error) it was given, a file or a pipe, or else the
// console of the program that started it. False when there is neither, as
// for a start from a shortcut.
bool PrintForUser(const std::string& text, bool isError);

// As PrintForUser; without any console the text comes in a message box, for
// the usage and for arguments that could not be understood.
void PrintOrShow(const std::string& text, bool isError);

}  // namespace vesk::ui
