#pragma once
#include <string>

#include "engine/desktop_view.h"
#include "engine/prompt.h"

// What the benchmarks give the engine in place of the main window: every
// question answered OK, nothing drawn.
namespace vesk::bench {

class OkPrompt : public engine::Prompt {
public:
    engine::PromptResult Ask(const std::string&, bool, const std::string&) override { return engine::PromptResult::Ok; }
    bool ShowWithNextTimeBox(const std::string&, bool ticked) override { return ticked; }
};

class NoView : public engine::DesktopView {
public:
    void DrawSelectorOutline(int, bool) override {}
    void SetStatusText(const std::string&) override {}
    void SetIconsCommandCaption(const std::string&) override {}
    void SetTaskbarCommandCaption(const std::string&) override {}
    void SetMusicCommandCaption(const std::string&) override {}
    void DesktopEntered(int) override {}
};

}  // namespace vesk::bench
