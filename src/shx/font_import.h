#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "shapefile/shpfile.h"
#include "shx/shape_interpreter.h"
#include "shx/shape_source.h"

struct ImportedFont {
  std::unique_ptr<GShpFile> file;
  std::vector<ShapeReport> approximated;  // the shapes drawn other than as written, in order
  std::vector<SourceProblem> leftOut;     // records of the file that could not be read
  // A unifont numbers its shapes by Unicode, and so do its leftOut records.
  bool numberedByUnicode = false;
  std::vector<char32_t> notInGbk;  // a unifont's characters GBK cannot hold, left out
};

// The metrics a font without a font header takes, and the text direction of the new font.
struct ImportDefaults {
  uint8_t above = 32, below = 16, direction = 0;
};

// How many shapes the leftOut records stand for.
size_t leftOutShapeCount(const ImportedFont& imported);

// Reads a compiled font (told by its first bytes) or a shape source into a new font of its
// kind: every shape drawn on the grid, its advance where its program ends. The editor numbers
// characters by GBK, so a unifont's shape numbers, Unicode in every unifont other tools
// write, become GBK codes (those below 0x80 stay as they are); a unifont source the editor
// wrote itself, signed so in its header, keeps its GBK numbers. The shapes whose records a
// compiled file does not hold whole are left out. Throws ShxReadError for a compiled file
// whose index does not fit in it.
ImportedFont importFont(std::string_view bytes, const std::string& sourceName,
                        const ImportDefaults& defaults);
// The same for a file that must be a compiled font: throws ShxReadError for any other.
ImportedFont importCompiledFont(std::string_view bytes, const std::string& sourceName,
                                const ImportDefaults& defaults);
