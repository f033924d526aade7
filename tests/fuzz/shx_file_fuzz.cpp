// Fuzz target: a compiled font file, imported as the open command imports it and written back
// as a shape file. The first byte picks the file's signature (shapes 1.0 or 1.1, unifont,
// bigfont), the rest is the file after it, so that every input gets past the signature. Read
// errors are expected; crashes, hangs and sanitizer reports are not.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

#include "shx/font_import.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static constexpr std::string_view signatures[] = {
      {"AutoCAD-86 shapes 1.0\r\n\x1a"},
      {"AutoCAD-86 shapes 1.1\r\n\x1a"},
      {"AutoCAD-86 unifont 1.0\r\n\x1a"},
      {"AutoCAD-86 bigfont 1.0\r\n\x1a"},
  };
  if (size == 0) return 0;
  std::string bytes(signatures[data[0] % 4]);
  bytes.append(reinterpret_cast<const char*>(data + 1), size - 1);
  try {
    const ImportedFont imported = importCompiledFont(bytes, "fuzz.shx", ImportDefaults{});
    imported.file->encode(LocalDate{1, 1, 2026});
  } catch (const std::exception&) {
    // a file whose index does not fit in it
  }
  return 0;
}
