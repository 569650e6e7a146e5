#include "platform/sim/sim_processes.h"

#include <algorithm>

namespace vesk::platform::sim {

bool SimProcesses::Terminate(ProcessId id, unsigned exitCode) {
    if (protectedIds.count(id)) return false;
    auto it = std::find_if(running.begin(), running.end(),
                           [id](const ProcessEntry& p) { return p.id == id; });
    if (it == running.end()) return false;
    running.erase(it);
    exitCodes[id] = exitCode;
    return true;
}

}  // namespace vesk::platform::sim
