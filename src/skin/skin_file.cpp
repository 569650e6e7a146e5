#include "skin/skin_file.h"


namespace vesk::skin {
namespace {

constexpr std::int64_t kMaxImageLength = std::int64_t(1) << 31;

// Little-endian reader that reports the first field it cannot read whole.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool Need(std::size_t count, SkinResult& result) const {
        if (bytes_.size() - pos_ >= count) return true;
        result = {SkinStatus::Truncated, pos_};
        return false;
    }
    std::uint64_t pos() const { return pos_; }
    void Skip(std::size_t count) { pos_ += count; }
    std::int32_t I32() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= std::uint32_t(bytes_[pos_ + i]) << (8 * i);
        pos_ += 4;
        return static_cast<std::int32_t>(v);
    }
    std::int64_t I64() {
        std::uint64_t v = 0;
        for (int i = 0; i < 8; ++i) v |= std::uint64_t(bytes_[pos_ + i]) << (8 * i);
        pos_ += 8;
        return static_cast<std::int64_t>(v);
    }
    // A coordinate, checked against kMaxCoordinate; the caller has made
    // sure the bytes are there.
    bool Coordinate(std::int32_t& value, SkinResult& result) {
        const std::uint64_t at = pos_;
        value = I32();
        if (value >= -kMaxCoordinate && value <= kMaxCoordinate) return true;
        result = {SkinStatus::CoordinateOutOfRange, at};
        return false;
    }
    bool ReadPoint(Point& p, SkinResult& result) { return Coordinate(p.x, result) && Coordinate(p.y, result); }
    bool ReadRect(Rect& r, SkinResult& result) {
        return Coordinate(r.Left, result) && Coordinate(r.Top, result) && Coordinate(r.Right, result) &&
               Coordinate(r.Bottom, result);
    }
    std::vector<std::uint8_t> Bytes(std::size_t count) {
        std::vector<std::uint8_t> out(bytes_.begin() + pos_, bytes_.begin() + pos_ + count);
        pos_ += count;
        return out;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

// Reads a count and checks it against its limit before anything is sized by it.
bool ReadCount(Reader& in, std::size_t limit, SkinStatus tooMany, std::int32_t& count, SkinResult& result) {
    const std::uint64_t at = in.pos();
    if (!in.Need(4, result)) return false;
    count = in.I32();
    if (count < 0) result = {SkinStatus::NegativeCount, at};
    else if (std::size_t(count) > limit) result = {tooMany, at};
    return result.status == SkinStatus::Ok;
}

bool ReadPoints(Reader& in, std::int32_t count, std::vector<Point>& points, SkinResult& result) {
    if (!in.Need(std::size_t(count) * 8, result)) return false;
    points.resize(std::size_t(count));
    for (auto& p : points) {
        if (!in.ReadPoint(p, result)) return false;
    }
    return true;
}

bool ReadImageLength(Reader& in, std::int64_t& length, SkinResult& result) {
    const std::uint64_t at = in.pos();
    if (!in.Need(8, result)) return false;
    length = in.I64();
    if (length < 0 || length >= kMaxImageLength) {
        result = {SkinStatus::BadImageLength, at};
        return false;
    }
    return true;
}

struct Writer {
    std::vector<std::uint8_t> out;
    void I32(std::int32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(std::uint32_t(v) >> (8 * i)));
    }
    void I64(std::int64_t v) {
        for (int i = 0; i < 8; ++i) out.push_back(std::uint8_t(std::uint64_t(v) >> (8 * i)));
    }
    void Pt(Point p) {
        I32(p.x);
        I32(p.y);
    }
    void R(const Rect& r) {
        I32(r.Left);
        I32(r.Top);
        I32(r.Right);
        I32(r.Bottom);
    }
    void Bytes(const std::vector<std::uint8_t>& b) { out.insert(out.end(), b.begin(), b.end()); }
};

}  // namespace

const char* SkinStatusName(SkinStatus status) {
    switch (status) {
        case SkinStatus::Ok: return "ok";
        case SkinStatus::NoSource: return "no skin file and no executable given";
        case SkinStatus::Unreadable: return "file cannot be read";
        case SkinStatus::Truncated: return "file ends too early";
        case SkinStatus::NegativeCount: return "negative count";
        case SkinStatus::TooManyOutlinePoints: return "more than 151 outline points";
        case SkinStatus::TooManySelectorPolygons: return "more than 9 selector polygons";
        case SkinStatus::TooManySelectorPoints: return "more than 51 points in a selector polygon";
        case SkinStatus::BadImageLength: return "image length out of range";
        case SkinStatus::BadTrailer: return "appended skin length out of range";
        case SkinStatus::UndecodableImage: return "image is not a readable JPEG picture";
        case SkinStatus::CoordinateOutOfRange: return "a coordinate lies beyond 32767 pixels";
        case SkinStatus::PictureTooLarge: return "a picture is larger than the window it draws";
    }
    return "unknown";
}

