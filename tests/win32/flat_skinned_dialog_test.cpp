#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "engine/control_desktop.h"
#include "engine/hidden_windows.h"
#include "engine/main_commands.h"
#include "flat_ui_script.h"
#include "image/rgb_image.h"
#include "platform/win32/win32_system.h"
#include "test_windows.h"
#include "ui/dialogs/about_frm.h"
#include "ui/dialogs/kill_frm.h"
#include "ui/dialogs/pass_frm.h"
#include "ui/dialogs/skinned_dialog.h"
#include "ui/dialogs/window_frm.h"

namespace vesk::test {
namespace {

constexpr const wchar_t* kDialogClass = L"VeskSkinnedDialogTest";
constexpr int kWidth = 300;
constexpr int kStripWidth = kWidth - 2;  // on the one-pixel panel
constexpr int kStripHeight = 20;

class PlainDialog : public ui::SkinnedDialog {
public:
    explicit PlainDialog(std::optional<platform::DisplayScale> scale = std::nullopt)
        : SkinnedDialog(GetModuleHandleW(nullptr), kDialogClass, L"plain", kWidth, 120, scale) {}
    HWND Strip() const { return FindWindowExW(hwnd(), nullptr, L"TTitleStrip", nullptr); }
};

POINT TopLeft(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    return {place.left, place.top};
}

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

struct Rgb {
    int r, g, b;
};

Rgb PixelOf(const image::RgbImage& picture, int x, int y) {
    const std::size_t at = (static_cast<std::size_t>(y) * picture.width + x) * 3;
    return {picture.pixels[at], picture.pixels[at + 1], picture.pixels[at + 2]};
}

bool Near(Rgb actual, Rgb expected) {
    return std::abs(actual.r - expected.r) < 24 && std::abs(actual.g - expected.g) < 24 &&
           std::abs(actual.b - expected.b) < 24;
}

::testing::AssertionResult PixelIs(const image::RgbImage& picture, int x, int y, Rgb expected) {
    const Rgb actual = PixelOf(picture, x, y);
    if (Near(actual, expected)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << actual.r << ","
                                         << actual.g << "," << actual.b << ", not " << expected.r << ","
                                         << expected.g << "," << expected.b;
}

// Red and green on top, blue and white below.
image::RgbImage FourColours() {
    return {2, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255}};
}

TEST(SkinnedDialogDrag, PressAndMoveWithTheLeftButtonMoveTheDialogByTheDistance) {
    PlainDialog dialog;
    dialog.PlaceAt(100, 100);
    SetWindowPos(dialog.hwnd(), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(dialog.Strip(), WM_LBUTTONDOWN, MK_LBUTTON, At(10, 5));
    EXPECT_EQ(dialog.DragOrigin().x, 10);
    EXPECT_EQ(dialog.DragOrigin().y, 5);

    SendMessageW(dialog.Strip(), WM_MOUSEMOVE, MK_LBUTTON, At(30, 12));
    EXPECT_EQ(TopLeft(dialog.hwnd()).x, 120);
    EXPECT_EQ(TopLeft(dialog.hwnd()).y, 107);
    // The strip moved with the window: the grabbed point is under the
    // pointer again, and the origin stays.
    SendMessageW(dialog.Strip(), WM_MOUSEMOVE, MK_LBUTTON, At(10, 5));
    EXPECT_EQ(TopLeft(dialog.hwnd()).x, 120);
    EXPECT_EQ(dialog.DragOrigin().x, 10);

    // A move without the left button does nothing.
    SendMessageW(dialog.Strip(), WM_LBUTTONUP, 0, At(10, 5));
    SendMessageW(dialog.Strip(), WM_MOUSEMOVE, 0, At(50, 15));
    EXPECT_EQ(TopLeft(dialog.hwnd()).x, 120);
    EXPECT_EQ(TopLeft(dialog.hwnd()).y, 107);
}

TEST(SkinnedDialogDrag, RightButtonPressStartsNoDrag) {
    PlainDialog dialog;
    SetWindowPos(dialog.hwnd(), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(dialog.Strip(), WM_LBUTTONDOWN, MK_LBUTTON, At(10, 5));
    SendMessageW(dialog.Strip(), WM_LBUTTONUP, 0, At(10, 5));
    SendMessageW(dialog.Strip(), WM_RBUTTONDOWN, MK_RBUTTON, At(10, 5));
    EXPECT_EQ(dialog.DragOrigin().x, -1000);
    EXPECT_EQ(dialog.DragOrigin().y, -1000);

    SendMessageW(dialog.Strip(), WM_MOUSEMOVE, MK_LBUTTON, At(30, 12));
    EXPECT_EQ(TopLeft(dialog.hwnd()).x, 100);
    EXPECT_EQ(TopLeft(dialog.hwnd()).y, 100);
}

TEST(SkinnedDialogStrip, PictureIsStretchedOverTheWholeStripTheRightWayRound) {
    PlainDialog dialog;
    const image::RgbImage picture = FourColours();
    dialog.PaintTitleStrip(&picture);
    const image::RgbImage strip = dialog.TitlePicture();
    ASSERT_EQ(strip.width, kStripWidth);
    ASSERT_EQ(strip.height, kStripHeight);
    EXPECT_TRUE(PixelIs(strip, 0, 0, {255, 0, 0}));
    EXPECT_TRUE(PixelIs(strip, kStripWidth - 1, 0, {0, 255, 0}));
    EXPECT_TRUE(PixelIs(strip, 0, kStripHeight - 1, {0, 0, 255}));
    EXPECT_TRUE(PixelIs(strip, kStripWidth - 1, kStripHeight - 1, {255, 255, 255}));
}

TEST(SkinnedDialogStrip, AboutFitKeepsTheFramesRightColumn) {
    PlainDialog dialog;
    const image::RgbImage picture = FourColours();
    dialog.PaintTitleStrip(&picture, ui::flat::StripFit::KeepRightFrame);
    const image::RgbImage strip = dialog.TitlePicture();
    ASSERT_EQ(strip.width, kStripWidth);
    for (int y = 0; y < kStripHeight; ++y) EXPECT_TRUE(PixelIs(strip, kStripWidth - 1, y, {0, 0, 0}));
    EXPECT_TRUE(PixelIs(strip, kStripWidth - 2, 0, {0, 255, 0}));
}

TEST(SkinnedDialogStrip, MissingOrBrokenPictureLeavesThePlainFrame) {
    PlainDialog dialog;
    const image::RgbImage broken{4, 4, {1, 2, 3}};  // fewer bytes than its size
    const image::RgbImage empty;
    for (const image::RgbImage* picture : {static_cast<const image::RgbImage*>(nullptr), &empty, &broken}) {
        dialog.PaintTitleStrip(picture);
        const image::RgbImage strip = dialog.TitlePicture();
        ASSERT_EQ(strip.width, kStripWidth);
        EXPECT_TRUE(PixelIs(strip, 0, 0, {0, 0, 0}));
        EXPECT_TRUE(PixelIs(strip, kStripWidth - 1, kStripHeight - 1, {0, 0, 0}));
        EXPECT_TRUE(PixelIs(strip, 5, 5, {255, 255, 255}));
    }
}

// A control's place in its dialog's client area.
ui::flat::Bounds PlaceOf(HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return {place.left, place.top, place.right - place.left, place.bottom - place.top};
}

bool operator==(const ui::flat::Bounds& a, const ui::flat::Bounds& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

TEST(SkinnedDialogStrip, StripFrameAndCloseGlyphFollowAMoveToAnotherScaleKeepingThePicture) {
    const platform::DisplayScale scale(144);
    PlainDialog dialog;
    const image::RgbImage picture = FourColours();
    dialog.PaintTitleStrip(&picture);
    RECT suggested{50, 60, 50 + 451, 60 + 181};  // the system's rectangle for the new monitor
    SendMessageW(dialog.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    RECT place{};
    GetWindowRect(dialog.hwnd(), &place);
    EXPECT_TRUE(EqualRect(&place, &suggested));
    EXPECT_EQ(dialog.Scale(), scale);
    const ui::flat::Bounds strip = ui::flat::Scaled({1, 1, kStripWidth, kStripHeight}, scale);
    EXPECT_TRUE(PlaceOf(dialog.Strip()) == strip);
    EXPECT_TRUE(PlaceOf(FindWindowExW(dialog.hwnd(), nullptr, L"TFlatSpeedButton", nullptr)) ==
                ui::flat::Scaled({kWidth - 26, 3, 22, 14}, scale));
    const image::RgbImage painted = dialog.TitlePicture();
    ASSERT_EQ(painted.width, strip.width);
    ASSERT_EQ(painted.height, strip.height);
    EXPECT_TRUE(PixelIs(painted, 0, 0, {255, 0, 0}));
    EXPECT_TRUE(PixelIs(painted, strip.width - 1, strip.height - 1, {255, 255, 255}));

    dialog.PaintTitleStrip(nullptr);  // the frame alone, two pixels wide at 150 %
    const image::RgbImage frame = dialog.TitlePicture();
    EXPECT_TRUE(PixelIs(frame, 1, 10, {0, 0, 0}));
    EXPECT_TRUE(PixelIs(frame, 2, 10, {255, 255, 255}));
}

// The other dialogs, each built at a scale or moved there from 100 %.
struct OtherDialogs {
    OtherDialogs(platform::Services services, engine::TControlDesktop& state, engine::HiddenWindowJournal& journal,
                 std::optional<platform::DisplayScale> scale)
        : pass(GetModuleHandleW(nullptr), nullptr, scale),
          about(GetModuleHandleW(nullptr), services.shell, scale),
          kill(GetModuleHandleW(nullptr), state, services.windows, services.processes, engine::KillerMode::Processes,
               scale),
          move(GetModuleHandleW(nullptr), state, services.windows, journal, scale) {
        pass.Prepare(nullptr, "Enter Password", "", true, true, true);
    }
    ui::TPassFrm pass;
    ui::TAboutFrm about;
    ui::TKillFrm kill;
    ui::TWindowFrm move;
};

// Every other dialog at 125 to 200 %: its layout times the scale, no label,
// button or check box too small for its text, and the same layout after a
// move from a 100 % monitor.
TEST(SkinnedDialogScale, EveryDialogGrowsWithTheScaleAndClipsNoText) {
    platform::win32::Win32System system;
    const platform::Services services = system.services();
    engine::TControlDesktop state;
    engine::HiddenWindowJournal journal{services.registry, services.windows};
    for (int dpi : {120, 144, 168, 192}) {
        const platform::DisplayScale scale(dpi);
        OtherDialogs built(services, state, journal, scale);
        OtherDialogs moved(services, state, journal, std::nullopt);
        const struct {
            ui::SkinnedDialog& built;
            ui::SkinnedDialog& moved;
            SIZE reference;  // 96-DPI reference pixels
        } dialogs[] = {{built.pass, moved.pass, {301, 107}},
                       {built.about, moved.about, {433, 254}},
                       {built.kill, moved.kill, {468, 328}},
                       {built.move, moved.move, {442, 410}}};
        for (const auto& [dialog, movedDialog, reference] : dialogs) {
            wchar_t name[32]{};
            GetClassNameW(dialog.hwnd(), name, 32);
            SCOPED_TRACE(platform::win32::Narrow(name) + " at " + std::to_string(dpi) + " DPI");
            RECT client{};
            GetClientRect(dialog.hwnd(), &client);
            EXPECT_NEAR(client.right, reference.cx * dpi / 96.0, 1);
            EXPECT_NEAR(client.bottom, reference.cy * dpi / 96.0, 1);
            const HWND nextTime = FindWindowExW(dialog.hwnd(), nullptr, L"Button", L"Show Next Time");
            EXPECT_EQ(ClippedTexts(dialog.hwnd(), {nextTime}), std::vector<std::string>{});
            movedDialog.SetScale(scale);
            EXPECT_EQ(ChildPlaces(movedDialog.hwnd()), ChildPlaces(dialog.hwnd()));
        }
    }
}

TEST(SkinnedDialogModal, DisablesTheThreadsWindowsUntilEscapeEndsIt) {
    TestWindowClass ownerClass(L"VeskSkinnedDialogOwner");
    TestWindow owner(ownerClass, L"owner", true);
    PlainDialog dialog;
    bool ownerDisabled = false;
    UiScript script;
    script.Then("shown", [&] { return IsWindowVisible(dialog.hwnd()) && GetForegroundWindow() == dialog.hwnd(); },
                [&] {
                    ownerDisabled = !IsWindowEnabled(owner.hwnd());
                    PressKey(VK_ESCAPE);
                });
    EXPECT_EQ(script.Run([&] { return dialog.ShowModal(); }, [] { CloseAll(kDialogClass); }), ui::kModalCancel);
    EXPECT_TRUE(script.Finished()) << script.failure();
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
    EXPECT_FALSE(IsWindowVisible(dialog.hwnd()));
}

TEST(SkinnedDialogModal, QuitEndsTheLoopAndIsHandedOn) {
    PlainDialog dialog;
    UiScript script;
    script.Do("quit", [] { PostQuitMessage(7); });
    EXPECT_EQ(script.Run([&] { return dialog.ShowModal(); }, [] { CloseAll(kDialogClass); }), ui::kModalCancel);
    MSG quit{};
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 7u);
}

}  // namespace
}  // namespace vesk::test
