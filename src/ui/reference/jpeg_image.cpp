#include "ui/reference/jpeg_image.h"

#include <jerror.h>
#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

// A picture behind a 120-cell grid needs no more; larger ones would only exhaust memory.
constexpr JDIMENSION kMaxSide = 16384;
constexpr unsigned long long kMaxPixels = 64ull * 1024 * 1024;
// Far above any JPEG of the largest picture allowed; the whole file is read into memory.
constexpr std::streamoff kMaxFileBytes = 256 * 1024 * 1024;

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

// A progressive file may repeat its scans without end, each one a pass over the whole
// picture: a few kilobytes could keep the decoder busy for minutes. Real files have a
// dozen scans or so.
constexpr int kMaxScans = 500;

void limitScans(j_common_ptr info) {
  auto* decoder = reinterpret_cast<j_decompress_ptr>(info);
  if (decoder->input_scan_number <= kMaxScans) return;
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  std::snprintf(errors->message, sizeof errors->message, "it has more than %d scans", kMaxScans);
  std::longjmp(errors->back, 1);
}

// In a Huffman-coded file every 8 x 8 block of every component takes at least one bit,
// its first DC code. A file with fewer bits cannot hold the picture it declares, and
// decoding it anyway would still allocate the whole picture (and for a progressive file
// the coefficients of all its blocks) before libjpeg finds out.
unsigned long long blockCount(const jpeg_decompress_struct& info) {
  unsigned long long blocks = 0;
  for (int c = 0; c < info.num_components; ++c) {
    blocks += static_cast<unsigned long long>(info.comp_info[c].width_in_blocks) *
              info.comp_info[c].height_in_blocks;
  }
  return blocks;
}

// Why a picture with this header is not decoded, or empty. The text is made here, not in
// the decoder, where a jump out of libjpeg would skip the destructor of a local string.
std::string refusal(const jpeg_decompress_struct& info, size_t fileBytes) {
  const std::string declared =
      std::to_string(info.image_width) + " x " + std::to_string(info.image_height) + " pixels";
  if (info.image_width > kMaxSide || info.image_height > kMaxSide ||
      static_cast<unsigned long long>(info.image_width) * info.image_height > kMaxPixels) {
    return "its header declares " + declared + ", more than 16384 a side or 64 megapixels";
  }
  if (info.arith_code) return "it is arithmetic-coded, which this program does not read";
  if (fileBytes * 8 < blockCount(info)) {
    return "it is too short to hold the " + declared + " its header declares";
  }
  return {};
}

// A file cut short is only a warning to libjpeg, which fills the rest grey; here it fails.
void emitMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) errorExit(info);
}

std::runtime_error pictureError(const std::string& path, const std::string& why) {
  return std::runtime_error("cannot read the picture " + path + ": " + why);
}

}  // namespace

QImage loadJpeg(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) throw pictureError(path, "the file cannot be opened");
  const std::streamoff size = in.tellg();
  if (size < 0) throw pictureError(path, "the file cannot be read");
  if (size > kMaxFileBytes) throw pictureError(path, "the file is larger than 256 MB");
  std::string bytes(static_cast<size_t>(size), '\0');
  in.seekg(0);
  if (!in.read(bytes.data(), size)) throw pictureError(path, "the file cannot be read");
  return decodeJpeg(bytes, path);
}

QImage decodeJpeg(std::string_view bytes, const std::string& path) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = errorExit;
  errors.base.emit_message = emitMessage;
  jpeg_progress_mgr progress{};
  progress.progress_monitor = limitScans;
  // Nothing with a destructor lives between here and the end of decoding: the jump skips
  // no cleanup but jpeg_destroy_decompress, which it runs itself.
  QImage image;
  std::string failure;
  if (setjmp(errors.back) == 0) {
    jpeg_create_decompress(&info);
    info.progress = &progress;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&info, TRUE);
    failure = refusal(info, bytes.size());
    if (failure.empty()) {
      info.out_color_space = JCS_RGB;
      jpeg_start_decompress(&info);
      image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                     QImage::Format_RGB888);
      if (image.isNull()) {
        std::snprintf(errors.message, sizeof errors.message, "there is not enough memory");
        std::longjmp(errors.back, 1);
      }
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
