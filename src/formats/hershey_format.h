#pragma once

#include <string>
#include <string_view>

#include "formats/font_format.h"

// Hershey fonts in the .jhf form: one record a glyph, a 5-character number field, a
// 3-character count of vertex pairs (the bearings included), then the pairs, each coordinate a
// letter's distance from 'R'; the pair " R" lifts the pen. A record may go on over further
// lines. The records of a standard file are the printable ASCII characters in order.

// The baseline is the Hershey one, row 9 of the file (y grows downwards there): every font of
// the Hershey set stands its capitals on it, from row -12 for the roman ones. The capital
// height is the height of an 'A' that stands on the baseline, else 21, the roman one. Broken
// records are named in the font's problems; an input without a single readable record throws.
StrokeFont readJhf(std::string_view bytes, const std::string& sourceName);

// Reading only: nobody asks for fonts in this form.
StrokeFormat hersheyFormat();
