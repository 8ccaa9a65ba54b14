#include "render/jpeg.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <string>

#include <jpeglib.h>

namespace vemo {

namespace {

// libjpeg's default error handler prints and calls exit(). This one keeps the
// message and jumps back to Decode instead; Decode's caller then throws.
struct ErrorSink {
  jpeg_error_mgr manager;  // first, so libjpeg's err pointer is also ours
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void FailJump(j_common_ptr info) {
  auto* sink = reinterpret_cast<ErrorSink*>(info->err);
  info->err->format_message(info, sink->message);
  std::longjmp(sink->jump, 1);
}

// Warnings (level -1) report damaged data that libjpeg would patch over, such
// as a premature end: fail on them. Trace messages (level >= 0) are dropped.
void OnMessage(j_common_ptr info, int level) {
  if (level < 0) FailJump(info);
}

static_assert(sizeof(Rgb) == 3 && alignof(Rgb) == 1, "pixel rows are decoded straight into the picture");

// Images beyond this are refused rather than allocated; ours are tiny.
constexpr long long kMaxPixels = 1LL << 26;

// Runs the whole decompression into `out`. Returns false when libjpeg reported
// an error, with the text in sink.message. Between setjmp and the jump back
// only trivially destructible locals live here, so the jump skips nothing;
// `out` belongs to the caller.
bool Decode(jpeg_decompress_struct& info, ErrorSink& sink, std::span<const unsigned char> bytes, Picture& out) {
  if (setjmp(sink.jump) != 0) return false;
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  const long long pixels = static_cast<long long>(info.output_width) * info.output_height;
  if (info.output_components != 3 || pixels > kMaxPixels) {
    std::snprintf(sink.message, sizeof sink.message, "unsupported JPEG image (%ux%u, %d components)",
                  info.output_width, info.output_height, info.output_components);
    return false;
  }
  out = Picture(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  while (info.output_scanline < info.output_height) {
    auto* row = reinterpret_cast<JSAMPROW>(&out.at(0, static_cast<int>(info.output_scanline)));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return true;
}

// Releases libjpeg's memory on every way out, thrown or returned. Destroying a
// struct that jpeg_create_decompress never reached is safe: its memory
// manager pointer is still null.
struct DecompressGuard {
  jpeg_decompress_struct& info;
  ~DecompressGuard() { jpeg_destroy_decompress(&info); }
};

}  // namespace

Picture DecodeJpeg(std::span<const unsigned char> bytes) {
  if (bytes.empty()) throw PictureError("cannot decode JPEG: no data");
  ErrorSink sink{};
  jpeg_decompress_struct info{};
  info.err = jpeg_std_error(&sink.manager);
  sink.manager.error_exit = FailJump;
  sink.manager.emit_message = OnMessage;
  Picture out;
  {
    DecompressGuard guard{info};
    if (!Decode(info, sink, bytes, out)) throw PictureError(std::string("cannot decode JPEG: ") + sink.message);
  }
  return out;
}

}  // namespace vemo
