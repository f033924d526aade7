#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/font_format.h"
#include "formats/shape_conversion.h"
#include "platform/local_date.h"
#include "shx/font_import.h"
#include "shx/shx_file.h"

// A font written out in another format, and the characters it could not hold.
struct ExportedFont {
  std::string bytes;
  std::vector<LeftOutShape> leftOut;  // what a compiled font cannot hold
  std::vector<uint16_t> notUnicode;   // codes of no Unicode character, left out of stroke formats
};

// A file format the editor imports or exports, found by the file's extension. Shape sources
// and compiled fonts are read whole into a font of their own kind; a stroke format is read
// into the neutral form, which becomes a font of the kind and grid the user chooses.
struct FontFileFormat {
  std::string description;  // UTF-8, shown in the file dialogs
  std::string extension;    // upper case, without the dot
  std::function<ImportedFont(std::string_view bytes, const std::string& sourceName,
                             const ImportDefaults& defaults)>
      readShapes;
  std::function<StrokeFont(std::string_view bytes, const std::string& sourceName)> readStrokes;
  std::function<ExportedFont(const GShpFile& file, const LocalDate& date)> write;

  bool readable() const { return readShapes || readStrokes; }
  bool writable() const { return static_cast<bool>(write); }
};

// Every format, the editor's compiled fonts first.
const std::vector<FontFileFormat>& fontFileFormats();
// The format of a file by its extension, in any case; null for none.
const FontFileFormat* formatOfPath(const std::string& path);

// A stroke font made into a new font with the given setup: what its reader could not take is
// in the result's leftOut without a line, the characters GBK cannot hold in notInGbk.
ImportedFont importStrokes(const StrokeFont& font, const ShapeFontSetup& setup);
