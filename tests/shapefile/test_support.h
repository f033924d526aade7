#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/path_points.h"
#include "platform/temp_dir.h"
#include "platform/text_lines.h"
#include "shapefile/shpfile.h"

// Reads shape source text as a file named font.shp would be read.
inline void loadText(GShpFile& font, const std::string& text) { font.loadBytes(text, "font.shp"); }
