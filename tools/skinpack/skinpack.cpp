// skinpack: builds Vesk skins from a text description and two JPEG files,
// dumps a skin back to that form, and appends a skin to an executable.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "skin/skin_file.h"
#include "skin/skin_text.h"

namespace fs = std::filesystem;
using namespace vesk::skin;
using Bytes = std::vector<std::uint8_t>;

namespace {

std::optional<Bytes> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

bool WriteFile(const fs::path& path, const Bytes& bytes, bool append = false) {
    std::ofstream out(path, std::ios::binary | (append ? std::ios::app : std::ios::trunc));
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return static_cast<bool>(out);
}

int Fail(const std::string& message) {
    std::cerr << "skinpack: " << message << '\n';
    return 1;
}

int Pack(const fs::path& descriptionPath, const fs::path& output) {
    const auto text = ReadFile(descriptionPath);
    if (!text) return Fail("cannot read " + descriptionPath.string());
    SkinDescription d;
    const auto parsed = ParseSkinDescription(std::string(text->begin(), text->end()), d);
    if (!parsed) return Fail(descriptionPath.string() + ":" + std::to_string(parsed.line) + ": " + parsed.error);
    const fs::path folder = descriptionPath.parent_path();
    const auto main = ReadFile(folder / d.mainImageFile);
    const auto dialog = ReadFile(folder / d.dialogImageFile);
    if (!main || !dialog) return Fail("cannot read the image files named in " + descriptionPath.string());
    d.geometry.mainJpeg = *main;
    d.geometry.dialogJpeg = *dialog;
    if (!WriteFile(output, SerializeSkinFile(d.geometry))) return Fail("cannot write " + output.string());
    return 0;
}

// A skin file, or with --appended the skin at the end of an executable.
std::optional<Bytes> SkinBytes(const fs::path& path, bool appended, std::string& error) {
    auto bytes = ReadFile(path);
    if (!bytes) {
        error = "cannot read " + path.string();
        return std::nullopt;
    }
    if (!appended) return bytes;
    std::uint64_t length = 0;
    if (bytes->size() < kTrailerSize ||
        !ReadAppendedLength(std::span<const std::uint8_t, kTrailerSize>(bytes->data() + bytes->size() - kTrailerSize, kTrailerSize),
                            bytes->size(), length)) {
        error = path.string() + " has no appended skin";
        return std::nullopt;
    }
    const auto end = bytes->end() - kTrailerSize;
    return Bytes(end - std::ptrdiff_t(length), end);
}

int Dump(const fs::path& skinPath, bool appended, const fs::path& descriptionPath) {
    std::string error;
    const auto bytes = SkinBytes(skinPath, appended, error);
    if (!bytes) return Fail(error);
    SkinDescription d;
    const SkinResult result = ParseSkinFile(*bytes, d.geometry);
    if (!result) {
        return Fail(skinPath.string() + ": " + SkinStatusName(result.status) + " at byte " + std::to_string(result.offset));
    }
    const std::string stem = descriptionPath.stem().string();
    d.mainImageFile = stem + ".main.jpg";
    d.dialogImageFile = stem + ".dialog.jpg";
    const fs::path folder = descriptionPath.parent_path();
    const std::string text = FormatSkinDescription(d);
    if (!WriteFile(descriptionPath, Bytes(text.begin(), text.end())) ||
        !WriteFile(folder / d.mainImageFile, d.geometry.mainJpeg) ||
        !WriteFile(folder / d.dialogImageFile, d.geometry.dialogJpeg)) {
        return Fail("cannot write " + descriptionPath.string() + " and its images");
    }
    return 0;
}

int Append(const fs::path& exe, const fs::path& skinPath) {
    auto skin = ReadFile(skinPath);
    if (!skin) return Fail("cannot read " + skinPath.string());
    SkinFile parsed;
    const SkinResult result = ParseSkinFile(*skin, parsed);
    if (!result) return Fail(skinPath.string() + ": " + SkinStatusName(result.status) + " at byte " + std::to_string(result.offset));
    const auto trailer = MakeTrailer(skin->size());
    skin->insert(skin->end(), trailer.begin(), trailer.end());
    if (!WriteFile(exe, *skin, true)) return Fail("cannot append to " + exe.string());
    return 0;
}

int Usage() {
    std::cerr << "usage:\n"
                 "  skinpack pack DESCRIPTION OUTPUT.QSK      build a skin from a description and its JPEGs\n"
                 "  skinpack dump SKIN.QSK DESCRIPTION        write the description and JPEGs of a skin\n"
                 "  skinpack dump --appended PROGRAM.exe DESCRIPTION\n"
                 "  skinpack append PROGRAM.exe SKIN.QSK      append a skin and its length trailer\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "pack") return Pack(args[1], args[2]);
    if (args.size() == 3 && args[0] == "dump") return Dump(args[1], false, args[2]);
    if (args.size() == 4 && args[0] == "dump" && args[1] == "--appended") return Dump(args[2], true, args[3]);
    if (args.size() == 3 && args[0] == "append") return Append(args[1], args[2]);
    return Usage();
}
