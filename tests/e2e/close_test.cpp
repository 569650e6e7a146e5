#include "desktop_test.h"

namespace vesk::e2e {
namespace {

class CloseTest : public DesktopTest {
protected:
    // Starts the program, closes its main window as a user would, confirms
    // the exit and waits for the process to end.
    void RunAndClose() {
        ASSERT_TRUE(Start(0)) << "no main window appeared";
        EXPECT_TRUE(ExitVesk());
    }
};

TEST_F(CloseTest, ExitsCleanlyAndRegistersTheProgramForAutostart) {
    ASSERT_NO_FATAL_FAILURE(RunAndClose());

    EXPECT_TRUE(StoredDword(kCommonKey, L"DesktopNum", 9));
    EXPECT_TRUE(StoredPath(kRunKey, L"Vesk", VeskExePath()));
}

TEST_F(CloseTest, AutoRunOffLeavesAnEmptyAutostartEntry) {
    WriteDword(kCommonKey, L"AutoRun", 0);

    ASSERT_NO_FATAL_FAILURE(RunAndClose());

    EXPECT_TRUE(StoredString(kRunKey, L"Vesk", L""));
    EXPECT_TRUE(StoredDword(kCommonKey, L"AutoRun", 0));
}

// The wallpaper style is kept in a byte: only the low byte survives a run.
TEST_F(CloseTest, StoresTheWallpaperStyleAsItsLowByte) {
    WriteDword(DesktopKey(3), L"TileWall", 258);

    ASSERT_NO_FATAL_FAILURE(RunAndClose());

    EXPECT_TRUE(StoredDword(DesktopKey(3), L"TileWall", 2));
}

TEST_F(CloseTest, KeepsSettingsTheUserChanged) {
    WriteDword(kCommonKey, L"MaxSize", 4096);
    WriteDword(kCommonKey, L"UseControlPassword", 0);
    WriteString(kCommonKey, L"SettingPassword", L"letmein");
    WriteDword(DesktopKey(7), L"Volume", 0);
    WriteString(DesktopKey(2), L"Password", L"secret");

    ASSERT_NO_FATAL_FAILURE(RunAndClose());

    EXPECT_TRUE(StoredDword(kCommonKey, L"MaxSize", 4096));
    EXPECT_TRUE(StoredDword(kCommonKey, L"UseControlPassword", 0));
    EXPECT_TRUE(StoredString(kCommonKey, L"SettingPassword", L"letmein"));
    EXPECT_TRUE(StoredDword(DesktopKey(7), L"Volume", 0));
    EXPECT_TRUE(StoredString(DesktopKey(2), L"Password", L"secret"));
}

}  // namespace
}  // namespace vesk::e2e
