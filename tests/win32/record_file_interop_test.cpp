// Record files are one format for the PE32 and the PE32+ program. The two
// files beside this test were recorded by each build's own record hook
// (keys V, E, S, K and the extended Right arrow typed with SendInput, then a
// pointer move, as InputRecordPlayTest records them): each build must read
// both as the same keys, and write the same bytes back.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/win32_system.h"
#include "recorder/record_file.h"
#include "temp_folder.h"

namespace vesk::test {
namespace {

using platform::JournalEvent;

struct Stroke {
    std::uint32_t message;
    std::uint32_t virtualKey;
    bool extended;
    bool operator==(const Stroke&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Stroke& s) {
    return out << std::hex << s.message << " " << s.virtualKey << (s.extended ? " extended" : "");
}

class RecordFileOfEitherBuild : public ::testing::TestWithParam<const char*> {
protected:
    std::string FixturePath() const {
        const std::string exe = files.ExecutablePath();
        return exe.substr(0, exe.find_last_of('\\') + 1) + "test-data\\" + GetParam();
    }

    platform::win32::Win32System system;
    platform::Files& files = system.services().files;
};

TEST_P(RecordFileOfEitherBuild, ReadsAsTheTypedKeysAndWritesBackTheSameBytes) {
    const auto original = files.ReadAll(FixturePath());
    ASSERT_TRUE(original) << FixturePath() << " is put beside the test program by the build";
    ASSERT_EQ(original->size() % recorder::kRecordSize, 0u);

    std::vector<JournalEvent> events;
    recorder::RecordReader reader(files.OpenForReading(FixturePath()));
    while (!reader.AtEnd()) reader.ReadNext(events.emplace_back());

    std::vector<Stroke> strokes;
    for (const JournalEvent& e : events) {
        if (e.message == WM_KEYDOWN || e.message == WM_KEYUP) {
            strokes.push_back({e.message, e.paramL & 0xFF, (e.paramH & 0x8000) != 0});
        }
    }
    std::vector<Stroke> typed;
    for (std::uint32_t key : {std::uint32_t{'V'}, std::uint32_t{'E'}, std::uint32_t{'S'}, std::uint32_t{'K'},
                              std::uint32_t{VK_RIGHT}}) {
        for (std::uint32_t message : {WM_KEYDOWN, WM_KEYUP}) typed.push_back({message, key, key == VK_RIGHT});
    }
    EXPECT_EQ(strokes, typed);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().message, static_cast<std::uint32_t>(WM_MOUSEMOVE));
    for (std::size_t i = 1; i < events.size(); ++i) EXPECT_LE(events[i - 1].time, events[i].time) << "record " << i;

    TempFolder folder{"interop"};
    const std::string copy = folder.In("copy.RKM");
    {
        recorder::RecordWriter writer(files.Create(copy));
        for (const JournalEvent& e : events) ASSERT_TRUE(writer.Append(e));
    }
    EXPECT_EQ(files.ReadAll(copy), original);
}

INSTANTIATE_TEST_SUITE_P(Builds, RecordFileOfEitherBuild,
                         ::testing::Values("recorded-by-pe32.RKM", "recorded-by-pe32plus.RKM"),
                         [](const auto& info) { return std::string(info.index == 0 ? "PE32" : "PE32plus"); });

}  // namespace
}  // namespace vesk::test
