#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/regions.h"

namespace vesk::skin {

using platform::Point;

// Right and Bottom lie outside the rectangle.
struct Rect {
    std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool Contains(Point p) const { return p.x >= Left && p.x < Right && p.y >= Top && p.y < Bottom; }
    std::int32_t Width() const { return Right - Left; }
    std::int32_t Height() const { return Bottom - Top; }
    bool operator==(const Rect&) const = default;
};

inline constexpr std::size_t kMaxOutlinePoints = 151;
inline constexpr std::size_t kMaxSelectorPolygons = 9;
inline constexpr std::size_t kMaxSelectorPoints = 51;
inline constexpr std::size_t kCommandRectCount = 14;
inline constexpr std::size_t kTrailerSize = 8;
// Every coordinate of a skin lies within this distance of 0, so that no sum
// or difference of two of them can overflow 32 bits.
inline constexpr std::int32_t kMaxCoordinate = 32767;  // pixels
// The largest pictures a skin may bring: a window no one would make larger
// at 96 DPI, and a title strip a few lines high. A few kilobytes of JPEG may
// claim them, so they also bound the time a skin can take to decode.
inline constexpr std::int32_t kMaxMainPictureSide = 2048;  // pixels
inline constexpr std::int32_t kMaxTitleWidth = 4096, kMaxTitleHeight = 256;  // pixels
inline constexpr char kSkinMagic[3] = {'Q', 'S', 'K'};

// A skin as stored: every coordinate in main-image pixels, the selector
// polygons included.
struct SkinFile {
    std::vector<Point> outline;
    Rect drag, about, status, minimize, close;
    std::array<Rect, kCommandRectCount> commands{};
    Rect selector;
    std::vector<std::vector<Point>> polygons;
    Point reserved;
    std::vector<std::uint8_t> mainJpeg;
    std::vector<std::uint8_t> dialogJpeg;
};

enum class SkinStatus {
    Ok,
    NoSource,                 // neither a skin file nor an executable was named
    Unreadable,               // the file could not be opened or read
    Truncated,                // the data ends before the field at offset
    NegativeCount,            // a point or polygon count below zero
    TooManyOutlinePoints,     // more than kMaxOutlinePoints
    TooManySelectorPolygons,  // more than kMaxSelectorPolygons
    TooManySelectorPoints,    // more than kMaxSelectorPoints in one polygon
    BadImageLength,           // negative, or 2^31 bytes or more
    BadTrailer,               // the appended length does not fit the executable
    UndecodableImage,         // the JPEG decoder refused an image
    CoordinateOutOfRange,     // a point or rectangle beyond kMaxCoordinate
    PictureTooLarge,          // a picture over its limit or wider or higher than the outline
};

const char* SkinStatusName(SkinStatus status);

// What went wrong and where: offset counts bytes from the skin's magic.
struct SkinResult {
    SkinStatus status = SkinStatus::Ok;
    std::uint64_t offset = 0;
    explicit operator bool() const { return status == SkinStatus::Ok; }
};

// Parses a skin that starts with its magic; the magic itself is not checked
// (an appended skin's magic is skipped unread).
SkinResult ParseSkinFile(std::span<const std::uint8_t> bytes, SkinFile& skin);

// The bytes of a skin, magic first, without trailer.
std::vector<std::uint8_t> SerializeSkinFile(const SkinFile& skin);

// Length of the skin appended before the last 8 bytes of an executable of
// fileSize bytes, read from those 8 bytes.
SkinResult ReadAppendedLength(std::span<const std::uint8_t, kTrailerSize> trailer,
                              std::uint64_t fileSize, std::uint64_t& skinLength);

std::array<std::uint8_t, kTrailerSize> MakeTrailer(std::uint64_t skinLength);

}  // namespace vesk::skin
