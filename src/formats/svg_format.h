#pragma once

#include <string>

#include "formats/font_format.h"
#include "formats/stroke_font.h"

// An SVG 1.1 font: one <glyph> a character with its strokes as open paths, for pen plotters,
// laser and CNC engraving. Glyph coordinates are y up, as SVG fonts have them. Characters XML
// cannot hold (control codes) are left out.
std::string writeSvgFont(const StrokeFont& font);
StrokeFormat svgFormat();
