// Recording runs for every input event of the whole system: one event should
// cost little more than the 20-byte write it makes.
#include <benchmark/benchmark.h>

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

void BM_BareWrite20(benchmark::State& state) {
    PosixOutputFile file;
    const std::uint8_t bytes[20] = {1, 2, 3};
    for (auto _ : state) benchmark::DoNotOptimize(file.Write(bytes));
}
BENCHMARK(BM_BareWrite20);

void BM_RecordOneEvent(benchmark::State& state) {
    recorder::RecordWriter writer(std::make_unique<PosixOutputFile>());
    recorder::RecordTrim trim;
    platform::JournalEvent event{0x100, 65, 30, 5000, 0x1234};
    const std::uint64_t limit = std::uint64_t(1) << 40;
    for (auto _ : state) {
        ++event.time;
        if (trim.Keep(event, writer.size())) writer.Append(event);
        benchmark::DoNotOptimize(writer.size() >= limit);
    }
}
BENCHMARK(BM_RecordOneEvent);

}  // namespace
