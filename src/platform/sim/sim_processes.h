#pragma once
#include <map>
#include <set>
#include <vector>

#include "platform/processes.h"

namespace vesk::platform::sim {

class SimProcesses : public Processes {
public:
    std::vector<ProcessEntry> Snapshot() override { return running; }
    bool Terminate(ProcessId id, unsigned exitCode) override;
    ProcessId CurrentProcessId() override { return self; }

    std::vector<ProcessEntry> running;
    std::set<ProcessId> protectedIds;  // cannot be opened for termination
    std::map<ProcessId, unsigned> exitCodes;
    ProcessId self = 42;
};

}  // namespace vesk::platform::sim
