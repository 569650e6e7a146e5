#pragma once
#include <optional>
#include <string>
#include <vector>

namespace vesk::engine {

// What a second start asks of the running copy.
enum class RemoteAction { Desktop, Next, Previous, MoveWindow, CopyWindow, Record, Play, Stop, Show, Hide, Exit, Current };

struct RemoteCommand {
    RemoteAction action = RemoteAction::Current;
    int desktop = 0;   // 1..9, for Desktop, MoveWindow and CopyWindow
    std::string file;  // for Record and Play
    bool operator==(const RemoteCommand&) const = default;
};

// Exit statuses of a start with arguments.
inline constexpr int kCommandDone = 0;
inline constexpr int kCommandNotDone = 1;     // refused, cancelled, or nothing to do it on
inline constexpr int kCommandBadArguments = 2;
inline constexpr int kCommandNoRunningCopy = 3;

struct CommandLine {
    enum class Kind {
        None,     // no arguments: start as always
        Help,     // --help
        Start,    // --start alone
        Command,  // a command, perhaps with --start
        Bad,      // error says why
    };
    Kind kind = Kind::None;
    bool start = false;  // --start: with no running copy, start one (and carry the command out there)
    RemoteCommand command;
    std::string error;
};

// The program's arguments, without the program's own name. Options are
// matched without regard to case, as Windows users expect.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The arguments that carry a command to the running copy, which parses them
// again: what arrives from another process is checked where it is used.
std::vector<std::string> CommandArguments(const RemoteCommand& command);

// The text --help prints.
const char* UsageText();

struct RemoteReply {
    int status = kCommandDone;
    std::string text;  // printed by the second start; a line, or empty
};

}  // namespace vesk::engine
