#include <gtest/gtest.h>

#include "fake_prompt.h"
#include "jpeg_fixture.h"
#include "platform/sim/sim_system.h"
#include "ui/dialogs/setting_model.h"

namespace vesk::ui {
namespace {

using engine::HotkeyCode;
using platform::sim::SimSystem;

class SettingsDialog : public ::testing::Test {
protected:
    SettingsDialog() {
        live.MainWindowHandle = sim.windows.Create("TForm1", "Vesk1.2");
        live.WindowsDir = "C:\\windows\\";
        for (int n = 1; n <= engine::kDesktopCount; ++n) live.Desktop(n).DesktopHot = 96 + n;
        sim.files.Put("D:\\art\\dune.bmp", {'B', 'M'});
    }
    // What the opener and the form's show do.
    void Open() {
        model.LoadCopy();
        model.FormShow();
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& q : prompt.asked) texts.push_back(q.message);
        return texts;
    }

    SimSystem sim;
    platform::Services services = sim.services();
    engine::TControlDesktop live;
    testing::FakePrompt prompt;
    SettingModel model{live, services, prompt};
};

TEST_F(SettingsDialog, OpeningShowsTheCurrentDesktopsPageAndTheCommonSettings) {
    live.CurrentDesktop = 4;
    live.Desktop(4).Forwhat = 3;
    live.Desktop(4).Password = "pw";
    live.Desktop(4).TileWall = 2;
    live.ExitMainWindow = false;
    Open();
    const SettingControls& c = model.Controls;
    EXPECT_EQ(c.ComDesktop, 3);
    EXPECT_TRUE(c.CheckPass && c.PanelDeskEnabled && c.CheckEnter && c.CheckExit);
    EXPECT_EQ(c.EdtPass, "pw");
    EXPECT_EQ(c.ComTileWall, 2);
    EXPECT_EQ(model.ComEnterHotItems[static_cast<std::size_t>(c.ComEnterHot)], "Ctrl+NUMPAD4");
    EXPECT_EQ(c.EdtMove, "Ctrl+Alt+NUMPAD4");
    EXPECT_EQ(c.EdtCopy, "Alt+NUMPAD4");
    EXPECT_FALSE(c.CheckExitMain);
    EXPECT_EQ(c.ComMain, 0);
    EXPECT_EQ(c.ComPlay, 5);
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(SettingsDialog, CancelAfterEditingSeveralPagesChangesNothing) {
    live.Desktop(2).Wallpaper = "C:\\windows\\old.bmp";
    sim.files.Put("C:\\windows\\old.bmp");
    const engine::StoredSettings before = live.Stored();
    {
        SettingModel dialog{live, services, prompt};
        dialog.LoadCopy();
        dialog.FormShow();
        dialog.Controls.EdtWall = "D:\\art\\dune.bmp";
        dialog.CheckPassClick(true);
        dialog.Controls.EdtPass = "secret";
        dialog.ComDesktopClick(1);
        dialog.Controls.EdtWall.clear();
        dialog.Controls.CheckTray = false;
        dialog.ComEnterHotChange(0);
        dialog.ComDesktopClick(4);
        dialog.ComMainClick(4);
        dialog.ComRecordClick(3);
        dialog.EdtMainPassChange(PasswordField::Setting, "x");
        dialog.CheckExitMainClick(false);
        dialog.CheckThreeClick(CommonCheck::AutoRun, false);
        dialog.SPMaxSizeChange("64");
        ASSERT_EQ(dialog.CurDesk(), 5);
        ASSERT_TRUE(prompt.asked.empty());
    }  // Cancel, the close glyph and Esc drop the dialog
    EXPECT_EQ(live.Stored(), before);
    EXPECT_EQ(sim.hotkeys.RegisteredCount(), 0u);
    EXPECT_FALSE(sim.files.Exists("C:\\windows\\dune.bmp"));
}

TEST_F(SettingsDialog, PagesVisitedKeepTheirValuesAndOkStoresThemAll) {
    Open();
    model.ComDesktopClick(1);
    model.Controls.CheckIcons = false;
    model.CheckPassClick(true);
    model.Controls.EdtPass = "two";
    model.Controls.CheckEnter = true;
    model.ComDesktopClick(4);
    model.Controls.ComTileWall = 2;
    model.Controls.CheckMusic = false;
    model.ComEnterHotChange(0);
    model.CheckExitMainClick(false);
    model.ComMainClick(4);
    model.RenameDesktop("Mail and then far more than thirty-two letters");
    EXPECT_EQ(model.ComDesktopItems[4], "Vesk 5 \xC2\xB7 Mail and then far more than thir") << "the list follows";
    EXPECT_EQ(model.ComDesktopItems[3], "Vesk 4");

    ASSERT_TRUE(model.FlatButton3Click());
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_EQ(live.Desktop(5).Name, "Mail and then far more than thir") << "cut to 32 characters";
    EXPECT_FALSE(live.Desktop(2).ProgWnd);
    EXPECT_EQ(live.Desktop(2).Forwhat, 1);
    EXPECT_EQ(live.Desktop(2).Password, "two");
    EXPECT_EQ(live.Desktop(5).TileWall, 2);
    EXPECT_FALSE(live.Desktop(5).Volume);
    EXPECT_EQ(live.Desktop(5).DesktopHot, 65);
    EXPECT_EQ(live.Desktop(5).DesktopHotMod, 2);
    EXPECT_FALSE(live.ExitMainWindow);
    EXPECT_EQ(live.ControlHot1, 2);
    EXPECT_EQ(live.ControlHot2, 96) << "\"Ctrl+0\" is the keypad 0";
    EXPECT_EQ(live.CurrentDesktop, 1) << "the page shown is not a setting";
    EXPECT_EQ(sim.hotkeys.RegisteredCount(), 0u) << "the test registration gives every id up again";
}

TEST_F(SettingsDialog, APageThatFailsItsChecksCannotBeLeft) {
    Open();
    model.Controls.EdtWall = "D:\\art\\gone.bmp";
    model.ComDesktopClick(2);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Wallpaper File is not exists!"});
    EXPECT_EQ(model.Controls.ComDesktop, 0);
    EXPECT_EQ(model.CurDesk(), 1);
    EXPECT_FALSE(model.FlatButton3Click());
    EXPECT_EQ(Messages().back(), "Wallpaper File is not exists!");

    // Without a key the page's other values are taken over all the same.
    model.Controls.EdtWall = "D:\\art\\dune.bmp";
    model.ComEnterHotChange(-1);
    model.ComDesktopClick(2);
    EXPECT_EQ(Messages().back(), "HotKey must be Set!");
    EXPECT_EQ(model.CurDesk(), 1);
    EXPECT_EQ(model.Copy().Desktop(1).Wallpaper, "D:\\art\\dune.bmp");

    model.ComEnterHotChange(43);
    model.ComDesktopClick(2);
    EXPECT_EQ(model.CurDesk(), 3);
    EXPECT_EQ(model.Controls.ComDesktop, 2);
    const engine::DesktopSettings& first = model.Copy().Desktop(1);
    EXPECT_EQ((HotkeyCode{first.DesktopHotMod, first.DesktopHot}), (HotkeyCode{2, 120}));
    EXPECT_EQ(live.Desktop(1).DesktopHot, 97);
}

TEST_F(SettingsDialog, AKeyOfAnotherDesktopIsRefusedWithItsItemText) {
    Open();
    model.ComDesktopClick(2);
    model.ComEnterHotChange(38);  // Ctrl+F4
    ASSERT_EQ(model.Controls.EdtMove, "Ctrl+Alt+F4");
    model.ComEnterHotChange(26);  // desktop 1's Ctrl+NUMPAD1
    EXPECT_EQ(Messages(), std::vector<std::string>{"This HotKey[Ctrl+NUMPAD1] is in use"});
    EXPECT_EQ(model.ComEnterHotItems[static_cast<std::size_t>(model.Controls.ComEnterHot)], "Ctrl+NUMPAD3")
        << "back to the key the copy holds for the page";
    EXPECT_EQ(model.Controls.EdtMove, "Ctrl+Alt+F4");
    EXPECT_EQ(model.Controls.EdtCopy, "Alt+F4");

    model.ComEnterHotChange(39);
    EXPECT_EQ(model.Controls.EdtMove, "Ctrl+Alt+F5");
    EXPECT_EQ(model.Controls.EdtCopy, "Alt+F5");
}

TEST_F(SettingsDialog, ForwhatIsTheTwoBoxesUnderThePasswordBox) {
    Open();
    const struct {
        bool pass, enter, exit;
        int forwhat;
    } cases[] = {
        {true, true, false, 1}, {true, false, true, 2}, {true, true, true, 3},
        {true, false, false, 0}, {false, true, true, 0},
    };
    for (const auto& c : cases) {
        model.CheckPassClick(c.pass);
        model.Controls.CheckEnter = c.enter;
        model.Controls.CheckExit = c.exit;
        model.Controls.EdtPass = "typed";
        ASSERT_EQ(model.StorePage(), "");
        EXPECT_EQ(model.Copy().Desktop(1).Forwhat, c.forwhat) << c.pass << c.enter << c.exit;
        EXPECT_EQ(model.Copy().Desktop(1).Password, "typed") << "kept even when unguarded";
    }
    EXPECT_FALSE(model.Controls.PanelDeskEnabled);
}

TEST_F(SettingsDialog, CommandListsMapItemsToHotkeysAndBack) {
    live.Setting1 = 3, live.Setting2 = 35;  // Ctrl+Alt+End
    live.ControlHot1 = 2, live.ControlHot2 = 65;  // not offered by its list
    Open();
    EXPECT_EQ(model.Controls.ComPara, 8);
    EXPECT_EQ(model.Controls.ComMain, -1);

    model.ComMainClick(4);  // "Ctrl+0"
    EXPECT_EQ((HotkeyCode{model.Copy().ControlHot1, model.Copy().ControlHot2}), (HotkeyCode{2, 96}));
    model.ComParaClick(6);
    EXPECT_EQ((HotkeyCode{model.Copy().Setting1, model.Copy().Setting2}), (HotkeyCode{3, 145}));
}

TEST_F(SettingsDialog, EqualRecordAndPlayKeysAreReportedKeptAndRefusedOnOk) {
    Open();
    model.ComRecordClick(5);  // Ctrl+Alt+F12, the play default
    EXPECT_EQ(Messages().back(), "HotKey Conflict with Begin/Stop Play\r\nPlease Select Another HotKey!");
    model.ComPlayClick(5);
    EXPECT_EQ(Messages().back(), "HotKey Conflict with Begin/Stop Record\r\nPlease Select Another HotKey!");
    EXPECT_EQ(model.Controls.ComRecord, 5);
    EXPECT_EQ(model.Controls.ComPlay, 5);
    EXPECT_EQ((HotkeyCode{model.Copy().Record1, model.Copy().Record2}),
              (HotkeyCode{model.Copy().Play1, model.Copy().Play2}));

    EXPECT_FALSE(model.FlatButton3Click());
    EXPECT_EQ(Messages().back(), "Play HotKey Conflict\r\n");
    EXPECT_EQ(model.Controls.LabHotConflict, (std::array<bool, 5>{false, false, false, false, true}));
    EXPECT_EQ(model.LabHotColour(4), 255u);
    EXPECT_EQ(model.LabHotColour(3), 16777215u);
    EXPECT_EQ(live.Record1, 2) << "nothing stored";
    EXPECT_EQ(sim.hotkeys.RegisteredCount(), 0u);

    model.ComPlayClick(0);  // Ctrl+F12 is now free
    model.ComRecordClick(1);
    EXPECT_TRUE(model.FlatButton3Click());
    EXPECT_EQ(live.Play2, 123);
    EXPECT_EQ(live.Record2, 19);
}

TEST_F(SettingsDialog, ConflictOfTheLastRegistrationIsShownOnOpening) {
    live.ConflictText = "Enter Desktop 4 HotKey Conflict\r\n";
    live.HotkeyConflicts = {true, false, false, false, false};
    Open();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Enter Desktop 4 HotKey Conflict\r\n"});
    EXPECT_EQ(model.LabHotColour(0), 255u);

    // A key held by another program keeps the dialog open on OK.
    sim.hotkeys.HoldByOtherProgram(3, 100);
    EXPECT_FALSE(model.FlatButton3Click());
    EXPECT_EQ(Messages().back(), "Enter Desktop 4 HotKey Conflict\r\n");
}

TEST_F(SettingsDialog, FailedJpegImportKeepsTheOldWallpaperAndReports) {
    live.Desktop(2).Wallpaper = "C:\\windows\\old.bmp";
    sim.files.Put("C:\\windows\\old.bmp");
    sim.files.Put("D:\\photos\\broken.jpg", {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 'J'});
    Open();
    model.Controls.EdtWall = "D:\\art\\dune.bmp";
    model.ComDesktopClick(1);
    model.Controls.EdtWall = "D:\\photos\\broken.jpg";
    model.ComDesktopClick(0);
    model.CheckThreeClick(CommonCheck::ShowHelp, false);
    const engine::StoredSettings before = live.Stored();

    EXPECT_FALSE(model.FlatButton3Click());
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].message.rfind("Wallpaper of Vesk 2 can't be used:\r\n", 0), 0u) << prompt.asked[0].message;
    EXPECT_EQ(model.Controls.ComDesktop, 1) << "the page of the picture is shown";
    EXPECT_EQ(model.Controls.EdtWall, "D:\\photos\\broken.jpg");
    EXPECT_EQ(live.Stored(), before) << "nothing is half taken over";

