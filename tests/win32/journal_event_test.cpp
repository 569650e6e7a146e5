#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include "platform/win32/journal_event.h"

namespace vesk::test {
namespace {

using platform::JournalEvent;
using platform::win32::FromKeyboardHook;
using platform::win32::FromMouseHook;
using platform::win32::ToInput;

constexpr RECT kScreen{0, 0, 1024, 768};

TEST(JournalEventTest, KeysKeepKeyScanCodeAndExtendedBit) {
    KBDLLHOOKSTRUCT key{};
    key.vkCode = VK_RIGHT;
    key.scanCode = 0x4D;
    key.flags = LLKHF_EXTENDED;
    key.time = 1234;
    const HWND foreground = reinterpret_cast<HWND>(0x1234);
    const JournalEvent down = FromKeyboardHook(WM_KEYDOWN, key, foreground);
    EXPECT_EQ(down.message, static_cast<std::uint32_t>(WM_KEYDOWN));
    EXPECT_EQ(down.paramL, 0x4D27u);
    EXPECT_EQ(down.paramH, 0x8001u);
    EXPECT_EQ(down.time, 1234u);
    EXPECT_EQ(down.hwnd, 0x1234u);

    const INPUT pressed = ToInput(down, kScreen).value();
    EXPECT_EQ(pressed.type, static_cast<DWORD>(INPUT_KEYBOARD));
    EXPECT_EQ(pressed.ki.wVk, VK_RIGHT);
    EXPECT_EQ(pressed.ki.wScan, 0x4D);
    EXPECT_EQ(pressed.ki.dwFlags, static_cast<DWORD>(KEYEVENTF_EXTENDEDKEY));

    key.flags = 0;
    const INPUT released = ToInput(FromKeyboardHook(WM_SYSKEYUP, key, nullptr), kScreen).value();
    EXPECT_EQ(released.ki.dwFlags, static_cast<DWORD>(KEYEVENTF_KEYUP));

    EXPECT_FALSE(ToInput({WM_TIMER, 0, 0, 0, 0}, kScreen).has_value()) << "not input";
}

TEST(JournalEventTest, MousePositionsReplayOnTheSamePixel) {
    // A second monitor left of the primary one gives negative coordinates.
    const RECT screens{-1280, -200, 1024, 768};
    const LONG width = screens.right - screens.left;
    const LONG height = screens.bottom - screens.top;
    for (LONG x = screens.left; x < screens.right; ++x) {
        MSLLHOOKSTRUCT mouse{};
        mouse.pt = {x, screens.bottom - 1 - (x - screens.left) % height};
        const JournalEvent event = FromMouseHook(WM_MOUSEMOVE, mouse, nullptr);
        const INPUT input = ToInput(event, screens).value();
        // How the system turns absolute input back into pixels.
        const LONG replayedX = screens.left + static_cast<LONG>((std::int64_t{input.mi.dx} * width) >> 16);
        const LONG replayedY = screens.top + static_cast<LONG>((std::int64_t{input.mi.dy} * height) >> 16);
        ASSERT_EQ(replayedX, mouse.pt.x);
        ASSERT_EQ(replayedY, mouse.pt.y);
    }
}

}  // namespace
}  // namespace vesk::test
