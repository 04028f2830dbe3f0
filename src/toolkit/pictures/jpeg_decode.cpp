// JPEG through libjpeg. The library reports fatal errors through
// error_exit, which must not return: it jumps back to decodeJpeg.
#include <csetjmp>
#include <cstdio>
#include <memory>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "toolkit/pictures/picture_decode.h"

namespace vex {
namespace {

struct ErrorJump {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}

void noMessages(j_common_ptr, int) {}
void noOutput(j_common_ptr) {}

// Everything that must survive a jump lives here, outside the jumping frame.
struct JpegRun {
  jpeg_decompress_struct info;
  ErrorJump error;
  DecodedPicture out;
  std::vector<std::uint8_t> row;
};

bool run(JpegRun& r, std::span<const std::uint8_t> bytes) {
  r.info.err = jpeg_std_error(&r.error.base);
  r.error.base.error_exit = onError;
  r.error.base.emit_message = noMessages;
  r.error.base.output_message = noOutput;
  if (setjmp(r.error.jump)) {
    jpeg_destroy_decompress(&r.info);
    return false;
  }
  jpeg_create_decompress(&r.info);
  jpeg_mem_src(&r.info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&r.info, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&r.info);
    return false;
  }
  if (r.info.image_width == 0 || r.info.image_height == 0 || r.info.image_width > kMaxPictureSide ||
      r.info.image_height > kMaxPictureSide) {
    jpeg_destroy_decompress(&r.info);
    return false;
  }
  r.info.out_color_space = r.info.num_components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_start_decompress(&r.info);
  const int w = static_cast<int>(r.info.output_width), h = static_cast<int>(r.info.output_height);
  const int channels = r.info.output_components;
  if (channels != 1 && channels != 3) {
    jpeg_destroy_decompress(&r.info);
    return false;
  }
  r.row.resize(static_cast<std::size_t>(w) * channels);
  r.out.bgra.assign(static_cast<std::size_t>(w) * h * 4, 0);
  while (r.info.output_scanline < r.info.output_height) {
    const int y = static_cast<int>(r.info.output_scanline);
    JSAMPROW rows[1] = {r.row.data()};
    if (jpeg_read_scanlines(&r.info, rows, 1) != 1) break;
    std::uint8_t* dst = &r.out.bgra[static_cast<std::size_t>(y) * w * 4];
    for (int x = 0; x < w; ++x) {
      const std::uint8_t* src = &r.row[static_cast<std::size_t>(x) * channels];
      dst[x * 4 + 0] = channels == 3 ? src[2] : src[0];
      dst[x * 4 + 1] = channels == 3 ? src[1] : src[0];
      dst[x * 4 + 2] = src[0];
      dst[x * 4 + 3] = 0xFF;
    }
  }
  jpeg_finish_decompress(&r.info);
  jpeg_destroy_decompress(&r.info);
  r.out.width = w;
  r.out.height = h;
  return true;
}

}  // namespace

DecodedPicture decodeJpeg(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return {};
  auto r = std::make_unique<JpegRun>();
  if (!run(*r, bytes)) return {};
  return std::move(r->out);
}

}  // namespace vex
