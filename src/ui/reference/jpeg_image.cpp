#include "ui/reference/jpeg_image.h"

#include <jerror.h>
#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace {

// A picture behind a 120-cell grid needs no more; larger ones would only exhaust memory.
constexpr JDIMENSION kMaxSide = 16384;
constexpr unsigned long long kMaxPixels = 64ull * 1024 * 1024;

// libjpeg's default error exit ends the program; this one jumps back to the decoder.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf back;
  char message[JMSG_LENGTH_MAX];
};

void errorExit(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  info->err->format_message(info, errors->message);
  std::longjmp(errors->back, 1);
}

// A file cut short is only a warning to libjpeg, which fills the rest grey; here it fails.
void emitMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) errorExit(info);
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

std::runtime_error pictureError(const std::string& path, const std::string& why) {
  return std::runtime_error("cannot read the picture " + path + ": " + why);
}

}  // namespace

QImage loadJpeg(const std::string& path) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) throw pictureError(path, "the file cannot be opened");

  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = errorExit;
  errors.base.emit_message = emitMessage;
  // Nothing with a destructor lives between here and the end of decoding: the jump skips
  // no cleanup but jpeg_destroy_decompress, which it runs itself.
  QImage image;
  std::string failure;
  if (setjmp(errors.back) == 0) {
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file.get());
    jpeg_read_header(&info, TRUE);
    if (info.image_width > kMaxSide || info.image_height > kMaxSide ||
        static_cast<unsigned long long>(info.image_width) * info.image_height > kMaxPixels) {
      failure = "it is larger than 16384 pixels a side or 64 megapixels";
    } else {
      info.out_color_space = JCS_RGB;
      jpeg_start_decompress(&info);
      image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                     QImage::Format_RGB888);
      while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
      }
      jpeg_finish_decompress(&info);
    }
  } else {
    failure = errors.message;
    image = QImage();
  }
  jpeg_destroy_decompress(&info);
  if (!failure.empty()) throw pictureError(path, failure);
  return image;
}
