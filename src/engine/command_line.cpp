#include "engine/command_line.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "engine/control_desktop.h"

namespace vesk::engine {
namespace {

struct Option {
    const char* name;
    RemoteAction action;
    enum class Takes { Nothing, Desktop, File } takes;
};

constexpr Option kOptions[] = {
    {"--desktop", RemoteAction::Desktop, Option::Takes::Desktop},
    {"--next", RemoteAction::Next, Option::Takes::Nothing},
    {"--previous", RemoteAction::Previous, Option::Takes::Nothing},
    {"--move-window", RemoteAction::MoveWindow, Option::Takes::Desktop},
    {"--copy-window", RemoteAction::CopyWindow, Option::Takes::Desktop},
    {"--record", RemoteAction::Record, Option::Takes::File},
    {"--play", RemoteAction::Play, Option::Takes::File},
    {"--stop", RemoteAction::Stop, Option::Takes::Nothing},
    {"--show", RemoteAction::Show, Option::Takes::Nothing},
    {"--hide", RemoteAction::Hide, Option::Takes::Nothing},
    {"--exit", RemoteAction::Exit, Option::Takes::Nothing},
    {"--current", RemoteAction::Current, Option::Takes::Nothing},
};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

CommandLine Bad(std::string error) {
    CommandLine result;
    result.kind = CommandLine::Kind::Bad;
    result.error = std::move(error);
    return result;
}

std::optional<int> DesktopNumber(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < 1 || value > kDesktopCount) return std::nullopt;
    return value;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine result;
    bool haveCommand = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string option = Lower(arguments[i]);
        if (option == "--help" || option == "-h" || option == "/?") {
            result.kind = CommandLine::Kind::Help;
            return result;
        }
        if (option == "--start") {
            result.start = true;
            continue;
        }
        const auto known = std::find_if(std::begin(kOptions), std::end(kOptions),
                                        [&](const Option& o) { return option == o.name; });
        if (known == std::end(kOptions)) return Bad("unknown argument \"" + arguments[i] + "\"");
        if (haveCommand) return Bad("one command at a time: \"" + arguments[i] + "\" follows another");
        haveCommand = true;
        result.command.action = known->action;
        if (known->takes == Option::Takes::Nothing) continue;
        if (i + 1 >= arguments.size()) {
            return Bad(std::string(known->name) +
                       (known->takes == Option::Takes::Desktop ? " needs a desktop number" : " needs a file name"));
        }
        const std::string& value = arguments[++i];
        if (known->takes == Option::Takes::Desktop) {
            const auto desktop = DesktopNumber(value);
            if (!desktop) {
                return Bad(std::string(known->name) + " takes a desktop number from 1 to " +
                           std::to_string(kDesktopCount) + ", not \"" + value + "\"");
            }
            result.command.desktop = *desktop;
        } else {
            if (value.empty()) return Bad(std::string(known->name) + " needs a file name");
            result.command.file = value;
        }
    }
    if (haveCommand) result.kind = CommandLine::Kind::Command;
    else if (result.start) result.kind = CommandLine::Kind::Start;
    return result;
}

std::vector<std::string> CommandArguments(const RemoteCommand& command) {
    const auto option = std::find_if(std::begin(kOptions), std::end(kOptions),
                                     [&](const Option& o) { return o.action == command.action; });
    std::vector<std::string> arguments{option->name};
    if (option->takes == Option::Takes::Desktop) arguments.push_back(std::to_string(command.desktop));
    if (option->takes == Option::Takes::File) arguments.push_back(command.file);
    return arguments;
}

const char* UsageText() {
    return "Usage: Vesk.exe [--start] [COMMAND]\n"
           "Without arguments Vesk starts, or ends at once when it is running already.\n"
           "A command is carried out by the running copy:\n"
           "  --desktop N        switch to desktop N (1-9); passwords are asked as for its hotkey\n"
           "  --next             switch to the next desktop (after 9 comes 1)\n"
           "  --previous         switch to the previous desktop (before 1 comes 9)\n"
           "  --move-window N    move the foreground window to desktop N\n"
           "  --copy-window N    copy the foreground window to desktop N\n"
           "  --record FILE      record the keyboard and mouse into FILE\n"
           "  --play FILE        play FILE back\n"
           "  --stop             stop recording or playing\n"
           "  --show, --hide     show or hide the main window\n"
           "  --exit             exit as from the menu, giving every window back\n"
           "  --current          print the current desktop's number and name\n"
           "  --start            with no running copy, start one (then carry the command out)\n"
           "  --help             print this text\n"
           "Exit status: 0 done, 1 not done (refused, cancelled or busy), 2 bad arguments,\n"
           "3 Vesk is not running.\n";
}

}  // namespace vesk::engine