SkinResult ParseSkinFile(std::span<const std::uint8_t> bytes, SkinFile& skin) {
    SkinResult result;
    Reader in(bytes);
    skin = {};
    if (!in.Need(sizeof kSkinMagic, result)) return result;
    in.Skip(sizeof kSkinMagic);

    std::int32_t count = 0;
    if (!ReadCount(in, kMaxOutlinePoints, SkinStatus::TooManyOutlinePoints, count, result)) return result;
    if (!ReadPoints(in, count, skin.outline, result)) return result;

    if (!in.Need((5 + kCommandRectCount) * 16, result)) return result;
    for (Rect* r : {&skin.drag, &skin.about, &skin.status, &skin.minimize, &skin.close}) {
        if (!in.ReadRect(*r, result)) return result;
    }
    for (auto& r : skin.commands) {
        if (!in.ReadRect(r, result)) return result;
    }

    std::int32_t polygons = 0;
    if (!ReadCount(in, kMaxSelectorPolygons, SkinStatus::TooManySelectorPolygons, polygons, result)) return result;
    if (!in.Need(16, result) || !in.ReadRect(skin.selector, result)) return result;
    skin.polygons.resize(std::size_t(polygons));
    for (auto& polygon : skin.polygons) {
        if (!ReadCount(in, kMaxSelectorPoints, SkinStatus::TooManySelectorPoints, count, result)) return result;
        if (!ReadPoints(in, count, polygon, result)) return result;
    }

    if (!in.Need(8, result) || !in.ReadPoint(skin.reserved, result)) return result;
    std::int64_t mainLength = 0, dialogLength = 0;
    if (!ReadImageLength(in, mainLength, result) || !ReadImageLength(in, dialogLength, result)) return result;
    if (!in.Need(std::size_t(mainLength), result)) return result;
    skin.mainJpeg = in.Bytes(std::size_t(mainLength));
    if (!in.Need(std::size_t(dialogLength), result)) return result;
    skin.dialogJpeg = in.Bytes(std::size_t(dialogLength));
    return result;
}

std::vector<std::uint8_t> SerializeSkinFile(const SkinFile& skin) {
    Writer w;
    w.out.assign(std::begin(kSkinMagic), std::end(kSkinMagic));
    w.I32(std::int32_t(skin.outline.size()));
    for (Point p : skin.outline) w.Pt(p);
    for (const Rect* r : {&skin.drag, &skin.about, &skin.status, &skin.minimize, &skin.close}) w.R(*r);
    for (const Rect& r : skin.commands) w.R(r);
    w.I32(std::int32_t(skin.polygons.size()));
    w.R(skin.selector);
    for (const auto& polygon : skin.polygons) {
        w.I32(std::int32_t(polygon.size()));
        for (Point p : polygon) w.Pt(p);
    }
    w.Pt(skin.reserved);
    w.I64(std::int64_t(skin.mainJpeg.size()));
    w.I64(std::int64_t(skin.dialogJpeg.size()));
    w.Bytes(skin.mainJpeg);
    w.Bytes(skin.dialogJpeg);
    return std::move(w.out);
}

SkinResult ReadAppendedLength(std::span<const std::uint8_t, kTrailerSize> trailer,
                              std::uint64_t fileSize, std::uint64_t& skinLength) {
    std::uint64_t length = 0;
    for (std::size_t i = 0; i < kTrailerSize; ++i) length |= std::uint64_t(trailer[i]) << (8 * i);
    if (fileSize < kTrailerSize || length > fileSize - kTrailerSize || length >= (1ull << 31)) {
        return {SkinStatus::BadTrailer, 0};
    }
    skinLength = length;
    return {};
}

std::array<std::uint8_t, kTrailerSize> MakeTrailer(std::uint64_t skinLength) {
    std::array<std::uint8_t, kTrailerSize> trailer{};
    for (std::size_t i = 0; i < kTrailerSize; ++i) trailer[i] = std::uint8_t(skinLength >> (8 * i));
    return trailer;
}

}  // namespace vesk::skin
