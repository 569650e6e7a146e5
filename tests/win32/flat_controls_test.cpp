#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

#include "flat_ui_script.h"
#include "ui/dialogs/skinned_dialog.h"
#include "ui/flat/dpi.h"
#include "ui/flat/flat_button.h"
#include "ui/flat/flat_check_box.h"
#include "ui/flat/flat_check_list_box.h"
#include "ui/flat/flat_combo_box.h"
#include "ui/flat/flat_edit.h"
#include "ui/flat/flat_list_box.h"
#include "ui/flat/flat_spin_edit.h"
#include "ui/flat/flat_speed_button.h"

namespace vesk::test {
namespace {

using namespace ui::flat;

constexpr const wchar_t* kDialogClass = L"VeskFlatControlsTest";

// One of each keyboard control, in this Tab order.
class ControlsDialog : public ui::SkinnedDialog {
public:
    explicit ControlsDialog(std::optional<platform::DisplayScale> scale = std::nullopt)
        : SkinnedDialog(GetModuleHandleW(nullptr), kDialogClass, L"flat controls", 320, 260, scale) {
        StackControls({apply.hwnd(), other.hwnd(), wrap.hwnd(), list.hwnd(), checks.hwnd(), combo.hwnd(),
                       spin.hwnd(), edit.hwnd()});
        for (const wchar_t* item : {L"one", L"two", L"three"}) {
            list.Add(item);
            checks.Add(item);
            combo.Add(item);
        }
        apply.OnClick = [this] { ++applyClicks; };
        other.OnClick = [this] { ++otherClicks; };
        list.OnChange = [this] { ++listChanges; };
        checks.OnClickCheck = [this](int index) { lastToggled = index; };
        combo.OnChange = [this] { ++comboChanges; };
        speed.OnClick = [this] { ++speedClicks; };
    }

    TFlatButton apply{hwnd(), L"&Apply", {10, 30, 80, 24}};
    TFlatButton other{hwnd(), L"&Other", {100, 30, 80, 24}};
    TFlatCheckBox wrap{hwnd(), L"&Wrap", {10, 60, 100, 16}};
    TFlatListBox list{hwnd(), {10, 80, 120, 70}};
    TFlatCheckListBox checks{hwnd(), {140, 80, 120, 70}};
    TFlatComboBox combo{hwnd(), {10, 160, 120, 22}};
    TFlatSpinEditInteger spin{hwnd(), {140, 160, 80, 22}, -2, 5, 4};
    TFlatEdit edit{hwnd(), {10, 190, 120, 22}};
    TFlatSpeedButton speed{hwnd(), {230, 160, 22, 22}, Glyph::ArrowUp};

    int applyClicks = 0;
    int otherClicks = 0;
    int listChanges = 0;
    int lastToggled = -1;
    int comboChanges = 0;
    int speedClicks = 0;
};

class FlatControlsTest : public ::testing::Test {
protected:
    bool Focused(const FlatControl& control) const { return GetFocus() == control.hwnd(); }
    void Run() {
        result = script.Run([&] { return dialog.ShowModal(); }, [] { CloseAll(kDialogClass); });
        EXPECT_TRUE(script.Finished()) << script.failure();
    }

