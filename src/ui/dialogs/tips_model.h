#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/control_desktop.h"
#include "platform/files.h"

namespace vesk::ui {

inline constexpr const char* kTipsFileName = "Tips.txt";
inline constexpr int kLinesPerTip = 3;

// The decisions of the tips window (THelpFrm): which three lines Memo1 shows
// and which navigation buttons are enabled. The form shows the fields after
// every handler.
class TipsModel {
public:
    TipsModel(engine::TControlDesktop& live, platform::Files& files);

    std::array<std::string, kLinesPerTip> Memo1{" ", " ", " "};
    bool FirstEnabled = true;  // FlatButton5 "&First"
    bool PriorEnabled = true;  // FlatButton4 "&Prior"
    bool NextEnabled = true;   // FlatButton3 "&Next"
    bool LastEnabled = true;   // FlatButton6 "&Last"
    bool CheckNext = true;     // "Show Next Time"

    // Reads Tips.txt beside the executable and shows the first tip; without
    // the file every navigation button is disabled.
    void FormShow();
    void FlatButton3Click();  // next tip
    void FlatButton4Click();  // previous tip
    void FlatButton5Click();  // first tip
    void FlatButton6Click();  // last tip
    // Takes effect on the live ShowHelp at once.
    void CheckNextClick(bool ticked);

    // First line of the tip on screen; -3 before the first one is shown.
    int Position() const { return position_; }
    // Lines of whole tips only.
    int LineCount() const { return static_cast<int>(lines_.size()); }

private:
    void ShowTip();

    engine::TControlDesktop& live_;
    platform::Files& files_;
    std::vector<std::string> lines_;
    int position_ = 0;
};

// The lines of a text file whose lines end in CR LF, LF or CR; a UTF-8 byte
// order mark is dropped and a final line break ends the last line.
std::vector<std::string> SplitLines(const std::vector<std::uint8_t>& bytes);

}  // namespace vesk::ui
