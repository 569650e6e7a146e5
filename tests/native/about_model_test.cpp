#include <gtest/gtest.h>

#include "platform/sim/sim_shell.h"
#include "ui/dialogs/about_model.h"

namespace vesk::ui {
namespace {

using Opened = std::vector<std::string>;

TEST(AboutWindow, OpensWithItsRightEdgeOnTheMainWindowsAndTopsLevel) {
    const platform::Point placed = AboutModel::Placement({100, 50}, 540, 433);
    EXPECT_EQ(placed.x, 207);
    EXPECT_EQ(placed.y, 50);

    const platform::Point offScreen = AboutModel::Placement({-300, -20}, 540, 433);
    EXPECT_EQ(offScreen.x + 433, -300 + 540) << "wherever the main window stands";
    EXPECT_EQ(offScreen.y, -20);
}

TEST(AboutWindow, WebLinkOpensTheReadmeAndMailLinkStartsAMailToTheAddressItShows) {
    platform::sim::SimShell shell;
    AboutModel about{shell};
    about.FlatButton1Click();
    about.Label5Click();
    EXPECT_EQ(shell.opened, (Opened{"https://github.com/vesk-desktops/vesk#readme", "mailto:support@vesk-desktops.org"}));
    EXPECT_EQ(about.Label5, "support@vesk-desktops.org");
    EXPECT_EQ("https://" + about.Label3, std::string(kWebSiteAddress).substr(0, 8 + about.Label3.size()))
        << "the shown text names the page that opens";
}

}  // namespace
}  // namespace vesk::ui
