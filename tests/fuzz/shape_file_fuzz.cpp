// Fuzz target: the bytes of a shape file, read as the open command reads them, in both text
// directions, and every shape read written back as source text. Read errors are expected;
// crashes, hangs and sanitizer reports are not.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "shapefile/shpfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const uint8_t direction : {0, 1}) {
    GShpFile file;
    file.setDirection(direction);
    try {
      file.loadBytes(bytes, "fuzz.shp");
    } catch (const std::exception&) {
      // What was read before the error stays in the file and is written below.
    }
    std::vector<std::string> lines;
    file.fillList(lines);
    for (const GShape* shape = file.first(); shape; shape = file.next()) shape->writeTo(lines);
  }
  return 0;
}
