// Tips.txt as it may lie beside the program: every button of the tips window
// keeps to whole tips of three lines, and stepping through them ends at the
// last tip one way and at the first the other.
#include <cstdlib>

#include "platform/sim/sim_system.h"
#include "ui/dialogs/tips_model.h"

using namespace vesk;

namespace {

void Check(const ui::TipsModel& tips, const std::vector<std::string>& lines) {
    const int count = tips.LineCount();
    if (count % ui::kLinesPerTip != 0 || count > static_cast<int>(lines.size())) std::abort();
    for (const std::string& line : tips.Memo1) {
        if (line.find_first_of("\r\n") != std::string::npos) std::abort();
    }
    if (count == 0) return;
    if (tips.Position() < 0 || tips.Position() > count - ui::kLinesPerTip) std::abort();
    for (int i = 0; i < ui::kLinesPerTip; ++i) {
        if (tips.Memo1[static_cast<std::size_t>(i)] != lines[static_cast<std::size_t>(tips.Position() + i)]) {
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    platform::sim::SimSystem sim;
    engine::TControlDesktop live;
    live.ProgramDir = "C:\\Vesk\\";
    sim.files.Put(live.ProgramDir + ui::kTipsFileName, bytes);
    const std::vector<std::string> lines = ui::SplitLines(bytes);

    ui::TipsModel tips(live, sim.files);
    tips.FormShow();
    Check(tips, lines);
    const int tipCount = tips.LineCount() / ui::kLinesPerTip;
    for (int guard = 0; tips.NextEnabled && guard <= tipCount; ++guard) {
        tips.FlatButton3Click();
        Check(tips, lines);
    }
    if (tipCount > 0 && tips.Position() != tips.LineCount() - ui::kLinesPerTip) std::abort();
    tips.FlatButton6Click();
    Check(tips, lines);
    for (int guard = 0; tips.PriorEnabled && guard <= tipCount; ++guard) {
        tips.FlatButton4Click();
        Check(tips, lines);
    }
    if (tipCount > 0 && tips.Position() != 0) std::abort();
    tips.FlatButton5Click();
    Check(tips, lines);
    return 0;
}
