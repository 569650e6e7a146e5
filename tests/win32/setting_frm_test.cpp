#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/control_desktop.h"
#include "flat_ui_script.h"
#include "platform/win32/utf.h"
#include "platform/win32/win32_system.h"
#include "temp_folder.h"
#include "test_windows.h"
#include "ui/dialogs/setting_frm.h"
#include "ui/dialogs/setting_frm_layout.h"

namespace vesk::test {
namespace {

using ui::SettingId;

std::vector<HWND> ChildrenOfClass(HWND parent, const wchar_t* className) {
    ClassSearch search{className, {}};
    EnumChildWindows(parent, CollectVisibleOfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The settings dialog over a live record, opened the way its opener does,
// with the hidden main window as owner and holder of the hotkeys.
class SettingFrmTest : public ::testing::Test {
protected:
    SettingFrmTest() {
        live.MainWindowHandle = mainWindow.handle();
        live.WindowsDir = windowsDir.path() + "\\";
        for (int n = 1; n <= engine::kDesktopCount; ++n) live.Desktop(n).DesktopHot = VK_NUMPAD0 + n;
        std::ofstream(pictures.In("dune.bmp"), std::ios::binary) << "BM";
    }

    template <typename Show>
    static auto RunDialog(UiScript& script, Show show) {
        return script.Run(show, [] {
            CloseAll(L"TPassFrm");
            CloseAll(L"TSettingFrm");
        });
    }
    // Runs the dialog while the script drives it; the dialog's result.
    bool RunDialog(UiScript& script) {
        return RunDialog(script, [&] {
            return ui::RunSettingsDialog(GetModuleHandleW(nullptr), mainWindow.hwnd(), nullptr, live, system.services());
        });
    }

    static HWND Dialog() {
        const std::vector<HWND> shown = VisibleThreadWindows(L"TSettingFrm");
        return shown.empty() ? nullptr : shown.front();
    }
    static HWND Prompt() {
        const std::vector<HWND> shown = VisibleThreadWindows(L"TPassFrm");
        return shown.empty() ? nullptr : shown.front();
    }
    static std::wstring PromptText() {
        const std::vector<HWND> labels = ChildrenOfClass(Prompt(), L"Static");
        return labels.empty() ? L"" : WindowText(labels.front());
    }
    static HWND Control(SettingId id) { return GetDlgItem(Dialog(), static_cast<int>(id)); }
    static std::wstring Text(SettingId id) { return WindowText(Control(id)); }
    static int Chosen(SettingId list) { return static_cast<int>(SendMessageW(Control(list), CB_GETCURSEL, 0, 0)); }
    // The colour at the top left corner of a label, above its text.
    static COLORREF Background(SettingId label) {
        const HDC dc = GetDC(Control(label));
        const COLORREF colour = GetPixel(dc, 0, 0);
        ReleaseDC(Control(label), dc);
        return colour;
    }

    // As the user would: the list's choice and its report to the dialog, in
    // the order of the other posted clicks, and posted, as a report that
    // opens the prompt must not block the script.
    static void Choose(SettingId list, int index) {
        PostMessageW(Control(list), CB_SETCURSEL, index, 0);
        PostMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(static_cast<int>(list), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Control(list)));
    }
    static void Click(SettingId button) {
        PostMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(static_cast<int>(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(Control(button)));
    }
    static void Type(SettingId edit, const std::string& text) {
        SendMessageW(Control(edit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(platform::win32::Widen(text).c_str()));
    }

    platform::win32::Win32System system;
    TestWindowClass mainClass{L"VeskSettingFrmTestMain"};
    TestWindow mainWindow{mainClass, L"Vesk1.2", false};
    TempFolder windowsDir{"settingfrm-windows"};
    TempFolder pictures{"settingfrm-pictures"};
    engine::TControlDesktop live;
};

TEST_F(SettingFrmTest, OpensAsLaidOutOnTheCurrentDesktopsPage) {
    live.CurrentDesktop = 4;
    RECT client{}, place{};
    int keyItems = 0;
    std::wstring move, focus;
    UiScript script;
    script.Then("the dialog shows", [] { return Dialog() != nullptr; },
                [&] {
                    GetClientRect(Dialog(), &client);
                    GetWindowRect(Dialog(), &place);
                    keyItems = static_cast<int>(SendMessageW(Control(SettingId::ComEnterHot), CB_GETCOUNT, 0, 0));
                    move = Text(SettingId::EdtMove);
                    focus = GetFocus() == Control(SettingId::CheckHide) ? L"CheckHide" : L"another control";
                    Click(SettingId::FlatButton4);
                });
    EXPECT_FALSE(RunDialog(script));
    ASSERT_TRUE(script.Finished()) << script.failure();
    EXPECT_EQ(client.right, 364);
    EXPECT_EQ(client.bottom, 438);
    EXPECT_EQ(place.left, 281);
    EXPECT_EQ(place.top, 28);
    EXPECT_EQ(keyItems, 44);
    EXPECT_EQ(move, L"Ctrl+Alt+NUMPAD4");
    EXPECT_EQ(focus, L"CheckHide");
}

TEST_F(SettingFrmTest, CancelEscAndTheCloseGlyphChangeNothingAfterEditing) {
    const engine::StoredSettings before = live.Stored();
    const std::string picture = pictures.In("dune.bmp");
    struct Way {
        const char* name;
        std::function<void()> close;
    };
    const Way ways[] = {
        {"Cancel", [] { Click(SettingId::FlatButton4); }},
        {"Esc", [] { PressKey(VK_ESCAPE); }},
        {"close glyph", [] { MouseTo(CentreOf(ChildrenOfClass(Dialog(), L"TFlatSpeedButton").at(0)), true); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        bool passwordFieldAtFirst = true;
        UiScript script;
        script
            .Then("the dialog shows", [] { return Dialog() != nullptr; },
                  [&] {
                      passwordFieldAtFirst = IsWindowEnabled(Control(SettingId::EdtPass)) != FALSE;
                      Type(SettingId::EdtWall, picture);
                      Click(SettingId::CheckPass);
                  })
            .Then("the password field opens", [] { return IsWindowEnabled(Control(SettingId::EdtPass)) != FALSE; },
                  [] {
                      Type(SettingId::EdtPass, "secret");
                      Choose(SettingId::ComDesktop, 1);
                  })
            .Then("the page of desktop 2", [] { return Chosen(SettingId::ComDesktop) == 1; },
                  [] {
                      Choose(SettingId::ComEnterHot, 0);
                      Type(SettingId::EdtMainPass, "main");
                      Click(SettingId::CheckExitMain);
                      Choose(SettingId::ComRecord, 3);
                  })
            .Then("the edits are taken",
                  [] { return Text(SettingId::EdtMove) == L"Ctrl+Alt+A" && Chosen(SettingId::ComRecord) == 3; },
                  [] { SetForegroundWindow(Dialog()); })
            // Again until it closes: Wine now and then drops injected input.
            .Until(std::string("closed with ") + way.name, way.close, [] { return Dialog() == nullptr; });
        EXPECT_FALSE(RunDialog(script));
        EXPECT_TRUE(script.Finished()) << script.failure();
        EXPECT_FALSE(passwordFieldAtFirst) << "desktop 1 has no password";
        EXPECT_EQ(live.Stored(), before);
    }
    EXPECT_FALSE(std::ifstream(windowsDir.In("dune.bmp")).good()) << "no wallpaper was imported";
}

TEST_F(SettingFrmTest, OkStoresTheNewHotkeyOfDesktop2AndGivesTheHotkeysUp) {
    engine::StoredSettings wanted = live.Stored();
    wanted.Desktop(2).DesktopHot = VK_F5;
    std::wstring pageMove;
    UiScript script;
    script
        .Then("the dialog shows", [] { return Dialog() != nullptr; }, [] { Choose(SettingId::ComDesktop, 1); })
        .Then("the page of desktop 2", [] { return Chosen(SettingId::ComDesktop) == 1; },
              [&] {
                  pageMove = Text(SettingId::EdtMove);
                  Choose(SettingId::ComEnterHot, 39);  // "Ctrl+F5"
              })
        .Then("the move and copy keys follow",
              [] { return Text(SettingId::EdtMove) == L"Ctrl+Alt+F5" && Text(SettingId::EdtCopy) == L"Alt+F5"; },
              [] { Click(SettingId::FlatButton3); });
    EXPECT_TRUE(RunDialog(script));
    ASSERT_TRUE(script.Finished()) << script.failure();
    EXPECT_EQ(pageMove, L"Ctrl+Alt+NUMPAD2");
    EXPECT_EQ(live.Desktop(2).DesktopHot, VK_F5);
    EXPECT_EQ(live.Stored(), wanted);
    EXPECT_EQ(live.ConflictText, "");
    // The test registration on OK left no hotkey behind.
    ASSERT_TRUE(RegisterHotKey(mainWindow.hwnd(), 2, MOD_CONTROL, VK_F5));
    UnregisterHotKey(mainWindow.hwnd(), 2);
}

TEST_F(SettingFrmTest, AMissingWallpaperKeepsThePageAndRefusesOk) {
    const engine::StoredSettings before = live.Stored();
    const std::string missing = pictures.In("gone.bmp");
    std::wstring onLeaving, onOk;
    UiScript script;
    script
        .Then("the dialog shows", [] { return Dialog() != nullptr; },
              [&] {
                  Type(SettingId::EdtWall, missing);
                  Choose(SettingId::ComDesktop, 2);
              })
        .Then("the prompt tells", [] { return Prompt() != nullptr; },
              [&] {
                  onLeaving = PromptText();
                  PressKey(VK_RETURN);
              })
        .Then("the page stays", [] { return Prompt() == nullptr && Chosen(SettingId::ComDesktop) == 0; },
              [] { Click(SettingId::FlatButton3); })
        .Then("OK tells the same", [] { return Prompt() != nullptr; },
              [&] {
                  onOk = PromptText();
                  PressKey(VK_RETURN);
              })
        .Then("the dialog stays open", [] { return Prompt() == nullptr && Dialog() != nullptr; },
              [] { Click(SettingId::FlatButton4); });
    EXPECT_FALSE(RunDialog(script));
    ASSERT_TRUE(script.Finished()) << script.failure();
    EXPECT_EQ(onLeaving, L"Wallpaper File is not exists!");
    EXPECT_EQ(onOk, L"Wallpaper File is not exists!");
    EXPECT_EQ(live.Stored(), before);
}

TEST_F(SettingFrmTest, AHotkeyHeldElsewhereIsReportedAndItsGroupMarkedRed) {
    TestWindow holder{mainClass, L"holder", false};
    ASSERT_TRUE(RegisterHotKey(holder.hwnd(), 1, MOD_CONTROL, VK_F10));  // the main window's hotkey
    const engine::StoredSettings before = live.Stored();
    std::wstring message;
    COLORREF mainGroup = CLR_INVALID, desktopGroup = CLR_INVALID;
    UiScript script;
    script.Then("the dialog shows", [] { return Dialog() != nullptr; }, [] { Click(SettingId::FlatButton3); })
        .Then("the prompt tells", [] { return Prompt() != nullptr; },
              [&] {
                  message = PromptText();
                  PressKey(VK_RETURN);
              })
        .Then("the dialog stays open", [] { return Prompt() == nullptr && Dialog() != nullptr; },
              [&] {
                  UpdateWindow(Dialog());
                  mainGroup = Background(SettingId::LabHot1);
                  desktopGroup = Background(SettingId::LabHot0);
                  Click(SettingId::FlatButton4);
              });
    EXPECT_FALSE(RunDialog(script));
    UnregisterHotKey(holder.hwnd(), 1);
    ASSERT_TRUE(script.Finished()) << script.failure();
    EXPECT_EQ(message, L"Main Window HotKey Conflict\r\n");
    EXPECT_EQ(mainGroup, RGB(255, 0, 0));
    EXPECT_EQ(desktopGroup, RGB(255, 255, 255));
    EXPECT_EQ(live.Stored(), before);
}

// Each scale the dialog is built at, as another monitor or a system set to
// 125, 150 or 200 % would give it.
class SettingFrmScaleTest : public SettingFrmTest, public ::testing::WithParamInterface<int> {
protected:
    platform::DisplayScale Scale() const { return platform::DisplayScale(GetParam()); }

    std::unique_ptr<ui::TSettingFrm> Build(platform::DisplayScale scale) {
        auto dialog = std::make_unique<ui::TSettingFrm>(GetModuleHandleW(nullptr), live, system.services(), scale);
        dialog->Prepare(nullptr);
        dialog->LoadCopy();
        return dialog;
    }

    static std::vector<HWND> CheckBoxes(HWND dialog) {
        std::vector<HWND> boxes;
        for (SettingId id : {SettingId::CheckPass, SettingId::CheckEnter, SettingId::CheckExit, SettingId::CheckIcons,
                             SettingId::CheckTray, SettingId::CheckMusic, SettingId::CheckSystem,
                             SettingId::CheckExitMain, SettingId::CheckHelp, SettingId::CheckAutoRun,
                             SettingId::CheckHide, SettingId::CheckSaveIni}) {
            boxes.push_back(GetDlgItem(dialog, static_cast<int>(id)));
        }
        return boxes;
    }
};

TEST_P(SettingFrmScaleTest, GrowsWithTheScaleClipsNoTextAndStaysOnTheScreen) {
    namespace layout = ui::setting_layout;
    const auto built = Build(Scale());
    RECT client{};
    GetClientRect(built->hwnd(), &client);
    EXPECT_NEAR(client.right, layout::kWidth * GetParam() / 96.0, 1);
    EXPECT_NEAR(client.bottom, layout::kHeight * GetParam() / 96.0, 1);
    EXPECT_EQ(ClippedTexts(built->hwnd(), CheckBoxes(built->hwnd())), std::vector<std::string>{});

    // A move to a monitor of this scale lays the dialog out as if built there.
    const auto moved = Build(platform::DisplayScale());
    moved->SetScale(Scale());
    EXPECT_EQ(ChildPlaces(moved->hwnd()), ChildPlaces(built->hwnd()));

    RECT place{}, work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    UiScript script;
    script.Then("the dialog shows", [] { return Dialog() != nullptr; },
                [&] {
                    GetWindowRect(Dialog(), &place);
                    Click(SettingId::FlatButton4);
                });
    EXPECT_EQ(RunDialog(script, [&] { return built->ShowModal(); }), ui::kModalCancel);
    ASSERT_TRUE(script.Finished()) << script.failure();
    EXPECT_GE(place.left, work.left);
    EXPECT_GE(place.top, work.top);
    EXPECT_LE(place.right, std::max(work.right, work.left + (place.right - place.left)));
    EXPECT_LE(place.bottom, std::max(work.bottom, work.top + (place.bottom - place.top)));
}

INSTANTIATE_TEST_SUITE_P(Scales, SettingFrmScaleTest, ::testing::Values(96, 120, 144, 168, 192));

}  // namespace
}  // namespace vesk::test
