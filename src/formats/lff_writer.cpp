#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "formats/lff_format.h"

namespace {

// LibreCAD sets a text's height by this many units of its font: its capitals, and the whole
// cell of its CJK fonts' hanzi.
constexpr double lffCapitalHeight = 9;

// To 4 decimals, as LibreCAD's own fonts are written.
double rounded(double value) { return std::round(value * 1e4) / 1e4; }

// The shortest text that reads back as the same double: "1.5", "-2", "2.06364e-06".
void appendNumber(std::string& out, double value) {
  char text[32];
  // Adding 0 turns -0 into 0, which reads the same and looks less odd.
  const auto end = std::to_chars(text, text + sizeof text, value + 0.0).ptr;
  out.append(text, end);
}

void appendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | code >> 6);
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | code >> 12);
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | code >> 18);
    out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Control codes, surrogates and numbers beyond Unicode have no character to show.
bool printable(char32_t code) {
  return code >= 0x20 && !(code >= 0x7F && code < 0xA0) && !(code >= 0xD800 && code < 0xE000) &&
         code <= 0x10FFFF;
}

void appendHeader(std::string& out, const char* key, std::string_view value) {
  out += "# ";
  out += key;
  out += ':';
  out.append(18 - std::string_view(key).size(), ' ');
  out += value;
  out += '\n';
}

void appendHeader(std::string& out, const char* key, double value) {
  std::string text;
  appendNumber(text, value);
  appendHeader(out, key, text);
}

void appendStroke(std::string& out, const Stroke& stroke, double scale) {
  for (size_t i = 0; i < stroke.size(); ++i) {
    if (i > 0) out += ';';
    appendNumber(out, rounded(stroke[i].x * scale));
    out += ',';
    appendNumber(out, rounded(stroke[i].y * scale));
    if (i > 0 && stroke[i].bulge != 0) {
      out += ",A";
      appendNumber(out, stroke[i].bulge);
    }
  }
  out += '\n';
}

}  // namespace

std::string writeLff(const StrokeFont& font) {
  // The capital height becomes LibreCAD's, every length with it.
  const double scale = font.capitalHeight > 0 ? lffCapitalHeight / font.capitalHeight : 1;
  std::string out;
  // A line break in the name would end the header comment early.
  std::string name = font.name;
  for (char& c : name) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  appendHeader(out, "Format", "LibreCAD Font 1");
  appendHeader(out, "Creator", "Kelvane");
  appendHeader(out, "Name", name);
  appendHeader(out, "Encoding", "UTF-8");
  appendHeader(out, "LetterSpacing", rounded(font.letterSpacing * scale));
  appendHeader(out, "WordSpacing", rounded(font.wordSpacing * scale));
  appendHeader(out, "LineSpacingFactor", font.lineSpacingFactor);
  out += '\n';

  std::vector<const StrokeGlyph*> glyphs;
  glyphs.reserve(font.glyphs.size());
  for (const StrokeGlyph& glyph : font.glyphs) glyphs.push_back(&glyph);
  std::stable_sort(glyphs.begin(), glyphs.end(), [](const StrokeGlyph* a, const StrokeGlyph* b) {
    return a->unicode < b->unicode;
  });
  for (const StrokeGlyph* glyph : glyphs) {
    char header[16];
    std::snprintf(header, sizeof header, "[%04X]", static_cast<unsigned>(glyph->unicode));
    out += header;
    if (printable(glyph->unicode)) {
      out += ' ';
      appendUtf8(out, glyph->unicode);
    }
    out += '\n';
    for (const Stroke& stroke : glyph->strokes) {
      if (!stroke.empty()) appendStroke(out, stroke, scale);
    }
    out += '\n';  // a blank line after each block, as LibreCAD writes its fonts
  }
  return out;
}

StrokeFormat lffFormat() { return StrokeFormat{readLff, writeLff}; }
