#include "image/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>
#include <new>

#include <jpeglib.h>

namespace vesk::image {
namespace {

// Pictures larger than this are refused rather than risking an allocation
// that takes the program down.
constexpr std::uint64_t kMaxPixels = 64ull * 1024 * 1024;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void OnWarning(j_common_ptr, int) {}  // corrupt-data warnings: keep what decodes

// Only trivially destructible objects live in this frame, so the longjmp of
// the error handler skips no destructor.
bool Decode(jpeg_decompress_struct& info, ErrorManager& errors, std::span<const std::uint8_t> data,
            RgbImage& image, const char*& failure) {
    if (setjmp(errors.jump)) {
        failure = errors.message;
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const std::uint64_t pixels = std::uint64_t(info.output_width) * info.output_height;
    if (pixels == 0 || pixels > kMaxPixels || info.output_components != 3) {
        failure = "picture too large or not a colour picture";
        return false;
    }
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    image.pixels.resize(pixels * 3);
    const std::size_t stride = std::size_t(image.width) * 3;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.pixels.data() + std::size_t(info.output_scanline) * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

bool ReadHeader(jpeg_decompress_struct& info, ErrorManager& errors, std::span<const std::uint8_t> data) {
    if (setjmp(errors.jump)) return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
    return jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK;
}

void UseOwnErrors(jpeg_decompress_struct& info, ErrorManager& errors) {
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    errors.base.emit_message = OnWarning;
}

}  // namespace

bool ReadJpegSize(std::span<const std::uint8_t> data, int& width, int& height) {
    if (data.empty()) return false;
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    UseOwnErrors(info, errors);
    const bool ok = ReadHeader(info, errors, data);
    if (ok) {
        width = static_cast<int>(info.image_width);
        height = static_cast<int>(info.image_height);
    }
    jpeg_destroy_decompress(&info);
    return ok;
}

JpegResult DecodeJpeg(std::span<const std::uint8_t> data, RgbImage& image) {
    image = {};
    if (data.empty()) return {false, "empty picture data"};
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    UseOwnErrors(info, errors);
    const char* failure = nullptr;
    bool ok = false;
    try {
        ok = Decode(info, errors, data, image, failure);
    } catch (const std::bad_alloc&) {
        failure = "out of memory";
    }
    jpeg_destroy_decompress(&info);
    if (!ok) {
        image = {};
        return {false, failure ? failure : "undecodable picture"};
    }
    return {true, {}};
}

}  // namespace vesk::image
