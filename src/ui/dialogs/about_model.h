#pragma once
#include <string>

#include "platform/regions.h"
#include "platform/shell.h"

namespace vesk::ui {

inline constexpr const char* kWebSiteAddress = "https://github.com/vesk-desktops/vesk#readme";
// The address as Label3 shows it: the whole one does not fit beside the
// picture in the window's 433 pixels.
inline constexpr const char* kWebSiteText = "github.com/vesk-desktops/vesk";
inline constexpr const char* kSupportMailAddress = "support@vesk-desktops.org";

// The decisions of the About window (TAboutFrm): where it opens and what its
// two links hand to the shell. A link the shell cannot open is not reported.
class AboutModel {
public:
    explicit AboutModel(platform::Shell& shell) : shell_(shell) {}

    // Label3 names the web page, Label5 shows the mail address itself.
    const std::string Label3 = kWebSiteText;
    const std::string Label5 = kSupportMailAddress;

    // Top-left of the window in screen pixels: its right edge on the main
    // window's right edge, its top level with the main window's top.
    static platform::Point Placement(const platform::Point& mainTopLeft, int mainWidth, int ownWidth);

    // Label3: the web page (kWebSiteAddress) in the default browser.
    void FlatButton1Click();
    // Label5: a new mail to the support address.
    void Label5Click();

private:
    platform::Shell& shell_;
};

}  // namespace vesk::ui
