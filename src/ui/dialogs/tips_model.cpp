#include "ui/dialogs/tips_model.h"

namespace vesk::ui {

std::vector<std::string> SplitLines(const std::vector<std::uint8_t>& bytes) {
    std::string text(bytes.begin(), bytes.end());
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        lines.push_back(std::move(line));
        line.clear();
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

TipsModel::TipsModel(engine::TControlDesktop& live, platform::Files& files) : live_(live), files_(files) {}

void TipsModel::FormShow() {
    const auto bytes = files_.ReadAll(live_.ProgramDir + kTipsFileName);
    if (!bytes) {
        FirstEnabled = PriorEnabled = NextEnabled = LastEnabled = false;
        return;
    }
    lines_ = SplitLines(*bytes);
    // A tip is always three lines; an unfinished last one is left out.
    lines_.resize(lines_.size() - lines_.size() % kLinesPerTip);
    position_ = -kLinesPerTip;
    FlatButton3Click();
    PriorEnabled = false;
}

void TipsModel::FlatButton3Click() {
    if (position_ >= LineCount() - kLinesPerTip) return;
    position_ += kLinesPerTip;
    ShowTip();
    if (LineCount() == position_ + kLinesPerTip) NextEnabled = false;
    PriorEnabled = true;
}

void TipsModel::FlatButton4Click() {
    if (position_ <= 0) return;
    position_ -= kLinesPerTip;
    ShowTip();
    if (position_ == 0) PriorEnabled = false;
    NextEnabled = true;
}

void TipsModel::FlatButton5Click() {
    if (LineCount() < kLinesPerTip) return;
    position_ = 0;
    ShowTip();
    PriorEnabled = false;
    NextEnabled = true;
}

void TipsModel::FlatButton6Click() {
    if (LineCount() < kLinesPerTip) return;
    position_ = LineCount() - kLinesPerTip;
    ShowTip();
    NextEnabled = false;
    PriorEnabled = true;
}

void TipsModel::CheckNextClick(bool ticked) {
    CheckNext = ticked;
    live_.ShowHelp = ticked;
}

void TipsModel::ShowTip() {
    for (int i = 0; i < kLinesPerTip; ++i) Memo1[static_cast<std::size_t>(i)] = lines_[static_cast<std::size_t>(position_ + i)];
}

}  // namespace vesk::ui
