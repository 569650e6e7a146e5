#include "ui/main/program_arguments.h"

#include "platform/win32/windows_api.h"

#include "platform/win32/late_calls.h"
#include "platform/win32/utf.h"

namespace vesk::ui {
namespace {

// What follows the program's name on the command line, which Windows writes
// first: in quotes when it has spaces, else up to the first space or tab.
const wchar_t* AfterProgramName(const wchar_t* line) {
    if (*line == L'"') {
        ++line;
        while (*line && *line != L'"') ++line;
        if (*line) ++line;
    } else {
        while (*line && *line != L' ' && *line != L'\t') ++line;
    }
    while (*line == L' ' || *line == L'\t') ++line;
    return line;
}

}  // namespace

std::vector<std::string> ProgramArguments() {
    const wchar_t* line = GetCommandLineW();
    // A plain start (by far the most common) never loads shell32 for the
    // splitting: that library costs a start tens of milliseconds under Wine.
    if (*AfterProgramName(line) == L'\0') return {};
    int count = 0;
    LPWSTR* split = platform::win32::late::CommandLineToArgvW(line, &count);
    if (!split) return {};
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(platform::win32::Narrow(split[i]));
    LocalFree(split);
    return arguments;
}

}  // namespace vesk::ui
