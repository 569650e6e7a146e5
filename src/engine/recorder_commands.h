#pragma once
#include <string>

namespace vesk::engine {

// What the commands ask of the keyboard and mouse recorder, which is built
// on the engine and so cannot be known to it by name.
class RecorderCommands {
public:
    virtual ~RecorderCommands() = default;
    virtual void RecordCommand() = 0;
    virtual void PlayCommand() = 0;
    // From the command line: no file dialog, no hint, no arming step. False
    // when a hook is installed already or the file cannot be used.
    virtual bool RecordInto(const std::string& path) = 0;
    virtual bool PlayFrom(const std::string& path) = 0;
    virtual bool HookInstalled() const = 0;
    // Removes whichever hook is installed and closes its file.
    virtual void StopHook() = 0;
    // At exit: a file created for a recording that never began is closed.
    virtual void CloseArmedFile() = 0;
};

}  // namespace vesk::engine
