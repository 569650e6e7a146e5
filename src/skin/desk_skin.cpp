#include "skin/desk_skin.h"

#include <algorithm>
#include <cstring>

#include "image/jpeg_decoder.h"

namespace vesk::skin {
namespace {

struct DecodedSkin {
    SkinFile file;
    image::RgbImage main;
    image::RgbImage dialog;
};

// Pictures are measured before they are decoded: a few bytes of header can
// declare a picture that takes seconds and hundreds of megabytes to decode.
// The main picture may be no larger than the window its outline makes.
SkinResult CheckPictureSizes(const SkinFile& f, std::uint64_t mainOffset) {
    const std::uint64_t dialogOffset = mainOffset + f.mainJpeg.size();
    int width = 0, height = 0;
    if (!image::ReadJpegSize(f.mainJpeg, width, height)) return {SkinStatus::UndecodableImage, mainOffset};
    std::int32_t right = f.outline.empty() ? kMaxMainPictureSide : 0;
    std::int32_t bottom = right;
    for (Point p : f.outline) right = std::max(right, p.x), bottom = std::max(bottom, p.y);
    if (width > std::min(right, kMaxMainPictureSide) || height > std::min(bottom, kMaxMainPictureSide)) return {SkinStatus::PictureTooLarge, mainOffset};
    if (!image::ReadJpegSize(f.dialogJpeg, width, height)) return {SkinStatus::UndecodableImage, dialogOffset};
    if (width > kMaxTitleWidth || height > kMaxTitleHeight) return {SkinStatus::PictureTooLarge, dialogOffset};
    return {};
}

SkinResult Decode(const std::vector<std::uint8_t>& bytes, DecodedSkin& out) {
    SkinResult result = ParseSkinFile(bytes, out.file);
    if (!result) return result;
    const std::uint64_t mainOffset = bytes.size() - out.file.dialogJpeg.size() - out.file.mainJpeg.size();
    if (result = CheckPictureSizes(out.file, mainOffset); !result) return result;
    if (!image::DecodeJpeg(out.file.mainJpeg, out.main)) return {SkinStatus::UndecodableImage, mainOffset};
    if (!image::DecodeJpeg(out.file.dialogJpeg, out.dialog)) {
        return {SkinStatus::UndecodableImage, mainOffset + out.file.mainJpeg.size()};
    }
    return {};
}

SkinResult ReadAppendedSkin(const std::string& exePath, platform::Files& files, std::vector<std::uint8_t>& bytes) {
    const auto size = files.Size(exePath);
    if (!size) return {SkinStatus::Unreadable, 0};
    if (*size < kTrailerSize) return {SkinStatus::BadTrailer, 0};
    const auto trailer = files.ReadRange(exePath, *size - kTrailerSize, kTrailerSize);
    if (!trailer) return {SkinStatus::Unreadable, 0};
    std::uint64_t length = 0;
    const SkinResult result =
        ReadAppendedLength(std::span<const std::uint8_t, kTrailerSize>(trailer->data(), kTrailerSize), *size, length);
    if (!result) return result;
    auto skin = files.ReadRange(exePath, *size - kTrailerSize - length, static_cast<std::uint32_t>(length));
    if (!skin) return {SkinStatus::Unreadable, 0};
    bytes = std::move(*skin);
    return {};
}

// Reads the stand-alone skin when it is there and starts with the magic;
// records what it found in Magic either way.
bool ReadStandaloneSkin(const std::string& skinPath, platform::Files& files, TDeskSkin& skin,
                        std::vector<std::uint8_t>& bytes) {
    if (skinPath.empty() || !files.Exists(skinPath)) {
        skin.Magic = {'E', 'R', 'R'};
        return false;
    }
    auto content = files.ReadAll(skinPath);
    skin.Magic = {};
    if (!content) return false;
    std::copy_n(content->begin(), std::min<std::size_t>(content->size(), 3), skin.Magic.begin());
    if (content->size() < 3 || std::memcmp(content->data(), kSkinMagic, 3) != 0) return false;
    bytes = std::move(*content);
    return true;
}

void Commit(DecodedSkin& decoded, platform::Regions& regions, TDeskSkin& skin, SkinRegions& skinRegions) {
    const SkinFile& f = decoded.file;
    skin.OutlineCount = static_cast<std::int32_t>(f.outline.size());
    std::copy(f.outline.begin(), f.outline.end(), skin.Outline.begin());
    skin.DragRect = f.drag;
    skin.AboutRect = f.about;
    skin.StatusRect = f.status;
    skin.MinimizeRect = f.minimize;
    skin.CloseRect = f.close;
    skin.CommandRects = f.commands;
    skin.SelectorCount = static_cast<std::int32_t>(f.polygons.size());
    skin.SelectorRect = f.selector;
    for (std::size_t i = 0; i < kMaxSelectorPolygons; ++i) {
        std::vector<Point> relative;
        if (i < f.polygons.size()) {
            for (Point p : f.polygons[i]) relative.push_back({p.x - f.selector.Left, p.y - f.selector.Top});
        }
        skin.SelectorPointCounts[i] = static_cast<std::int32_t>(relative.size());
        skin.SelectorPoints[i] = std::move(relative);
    }
    skin.ReservedPoint = f.reserved;
    skin.MainImageSize = static_cast<std::int64_t>(f.mainJpeg.size());
    skin.DialogImageSize = static_cast<std::int64_t>(f.dialogJpeg.size());
    MakeSkinRegions(skin, regions, skinRegions);
}

}  // namespace

void MakeSkinRegions(const TDeskSkin& skin, platform::Regions& regions, SkinRegions& skinRegions) {
    const std::vector<Point> outline(skin.Outline.begin(), skin.Outline.begin() + skin.OutlineCount);
    skinRegions[kOutlineRegion] = platform::ScopedRegion(regions, regions.CreatePolygon(outline));
    for (std::size_t i = 0; i < kMaxSelectorPolygons; ++i) {
        skinRegions[i] = static_cast<std::int32_t>(i) < skin.SelectorCount
                             ? platform::ScopedRegion(regions, regions.CreatePolygon(skin.SelectorPoints[i]))
                             : platform::ScopedRegion();
    }
}

SkinResult LoadSkin(const std::string& skinPath, const std::string& exePath, platform::Files& files,
                    platform::Regions& regions, TDeskSkin& skin, SkinRegions& skinRegions,
                    image::RgbImage& mainImage, image::RgbImage& dialogImage) {
    skin.Loaded = false;
    if (skinPath.empty() && exePath.empty()) return {SkinStatus::NoSource, 0};

    DecodedSkin decoded;
    std::vector<std::uint8_t> bytes;
    // A stand-alone skin that is broken is passed over for the built-in one.
    bool usable = ReadStandaloneSkin(skinPath, files, skin, bytes) && Decode(bytes, decoded);
    if (!usable) {
        if (exePath.empty()) return {SkinStatus::NoSource, 0};
        SkinResult result = ReadAppendedSkin(exePath, files, bytes);
        if (result) result = Decode(bytes, decoded);
        if (!result) return result;
    }
    Commit(decoded, regions, skin, skinRegions);
    mainImage = std::move(decoded.main);
    dialogImage = std::move(decoded.dialog);
    skin.Loaded = true;
    return {};
}

void FreeSkin(TDeskSkin& skin, SkinRegions& skinRegions) {
    if (!skin.Loaded) return;
    for (std::size_t i = 0; i < static_cast<std::size_t>(skin.SelectorCount); ++i) {
        skin.SelectorPoints[i].clear();
        skinRegions[i].reset();
    }
    skinRegions[kOutlineRegion].reset();
    skin.Loaded = false;
}

}  // namespace vesk::skin
