// A record file chosen for playback: read by RecordReader, then played
// through the recorder's hook the way the system drives it.
#include <array>
#include <cstdlib>
#include <cstring>

#include "platform/sim/sim_system.h"
#include "recorder/recorder.h"

using namespace vesk;

namespace {

const std::string kFile = "C:\\records\\macro.RKM";

class View : public recorder::RecorderView {
public:
    std::string RecordCaption() override { return record; }
    void SetRecordCaptions(const std::string& label, const std::string&) override { record = label; }
    std::string PlayCaption() override { return play; }
    void SetPlayCaptions(const std::string& label, const std::string&) override { play = label; }
    std::optional<std::string> ChooseFileToRecord() override { return kFile; }
    std::optional<std::string> ChooseFileToPlay() override { return kFile; }
    void HideMainWindow() override {}
    void SendRecordDone() override {
        ++done;
        recorder->RecordDone();
    }

    recorder::Recorder* recorder = nullptr;
    std::string record = recorder::kRecordIdle, play = recorder::kPlayIdle;
    int done = 0;
};

class Prompt : public engine::Prompt {
public:
    engine::PromptResult Ask(const std::string&, bool, const std::string&) override {
        return engine::PromptResult::Ok;
    }
    bool ShowWithNextTimeBox(const std::string&, bool ticked) override { return ticked; }
};

// The five little-endian words of 20 bytes.
bool Holds(const platform::JournalEvent& e, const std::uint8_t* bytes) {
    std::uint32_t words[5];
    for (int w = 0; w < 5; ++w) {
        words[w] = 0;
        for (int b = 0; b < 4; ++b) words[w] |= std::uint32_t{bytes[w * 4 + b]} << (8 * b);
    }
    return e.message == words[0] && e.paramL == words[1] && e.paramH == words[2] && e.time == words[3] &&
           e.hwnd == words[4];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::sim::SimSystem sim;
    sim.files.Put(kFile, std::vector<std::uint8_t>(data, data + size));
    const std::size_t records = (size + recorder::kRecordSize - 1) / recorder::kRecordSize;

    // Every 20 bytes make an event; a partial last one keeps the bytes it
    // lacks from the event before.
    recorder::RecordReader reader(sim.files.OpenForReading(kFile));
    platform::JournalEvent event;
    std::array<std::uint8_t, recorder::kRecordSize> expected{};
    std::size_t read = 0;
    for (; !reader.AtEnd() && read < records; ++read) {
        reader.ReadNext(event);
        const std::size_t at = read * recorder::kRecordSize;
        std::memcpy(expected.data(), data + at, std::min(recorder::kRecordSize, size - at));
        if (!Holds(event, expected.data())) std::abort();
    }
    if (read != records || !reader.AtEnd()) std::abort();

    // Playback hands out every record but the last, in order, each once.
    engine::TControlDesktop state;
    state.RecordHint = false;
    platform::Services services = sim.services();
    Prompt prompt;
    View view;
    recorder::Recorder player(state, services, prompt, view);
    view.recorder = &player;
    player.PlayCommand();
    if (!sim.hooks.playback) std::abort();
    std::size_t handed = 0;
    for (; sim.hooks.playback && handed <= records; ++handed) {
        platform::JournalEvent e;
        sim.hooks.playback->OnPlaybackHook(platform::kHookSkip, e);
        if (!sim.hooks.playback) break;
        sim.hooks.playback->OnPlaybackHook(platform::kHookGetNext, e);
        const std::size_t at = handed * recorder::kRecordSize;
        if (at + recorder::kRecordSize > size || !Holds(e, data + at)) std::abort();
        // Asked again for the same event, the system waits no second time.
        if (sim.hooks.playback->OnPlaybackHook(platform::kHookGetNext, e) != 0) std::abort();
    }
    if (handed != (records ? records - 1 : 0) || sim.hooks.Installed()) std::abort();
    if (view.done != 1 || view.play != recorder::kPlayIdle) std::abort();
    return 0;
}
