#include "recorder/record_file.h"

namespace vesk::recorder {
namespace {

std::uint32_t* Field(RecordEvent& e, std::size_t index) {
    std::uint32_t* fields[] = {&e.message, &e.paramL, &e.paramH, &e.time, &e.hwnd};
    return fields[index];
}

}  // namespace

std::array<std::uint8_t, kRecordSize> EncodeRecord(const RecordEvent& event) {
    const std::uint32_t fields[] = {event.message, event.paramL, event.paramH, event.time, event.hwnd};
    std::array<std::uint8_t, kRecordSize> bytes{};
    for (std::size_t f = 0; f < 5; ++f) {
        for (std::size_t b = 0; b < 4; ++b) bytes[f * 4 + b] = std::uint8_t(fields[f] >> (8 * b));
    }
    return bytes;
}

void DecodeRecord(const std::uint8_t* bytes, std::size_t length, RecordEvent& event) {
    for (std::size_t i = 0; i < length && i < kRecordSize; ++i) {
        std::uint32_t& field = *Field(event, i / 4);
        const unsigned shift = 8 * (i % 4);
        field = (field & ~(0xFFu << shift)) | (std::uint32_t(bytes[i]) << shift);
    }
}

bool RecordWriter::Append(const RecordEvent& event) {
    const auto bytes = EncodeRecord(event);
    if (!file_->Write(bytes)) return false;
    size_ += bytes.size();
    return true;
}

bool RecordWriter::CutTo(std::uint64_t size) {
    if (size >= size_) return true;
    if (!file_->Truncate(size)) return false;
    size_ = size;
    return true;
}

RecordReader::RecordReader(std::unique_ptr<platform::InputFile> file)
    : file_(std::move(file)), size_(file_->Size()) {}

void RecordReader::ReadNext(RecordEvent& event) {
    std::array<std::uint8_t, kRecordSize> bytes{};
    const std::size_t got = file_->Read(bytes);
    DecodeRecord(bytes.data(), got, event);
    position_ += got;
    if (got == 0) position_ = size_;  // the file shrank under us: treat as its end
}

}  // namespace vesk::recorder
