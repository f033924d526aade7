#pragma once

#include <string>
#include <string_view>

#include "formats/font_format.h"

// LibreCAD's single-line fonts (.lff): UTF-8 text of "# Key: value" header comments and glyph
// blocks "[XXXX] c", each line of a block a polyline "x,y;x,y,A<bulge>;..." or a reference
// "C<hex>" to another glyph whose strokes it includes.

// References are resolved here, so the font holds every glyph's own strokes. Lines that cannot
// be read are skipped and named in the font's problems; a text without any glyph block throws.
StrokeFont readLff(std::string_view bytes, const std::string& sourceName);
// Glyphs in code point order, without references; numbers in their shortest exact form.
std::string writeLff(const StrokeFont& font);

StrokeFormat lffFormat();
