#pragma once
#include "platform/processes.h"

namespace vesk::platform::win32 {

class Win32Processes final : public Processes {
public:
    // Empty when the snapshot cannot be taken.
    std::vector<ProcessEntry> Snapshot() override;
    bool Terminate(ProcessId id, unsigned exitCode) override;
    ProcessId CurrentProcessId() override;
};

}  // namespace vesk::platform::win32
