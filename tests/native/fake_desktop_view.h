#pragma once
#include <string>
#include <vector>

#include "engine/desktop_view.h"

namespace vesk::testing {

class FakeDesktopView : public engine::DesktopView {
public:
    void DrawSelectorOutline(int desktop, bool current) override {
        outlines.push_back(std::to_string(desktop) + (current ? " red" : " black"));
    }
    void SetStatusText(const std::string& text) override { status = text; }
    void SetIconsCommandCaption(const std::string& caption) override { iconsCaption = caption; }
    void SetTaskbarCommandCaption(const std::string& caption) override { taskbarCaption = caption; }
    void SetMusicCommandCaption(const std::string& caption) override { musicCaption = caption; }
    void DesktopEntered(int desktop) override { entered.push_back(desktop); }

    std::vector<std::string> outlines;
    std::vector<int> entered;
    std::string status, iconsCaption = "Hide Desk", taskbarCaption = "Hide TaskBar", musicCaption;
};

}  // namespace vesk::testing
