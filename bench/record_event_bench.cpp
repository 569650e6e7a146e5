// Recording runs for every input event of the whole system: one event should
// cost little more than the 20-byte write it makes.
#include <benchmark/benchmark.h>

#include <chrono>

#include <fcntl.h>
#include <unistd.h>

#include "platform/sim/sim_system.h"
#include "recorder/recorder.h"

namespace {

using namespace vesk;

// A real file on the build machine, so the comparison is against a system call.
class PosixOutputFile : public platform::OutputFile {
public:
    PosixOutputFile() : fd_(::open("/dev/null", O_WRONLY)) {}
    ~PosixOutputFile() override { ::close(fd_); }
    bool Write(std::span<const std::uint8_t> bytes) override {
        return ::write(fd_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }
    bool Truncate(std::uint64_t size) override { return ::ftruncate(fd_, static_cast<off_t>(size)) == 0; }

private:
    int fd_;
};

// The event and the bare write take turns in blocks, and each block is timed:
// on a shared machine the same system call runs a quarter slower for seconds
// at a time, which made two separately run benchmarks disagree by as much as
// the limit between them.
void BM_RecordOneEventAgainstBareWrite(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    constexpr int kBlock = 256;  // writes per timed block, about 60 microseconds
    PosixOutputFile bareFile;
    const std::uint8_t bytes[20] = {1, 2, 3};
    recorder::RecordWriter writer(std::make_unique<PosixOutputFile>());
    recorder::RecordTrim trim;
    platform::JournalEvent event{0x100, 65, 30, 5000, 0x1234};
    const std::uint64_t limit = std::uint64_t(1) << 40;
    Clock::duration bare{}, recorded{};
    for (auto _ : state) {
        const auto start = Clock::now();
        for (int i = 0; i < kBlock; ++i) benchmark::DoNotOptimize(bareFile.Write(bytes));
        const auto bareDone = Clock::now();
        for (int i = 0; i < kBlock; ++i) {
            ++event.time;
            if (trim.Keep(event, writer.size())) writer.Append(event);
            benchmark::DoNotOptimize(writer.size() >= limit);
        }
        recorded += Clock::now() - bareDone;
        bare += bareDone - start;
    }
    const double writes = double(state.iterations()) * kBlock;
    state.counters["bare_write_ns"] = std::chrono::duration<double, std::nano>(bare).count() / writes;
    state.counters["record_event_ns"] = std::chrono::duration<double, std::nano>(recorded).count() / writes;
}
BENCHMARK(BM_RecordOneEventAgainstBareWrite);

}  // namespace
