// Power is checked only where that is harmless: nothing here shuts down or
// suspends. The volume is one of the platform contract cases.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include "platform/win32/scoped_handles.h"
#include "platform/win32/win32_system.h"

namespace vesk::test {
namespace {

using platform::win32::ScopedHandle;

TEST(PowerTest, ReportsTheNtPlatform) {
    platform::win32::Win32System system;
    EXPECT_EQ(system.services().power.VersionPlatformId(), std::optional<std::uint32_t>(2));
}

TEST(PowerTest, ShutdownPrivilegeEndsUpEnabled) {
    platform::win32::Win32System system;
    ASSERT_TRUE(system.services().power.EnableShutdownPrivilege());

    ScopedHandle token;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.receive()));
    LUID shutdown{};
    ASSERT_TRUE(LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &shutdown));
    PRIVILEGE_SET wanted{};
    wanted.PrivilegeCount = 1;
    wanted.Control = PRIVILEGE_SET_ALL_NECESSARY;
    wanted.Privilege[0].Luid = shutdown;
    BOOL held = FALSE;
    ASSERT_TRUE(PrivilegeCheck(token.get(), &wanted, &held));
    EXPECT_TRUE(held);
}

}  // namespace
}  // namespace vesk::test
