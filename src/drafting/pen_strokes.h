#pragma once

#include <vector>

#include "drafting/geometry.h"

// Cuts a simplified path (grid units) into the strokes a writer would draw, each oriented as
// written: at sharp corners where a writer lifts the pen, not where one goes right then down
// (the top right of 口), nor down then right along an open line, nor before a hook shorter than
// `hook`. `reach` is how far either side of a point its direction is judged. A closed path
// without such corners stays closed, drawn clockwise from its top left.
std::vector<Polyline> cutAtCorners(Polyline line, double reach, double hook);