    sim.files.Put("D:\\photos\\sea.jpg", testing::EncodeJpeg(testing::GradientPicture(8, 8)));
    model.Controls.EdtWall = "D:\\photos\\sea.jpg";
    ASSERT_TRUE(model.FlatButton3Click());
    EXPECT_EQ(live.Desktop(2).Wallpaper, "C:\\windows\\sea.bmp");
    EXPECT_TRUE(sim.files.Exists("C:\\windows\\sea.bmp"));
    EXPECT_EQ(live.Desktop(1).Wallpaper, "C:\\windows\\dune.bmp");
    EXPECT_FALSE(live.ShowHelp);

    // Unchanged wallpapers are not imported again: the chosen files may be gone.
    sim.files.Delete("D:\\photos\\sea.jpg");
    sim.files.Delete("D:\\art\\dune.bmp");
    SettingModel again{live, services, prompt};
    again.LoadCopy();
    again.FormShow();
    EXPECT_TRUE(again.FlatButton3Click());
    EXPECT_EQ(live.Desktop(2).Wallpaper, "C:\\windows\\sea.bmp");
}

TEST_F(SettingsDialog, StoredValuesTheListsDoNotOfferAreKeptOrAskedFor) {
    live.Desktop(1).TileWall = 7;
    live.Desktop(1).DesktopHot = 106;  // keypad '*', between the offered keys
    live.MaxSize = 0;
    Open();
    EXPECT_EQ(model.Controls.ComTileWall, -1);
    EXPECT_EQ(model.Controls.ComEnterHot, -1);
    EXPECT_EQ(model.Controls.EdtMove, "");
    EXPECT_EQ(model.Controls.SPMaxSize, 1);
    EXPECT_EQ(model.Copy().MaxSize, 1);

    EXPECT_FALSE(model.FlatButton3Click());
    EXPECT_EQ(Messages().back(), "HotKey must be Set!");
    model.ComEnterHotChange(25);
    ASSERT_TRUE(model.FlatButton3Click());
    EXPECT_EQ(live.Desktop(1).TileWall, 7);
    EXPECT_EQ(live.Desktop(1).DesktopHot, 90);
}

TEST_F(SettingsDialog, MaxSizeTextOutsideTheSpinRangeIsBounded) {
    Open();
    const struct {
        const char* text;
        int value;
    } cases[] = {{"512", 512}, {"abc", 1}, {"", 1}, {"12k", 1}, {"99999", 10240}, {"-5", 1}};
    for (const auto& c : cases) {
        model.SPMaxSizeChange(c.text);
        EXPECT_EQ(model.Copy().MaxSize, c.value) << c.text;
    }
}

}  // namespace
}  // namespace vesk::ui
