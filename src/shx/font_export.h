#pragma once

#include <string>
#include <vector>

#include "platform/local_date.h"
#include "shapefile/shpfile.h"
#include "shx/compiled_font.h"
#include "shx/shx_file.h"

// The open font compiled: the header the shape file would have, and every shape's program
// as the shape file's definition writes it item for item. A unifont's shapes are numbered by
// Unicode, as CAD programs read them; the other kinds keep the editor's GBK codes.
struct FontCompilation {
  CompiledFont font;
  std::vector<LeftOutShape> leftOut;  // the shapes a compiled file cannot hold
};

FontCompilation compileFont(const GShpFile& file, const LocalDate& date);