    ControlsDialog dialog;
    UiScript script;
    int result = 0;
};

TEST_F(FlatControlsTest, ButtonIsPressedBySpaceEnterAndItsMnemonic) {
    script.Then("apply focused", [&] { return Focused(dialog.apply); }, [] { PressKey(VK_SPACE); })
        .Then("clicked by Space", [&] { return dialog.applyClicks == 1; }, [] { PressKey(VK_RETURN); })
        .Then("clicked by Enter", [&] { return dialog.applyClicks == 2; }, [] { PressKey('O'); })
        .Then("other by plain mnemonic", [&] { return dialog.otherClicks == 1; }, [] { PressWithAlt('A'); })
        .Then("apply by Alt mnemonic", [&] { return dialog.applyClicks == 3; },
              [&] { dialog.EndModal(ui::kModalOk); });
    Run();
    EXPECT_EQ(result, ui::kModalOk);
    EXPECT_EQ(dialog.applyClicks, 3);
    EXPECT_EQ(dialog.otherClicks, 1);
}

TEST_F(FlatControlsTest, TabWalksTheControlsInStackOrder) {
    const std::vector<HWND> expected{dialog.other.hwnd(), dialog.wrap.hwnd(), dialog.list.hwnd(),
                                     dialog.checks.hwnd(), dialog.combo.hwnd(), dialog.spin.hwnd(),
                                     dialog.edit.hwnd(),  dialog.apply.hwnd()};
    std::vector<HWND> visited;
    script.Then("apply focused", [&] { return Focused(dialog.apply); }, [] { PressKey(VK_TAB); });
    for (std::size_t i = 0; i < expected.size(); ++i) {
        script.Then("focus moved", [&, i] { return GetFocus() != (i == 0 ? dialog.apply.hwnd() : expected[i - 1]); },
                    [&, i] {
                        visited.push_back(GetFocus());
                        if (i + 1 < expected.size()) PressKey(VK_TAB);
                    });
    }
    script.Do("end", [&] { dialog.EndModal(ui::kModalOk); });
    Run();
    EXPECT_EQ(visited, expected);
}

TEST_F(FlatControlsTest, CheckBoxTogglesBySpaceAndMnemonic) {
    std::vector<bool> states;
    script.Then("apply focused", [&] { return Focused(dialog.apply); }, [&] { dialog.wrap.Focus(); })
        .Then("wrap focused", [&] { return Focused(dialog.wrap); }, [] { PressKey(VK_SPACE); })
        .Then("ticked", [&] { return dialog.wrap.Checked(); },
              [&] {
                  states.push_back(SendMessageW(dialog.wrap.hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED);
                  PressKey(VK_SPACE);
              })
        .Then("unticked", [&] { return !dialog.wrap.Checked(); }, [] { PressWithAlt('W'); })
        .Then("ticked by mnemonic", [&] { return dialog.wrap.Checked(); },
              [&] { dialog.EndModal(ui::kModalOk); });
    Run();
    EXPECT_EQ(states, std::vector<bool>{true});
}

TEST_F(FlatControlsTest, ListBoxArrowKeysMoveTheChoiceWithinTheItems) {
    std::vector<int> indexes;
    auto record_then = [&](WORD next) {
        return [&, next] {
            indexes.push_back(dialog.list.ItemIndex());
            PressKey(next);
        };
    };
    dialog.list.SetItemIndex(0);
    script.Then("apply focused", [&] { return Focused(dialog.apply); }, [&] { dialog.list.Focus(); })
        .Then("list focused", [&] { return Focused(dialog.list); }, [] { PressKey(VK_DOWN); })
        .Then("two", [&] { return dialog.list.ItemIndex() == 1; }, record_then(VK_DOWN))
        .Then("three", [&] { return dialog.list.ItemIndex() == 2; }, record_then(VK_DOWN))
        .Then("stays at the end", [&] { return dialog.listChanges >= 2; }, record_then(VK_HOME))
        .Then("home", [&] { return dialog.list.ItemIndex() == 0; }, [&] {
            indexes.push_back(dialog.list.ItemIndex());
            dialog.EndModal(ui::kModalOk);
        });
    Run();
    EXPECT_EQ(indexes, (std::vector<int>{1, 2, 2, 0}));
    EXPECT_EQ(dialog.list.Item(2), L"three");
}

TEST_F(FlatControlsTest, CheckListBoxTogglesTheFocusedItemBySpace) {
    script.Then("apply focused", [&] { return Focused(dialog.apply); }, [&] { dialog.checks.Focus(); })
        .Then("checks focused", [&] { return Focused(dialog.checks); }, [] { PressKey(VK_DOWN); })
        .Then("first chosen", [&] { return dialog.checks.ItemIndex() >= 0; },
              [] { SendKeys({Key(VK_DOWN, false), Key(VK_DOWN, true), Key(VK_SPACE, false), Key(VK_SPACE, true)}); })
        .Then("toggled", [&] { return dialog.lastToggled >= 0; }, [&] { dialog.EndModal(ui::kModalOk); });
    Run();
    const int toggled = dialog.checks.ItemIndex();
    EXPECT_EQ(dialog.lastToggled, toggled);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(dialog.checks.Checked(i), i == toggled) << i;

    dialog.checks.Delete(0);
    EXPECT_EQ(dialog.checks.Count(), 2);
    for (int i = 0; i < 2; ++i) EXPECT_EQ(dialog.checks.Checked(i), i + 1 == toggled) << i;
}

TEST_F(FlatControlsTest, ComboBoxAndSpinEditFollowTheArrowKeys) {
    dialog.combo.SetItemIndex(0);
    script.Then("apply focused", [&] { return Focused(dialog.apply); }, [&] { dialog.combo.Focus(); })
        .Then("combo focused", [&] { return Focused(dialog.combo); }, [] { PressKey(VK_DOWN); })
        .Then("combo moved", [&] { return dialog.combo.ItemIndex() == 1; }, [&] { dialog.spin.Focus(); })
        .Then("spin focused", [&] { return Focused(dialog.spin); },
              [] { SendKeys({Key(VK_UP, false), Key(VK_UP, true), Key(VK_UP, false), Key(VK_UP, true)}); })
        .Then("at the top", [&] { return dialog.spin.Value() == 5; },
              [] { SendKeys({Key(VK_END, false), Key(VK_END, true)}); TypeText(L"x7"); })
        .Then("typed", [&] { return dialog.spin.Text() == L"57"; }, [&] { dialog.EndModal(ui::kModalOk); });
    Run();
    EXPECT_EQ(dialog.comboChanges, 1);
    EXPECT_EQ(dialog.combo.Item(1), L"two");
    EXPECT_EQ(dialog.spin.Value(), 5);   // 57 is out of range
    EXPECT_EQ(dialog.spin.Text(), L"5");  // and put back when the focus left
}

TEST_F(FlatControlsTest, EscapeClosesAnOpenListBeforeTheDialog) {
    auto dropped = [&] { return SendMessageW(dialog.combo.hwnd(), CB_GETDROPPEDSTATE, 0, 0) != FALSE; };
    bool stayedOpen = false;
    script.Then("apply focused", [&] { return Focused(dialog.apply); }, [&] { dialog.combo.Focus(); })
        .Then("combo focused", [&] { return Focused(dialog.combo); }, [] { PressKey(VK_F4); })
        .Then("list open", dropped, [] { PressKey(VK_ESCAPE); })
        .Then("list closed", [&] { return !dropped(); },
              [&] {
                  stayedOpen = IsWindowVisible(dialog.hwnd()) != FALSE;
                  PressKey(VK_ESCAPE);
              });
    Run();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(result, ui::kModalCancel);
}

TEST_F(FlatControlsTest, SpinEditKeepsItsRangeAndStepsByItsIncrement) {
    dialog.spin.SetValue(-40);
    EXPECT_EQ(dialog.spin.Value(), -2);
    dialog.spin.SetText(L"");
    EXPECT_EQ(dialog.spin.Value(), -2);
    dialog.spin.SetText(L"99999999999999999999");
    EXPECT_EQ(dialog.spin.Value(), 5);
    dialog.spin.SetRange(10, 0);
    EXPECT_EQ(dialog.spin.MinValue(), 0);
    EXPECT_EQ(dialog.spin.MaxValue(), 10);
    EXPECT_EQ(dialog.spin.Text(), L"10");

    dialog.spin.SetIncrement(4);
    const auto key = [&](WORD vk) { SendMessageW(dialog.spin.hwnd(), WM_KEYDOWN, vk, 0); };
    key(VK_DOWN);
    EXPECT_EQ(dialog.spin.Value(), 6);
    key(VK_DOWN);
    key(VK_DOWN);
    EXPECT_EQ(dialog.spin.Value(), 0) << "stops at the lower bound";
    key(VK_UP);
    EXPECT_EQ(dialog.spin.Value(), 4);
}

// A press and release where the user clicks, in display pixels of the
// control's window (frame included).
void ClickInWindow(HWND control, POINT inWindow) {
    RECT window{};
    GetWindowRect(control, &window);
    POINT client{0, 0};
    ClientToScreen(control, &client);
    const LPARAM at = MAKELPARAM(inWindow.x - (client.x - window.left), inWindow.y - (client.y - window.top));
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(control, WM_LBUTTONUP, 0, at);
}

TEST(FlatControlsScale, AtOneAndAHalfTimesHeightsAndHitAreasGrowWithTheControls) {
    const platform::DisplayScale scale(144);
    ControlsDialog dialog(scale);
    RECT combo{};
    GetWindowRect(dialog.combo.hwnd(), &combo);
    EXPECT_EQ(combo.bottom - combo.top, Scaled({10, 160, 120, 22}, scale).height);

    // Points a 96-DPI geometry would put on the text beside them.
    ClickInWindow(dialog.checks.hwnd(), {18, 8});
    EXPECT_TRUE(dialog.checks.Checked(0)) << "the square";
    const Bounds spin = Scaled({140, 160, 80, 22}, scale);
    ClickInWindow(dialog.spin.hwnd(), {spin.width - 20, 5});
    EXPECT_EQ(dialog.spin.Value(), 5) << "the up arrow";
}

// mingw's i686 unwinder cannot carry the exception through user32's frames
// to the dialog's loop: unguarded, it would end the test program.
TEST_F(FlatControlsTest, AnErrorInAControlsHandlerIsReportedAndTheDialogGoesOn) {
    dialog.apply.OnClick = [&] {
        if (++dialog.applyClicks == 1) throw std::runtime_error("no room for the list");
    };
    const auto clickApply = [&] {
        PostMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(dialog.apply.id(), BN_CLICKED),
                     reinterpret_cast<LPARAM>(dialog.apply.hwnd()));
    };
    const auto reports = [] { return VisibleThreadWindows(L"#32770"); };
    bool reported = false;
    script.Do("click", clickApply)
        .Then("an error box", [&] { return !reports().empty(); },
              [&] {
                  const HWND box = reports().front();
                  reported = WindowText(box) == L"Vesk1.2" &&
                             FindWindowExW(box, nullptr, L"Static", L"no room for the list") != nullptr;
                  PostMessageW(box, WM_COMMAND, IDOK, 0);
              })
        .Then("the box closed", [&] { return reports().empty(); }, clickApply)
        .Then("clicked again", [&] { return dialog.applyClicks == 2; }, [&] { dialog.EndModal(ui::kModalOk); });
    Run();
    EXPECT_TRUE(reported);
    EXPECT_EQ(result, ui::kModalOk);
}

TEST_F(FlatControlsTest, OneHoverTimerPerKindFollowsThePointer) {
    const POINT outside{5, GetSystemMetrics(SM_CYSCREEN) - 40};
    HWND focusAfterClick = nullptr;
    script.Then("apply focused", [&] { return Focused(dialog.apply); }, [] {})
        .Until("apply lit", [&] { MouseTo(CentreOf(dialog.apply.hwnd())); }, [&] { return dialog.apply.Hovered(); })
        .Until("other lit, apply not at once", [&] { MouseTo(CentreOf(dialog.other.hwnd())); },
               [&] { return dialog.other.Hovered() && !dialog.apply.Hovered(); })
        .Until("edit lit, other not once its kind's timer saw the pointer go",
               [&] { MouseTo(CentreOf(dialog.edit.hwnd())); },
               [&] { return dialog.edit.Hovered() && !dialog.other.Hovered(); })
        .Until("nothing lit", [&] { MouseTo(outside); }, [&] { return !dialog.edit.Hovered(); })
        .Until("pointer on the speed button", [&] { MouseTo(CentreOf(dialog.speed.hwnd())); },
               [&] { return UnderPointer() == dialog.speed.hwnd(); })
        .Do("click", [] { Click(); })
        .Then("speed clicked", [&] { return dialog.speedClicks == 1; },
              [&] {
                  focusAfterClick = GetFocus();
                  dialog.EndModal(ui::kModalOk);
              });
    Run();
    EXPECT_EQ(dialog.speedClicks, 1);
    EXPECT_EQ(focusAfterClick, dialog.apply.hwnd());  // the speed button takes no focus
}

}  // namespace
}  // namespace vesk::test
