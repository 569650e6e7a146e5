#pragma once
// What the process killer relies on, checked on every implementation. An
// Env, made afresh for each case, provides
//   platform::Processes& processes();
//   std::string OwnExeName();  // the file name this process runs from
//   platform::ProcessId StartChild();  // a child of this process that runs no code
//   std::optional<unsigned> ExitCodeOf(platform::ProcessId child);  // once it has ended
// and ends every child that is left.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "platform/processes.h"

namespace vesk::contract {

template <typename Env>
class ProcessesContract : public ::testing::Test {
protected:
    std::optional<platform::ProcessEntry> Listed(platform::ProcessId id) {
        const std::vector<platform::ProcessEntry> all = env.processes().Snapshot();
        const auto it = std::find_if(all.begin(), all.end(),
                                     [&](const platform::ProcessEntry& entry) { return entry.id == id; });
        if (it == all.end()) return std::nullopt;
        return *it;
    }

    Env env;
};

TYPED_TEST_SUITE_P(ProcessesContract);

TYPED_TEST_P(ProcessesContract, SnapshotListsThisProcessAndItsChildren) {
    const platform::ProcessId self = this->env.processes().CurrentProcessId();
    const platform::ProcessId child = this->env.StartChild();
    const auto own = this->Listed(self);
    ASSERT_TRUE(own.has_value());
    // The system keeps the file name's case as the program was started.
    std::string name = own->exeName;
    std::string expected = this->env.OwnExeName();
    for (std::string* text : {&name, &expected}) {
        for (char& c : *text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    EXPECT_EQ(name, expected);

    const auto listedChild = this->Listed(child);
    ASSERT_TRUE(listedChild.has_value());
    EXPECT_EQ(listedChild->parentId, self);
}

TYPED_TEST_P(ProcessesContract, TerminateEndsARunningProcessOnly) {
    platform::Processes& processes = this->env.processes();
    const platform::ProcessId child = this->env.StartChild();
    ASSERT_TRUE(processes.Terminate(child, 42));
    EXPECT_EQ(this->env.ExitCodeOf(child), 42u);
    EXPECT_FALSE(this->Listed(child).has_value());
    EXPECT_FALSE(processes.Terminate(child, 7)) << "it has ended already";
    EXPECT_EQ(this->env.ExitCodeOf(child), 42u);
    EXPECT_FALSE(processes.Terminate(0, 1));
    EXPECT_FALSE(processes.Terminate(0xFFFFFFF0u, 1));
}

REGISTER_TYPED_TEST_SUITE_P(ProcessesContract, SnapshotListsThisProcessAndItsChildren,
                            TerminateEndsARunningProcessOnly);

}  // namespace vesk::contract
