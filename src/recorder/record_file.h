#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "platform/files.h"
#include "platform/input_hooks.h"

namespace vesk::recorder {

using RecordEvent = platform::JournalEvent;

// A record file is a bare sequence of 20-byte little-endian events.
inline constexpr std::size_t kRecordSize = 20;
std::array<std::uint8_t, kRecordSize> EncodeRecord(const RecordEvent& event);
// Decodes the first `length` bytes over `event`; the rest keep their values.
void DecodeRecord(const std::uint8_t* bytes, std::size_t length, RecordEvent& event);

// Appends one event per write. The size is counted here rather than asked of
// the system after every event: the record hook runs for every input event
// of the whole system.
class RecordWriter {
public:
    explicit RecordWriter(std::unique_ptr<platform::OutputFile> file) : file_(std::move(file)) {}
    bool Append(const RecordEvent& event);
    // Takes the records from `size` bytes on off the end again.
    bool CutTo(std::uint64_t size);
    std::uint64_t size() const { return size_; }  // bytes

private:
    std::unique_ptr<platform::OutputFile> file_;
    std::uint64_t size_ = 0;
};

// Reads events in sequence. A partial last record is read like the others
// but leaves the bytes it lacks as they were.
class RecordReader {
public:
    explicit RecordReader(std::unique_ptr<platform::InputFile> file);
    void ReadNext(RecordEvent& event);
    bool AtEnd() const { return position_ >= size_; }

private:
    std::unique_ptr<platform::InputFile> file_;
    std::uint64_t position_ = 0;  // bytes
    std::uint64_t size_ = 0;      // bytes, taken when opened
};

}  // namespace vesk::recorder
