// Fuzz target: the bytes of a reference picture, decoded as loading a JPEG file decodes them.
// Errors are expected; crashes, hangs and pictures beyond the size limit are not.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "ui/reference/jpeg_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const QImage image =
        decodeJpeg(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.jpg");
    if (image.isNull() || image.width() > 16384 || image.height() > 16384) __builtin_trap();
  } catch (const std::runtime_error&) {
  }
  return 0;
}
