#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/win32/scoped_handles.h"
#include "platform/win32/win32_system.h"

namespace vesk::test {
namespace {

using platform::ProcessEntry;
using platform::ProcessId;
using platform::win32::ScopedHandle;

class ProcessesTest : public ::testing::Test {
protected:
    const ProcessEntry* Find(const std::vector<ProcessEntry>& all, ProcessId id) {
        const auto it = std::find_if(all.begin(), all.end(),
                                     [&](const ProcessEntry& entry) { return entry.id == id; });
        return it == all.end() ? nullptr : &*it;
    }

    platform::win32::Win32System system;
    platform::Processes& processes = system.services().processes;
};

TEST_F(ProcessesTest, SnapshotListsThisProcess) {
    EXPECT_EQ(processes.CurrentProcessId(), GetCurrentProcessId());
    const auto all = processes.Snapshot();
    const ProcessEntry* self = Find(all, processes.CurrentProcessId());
    ASSERT_NE(self, nullptr);
    EXPECT_EQ(CompareStringOrdinal(L"vesk_win32_tests.exe", -1,
                                   std::wstring(self->exeName.begin(), self->exeName.end()).c_str(),
                                   -1, TRUE),
              CSTR_EQUAL)
        << self->exeName;
}

TEST_F(ProcessesTest, ChildIsListedUnderItsParentAndCanBeTerminated) {
    // A suspended copy of this program: it exists but runs no code.
    wchar_t exe[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameW(nullptr, exe, MAX_PATH), 0u);
    std::wstring commandLine = L"\"" + std::wstring(exe) + L"\" --gtest_list_tests";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    ASSERT_TRUE(CreateProcessW(exe, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                               nullptr, nullptr, &startup, &info));
    const ScopedHandle child(info.hProcess);
    const ScopedHandle childThread(info.hThread);

    const auto all = processes.Snapshot();
    const ProcessEntry* entry = Find(all, info.dwProcessId);
    if (entry == nullptr) TerminateProcess(child.get(), 1);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->parentId, GetCurrentProcessId());

    ASSERT_TRUE(processes.Terminate(info.dwProcessId, 42));
    ASSERT_EQ(WaitForSingleObject(child.get(), 5000), WAIT_OBJECT_0);
    DWORD exitCode = 0;
    ASSERT_TRUE(GetExitCodeProcess(child.get(), &exitCode));
    EXPECT_EQ(exitCode, 42u);
}

TEST_F(ProcessesTest, TerminateFailsForNoSuchProcess) {
    EXPECT_FALSE(processes.Terminate(0, 1));
    EXPECT_FALSE(processes.Terminate(0xFFFFFFF0u, 1));
}

}  // namespace
}  // namespace vesk::test
