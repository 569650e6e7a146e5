#pragma once
#include <string>
#include <vector>

#include "platform/types.h"

namespace vesk::platform {

struct ProcessEntry {
    ProcessId id = 0;
    ProcessId parentId = 0;
    std::string exeName;  // file name only, as the process snapshot gives it
};

class Processes {
public:
    virtual ~Processes() = default;
    virtual std::vector<ProcessEntry> Snapshot() = 0;
    // false when the process cannot be opened, has ended already or cannot
    // be ended; nothing is left open.
    virtual bool Terminate(ProcessId id, unsigned exitCode) = 0;
    virtual ProcessId CurrentProcessId() = 0;
};

}  // namespace vesk::platform
