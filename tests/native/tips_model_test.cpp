#include <gtest/gtest.h>

#include <cstdio>

#include "platform/sim/sim_system.h"
#include "ui/dialogs/tips_model.h"

namespace vesk::ui {
namespace {

using Memo = std::array<std::string, 3>;

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// "L0\r\nL1\r\n…" with the given number of lines.
std::string NumberedLines(int count, const char* lineBreak = "\r\n") {
    std::string text;
    for (int i = 0; i < count; ++i) text += "L" + std::to_string(i) + lineBreak;
    return text;
}

Memo Tip(int first) {
    return {"L" + std::to_string(first), "L" + std::to_string(first + 1), "L" + std::to_string(first + 2)};
}

class TipsWindow : public ::testing::Test {
protected:
    TipsWindow() { live.ProgramDir = "C:\\Vesk\\"; }
    void Show(const std::string& content) {
        sim.files.Put("C:\\Vesk\\Tips.txt", Bytes(content));
        tips.FormShow();
    }
    std::array<bool, 4> Buttons() const {  // First, Prior, Next, Last
        return {tips.FirstEnabled, tips.PriorEnabled, tips.NextEnabled, tips.LastEnabled};
    }

    platform::sim::SimSystem sim;
    engine::TControlDesktop live;
    TipsModel tips{live, sim.files};
};

TEST_F(TipsWindow, NineLinesStepThroughThreeTips) {
    Show(NumberedLines(9));
    EXPECT_EQ(tips.Memo1, Tip(0));
    EXPECT_FALSE(tips.PriorEnabled);
    EXPECT_TRUE(tips.NextEnabled);

    tips.FlatButton3Click();
    tips.FlatButton3Click();
    EXPECT_EQ(tips.Memo1, Tip(6));
    EXPECT_FALSE(tips.NextEnabled);
    EXPECT_TRUE(tips.PriorEnabled);
    tips.FlatButton3Click();
    EXPECT_EQ(tips.Position(), 6) << "no step past the last tip";

    tips.FlatButton4Click();
    EXPECT_EQ(tips.Memo1, Tip(3));
    EXPECT_TRUE(tips.NextEnabled);

    tips.FlatButton6Click();
    EXPECT_EQ(tips.Memo1, Tip(6));
    EXPECT_EQ(Buttons(), (std::array<bool, 4>{true, true, false, true}));
    tips.FlatButton5Click();
    EXPECT_EQ(tips.Memo1, Tip(0));
    EXPECT_EQ(Buttons(), (std::array<bool, 4>{true, false, true, true}));
    tips.FlatButton4Click();
    EXPECT_EQ(tips.Position(), 0);
}

TEST_F(TipsWindow, OneTipDisablesBothStepsUntilFirstEnablesNext) {
    Show(NumberedLines(3));
    EXPECT_EQ(tips.Memo1, Tip(0));
    EXPECT_FALSE(tips.NextEnabled);
    EXPECT_FALSE(tips.PriorEnabled);
    tips.FlatButton5Click();
    EXPECT_TRUE(tips.NextEnabled);
    tips.FlatButton3Click();
    EXPECT_EQ(tips.Position(), 0);
    EXPECT_EQ(tips.Memo1, Tip(0));
}

TEST_F(TipsWindow, EmptyFileShowsNothingAndNoButtonMoves) {
    Show("");
    const Memo blank{" ", " ", " "};
    for (auto press : {&TipsModel::FlatButton3Click, &TipsModel::FlatButton4Click, &TipsModel::FlatButton5Click,
                       &TipsModel::FlatButton6Click}) {
        (tips.*press)();
        EXPECT_EQ(tips.Memo1, blank);
        EXPECT_EQ(tips.Position(), -3);
    }
}

TEST_F(TipsWindow, AnUnfinishedLastTipIsLeftOut) {
    Show(NumberedLines(10));
    EXPECT_EQ(tips.LineCount(), 9);
    tips.FlatButton6Click();
    EXPECT_EQ(tips.Memo1, Tip(6));
    tips.FlatButton5Click();
    tips.FlatButton3Click();
    tips.FlatButton3Click();
    EXPECT_EQ(tips.Position(), 6);
    EXPECT_FALSE(tips.NextEnabled);

    // Fewer lines than one tip: nothing to show at all.
    TipsModel shortFile{live, sim.files};
    sim.files.Put("C:\\Vesk\\Tips.txt", Bytes("only\r\ntwo\r\n"));
    shortFile.FormShow();
    shortFile.FlatButton6Click();
    EXPECT_EQ(shortFile.Memo1, (Memo{" ", " ", " "}));
}

TEST_F(TipsWindow, MissingFileDisablesEveryStep) {
    tips.FormShow();
    EXPECT_EQ(Buttons(), (std::array<bool, 4>{false, false, false, false}));
    EXPECT_EQ(tips.Memo1, (Memo{" ", " ", " "}));
}

TEST(TipsFile, LinesEndInCrLfLfOrCr) {
    const std::vector<std::string> expected{"a", "", "b", "c"};
    EXPECT_EQ(SplitLines(Bytes("a\r\n\r\nb\r\nc\r\n")), expected);
    EXPECT_EQ(SplitLines(Bytes("a\n\nb\nc")), expected);
    EXPECT_EQ(SplitLines(Bytes("a\r\rb\rc\r")), expected);
    EXPECT_EQ(SplitLines(Bytes("\xEF\xBB\xBF" "a\n\nb\nc\n")), expected);
    EXPECT_TRUE(SplitLines({}).empty());
}

// The source tree's assets/Tips.txt, found from this file's own path.
std::string ShippedTipsPath() {
    const std::string self = __FILE__;
    return self.substr(0, self.rfind("tests")) + "assets/Tips.txt";
}

TEST(TipsFile, TheShippedTipsAreWholeShortTips) {
    const std::string path = ShippedTipsPath();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr) << path;
    std::vector<std::uint8_t> bytes;
    for (int c; (c = std::fgetc(file)) != EOF;) bytes.push_back(static_cast<std::uint8_t>(c));
    std::fclose(file);
    const auto lines = SplitLines(bytes);
    EXPECT_EQ(lines.size() % 3, 0u);
    EXPECT_GE(lines.size() / 3, 12u);
    for (const auto& line : lines) EXPECT_LE(line.size(), 52u) << "wraps in the tips window: " << line;
}

}  // namespace
}  // namespace vesk::ui
