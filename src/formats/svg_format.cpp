#include "formats/svg_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Whole numbers as such, others as the shortest decimal that reads back as the same double.
std::string number(double v) {
  if (!std::isfinite(v)) return "0";
  v += 0.0;  // -0 becomes 0: plotter software reads "-0" as no number
  char text[32];
  if (v == std::trunc(v) && std::abs(v) < 1e15) {
    std::snprintf(text, sizeof text, "%.0f", v);
    return text;
  }
  for (int precision = 1; precision <= 17; ++precision) {
    std::snprintf(text, sizeof text, "%.*g", precision, v);
    if (std::strtod(text, nullptr) == v) break;
  }
  return text;
}

// Characters XML 1.0 can hold, even as a character reference.
bool xmlCanHold(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
         (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

std::string escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out += c;
    }
  }
  return out;
}

std::string hex(char32_t c) {
  char text[16];
  std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(c));
  return text;
}

// Open paths: a move to each stroke's start, lines and arcs through its points.
std::string pathData(const StrokeGlyph& glyph) {
  std::string d;
  for (const Stroke& stroke : glyph.strokes) {
    if (stroke.size() < 2) continue;
    d += (d.empty() ? "M" : " M") + number(stroke[0].x) + ' ' + number(stroke[0].y);
    for (size_t i = 1; i < stroke.size(); ++i) {
      const StrokePoint& p = stroke[i];
      if (p.bulge != 0 && std::isfinite(p.bulge)) {
        const StrokePoint& from = stroke[i - 1];
        const double chord = std::hypot(p.x - from.x, p.y - from.y);
        const double angle = 4 * std::atan(p.bulge);
        const double radius = chord / (2 * std::sin(std::abs(angle) / 2));
        // In the glyphs' y-up coordinates a positive sweep runs counter-clockwise.
        d += "A" + number(radius) + ' ' + number(radius) + " 0 " +
             (std::abs(p.bulge) > 1 ? "1 " : "0 ") + (p.bulge > 0 ? "1 " : "0 ") + number(p.x) +
             ' ' + number(p.y);
      } else {
        d += "L" + number(p.x) + ' ' + number(p.y);
      }
    }
  }
  return d;
}

}  // namespace

std::string writeSvgFont(const StrokeFont& font) {
  const std::string name = escaped(font.name.empty() ? std::string("Kelvane") : font.name);
  const double ascent = font.capitalHeight;
  const double descent = font.descent;
  double defaultAdvance = 0;
  for (const StrokeGlyph& glyph : font.glyphs)
    defaultAdvance = std::max(defaultAdvance, glyph.advance);
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
      "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
      "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\">\n<defs>\n";
  svg += "<font id=\"" + name + "\" horiz-adv-x=\"" + number(defaultAdvance) + "\">\n";
  svg += "<font-face font-family=\"" + name + "\" units-per-em=\"" +
         number(std::max(1.0, ascent + descent)) + "\" ascent=\"" + number(ascent) +
         "\" descent=\"" + number(-descent) + "\" cap-height=\"" + number(ascent) + "\"/>\n";
  svg += "<missing-glyph horiz-adv-x=\"" + number(defaultAdvance) + "\"/>\n";
  for (const StrokeGlyph& glyph : font.glyphs) {
    if (!xmlCanHold(glyph.unicode)) continue;
    svg += "<glyph unicode=\"&#x" + hex(glyph.unicode) + ";\" glyph-name=\"uni" +
           hex(glyph.unicode) + "\" horiz-adv-x=\"" + number(glyph.advance) + "\"";
    const std::string d = pathData(glyph);
    if (!d.empty()) svg += " d=\"" + d + "\"";
    svg += "/>\n";
  }
  svg += "</font>\n</defs>\n</svg>\n";
  return svg;
}

StrokeFormat svgFormat() { return {nullptr, writeSvgFont}; }
