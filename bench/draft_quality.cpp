// draft_quality [SHEET.png [CHARACTERS]]: how well drafting follows WenQuanYi Micro Hei and the
// stroke-order data. On 500 GB2312 hanzi (every 13th in code order) drafted from the face on a
// BIGFONT grid of 48 it prints
//  - the share of drafted stroke length lying on the glyph widened by half a grid unit,
//  - the share of the glyph's own centre line, thinned at twice the resolution, lying within
//    one grid unit of a drafted stroke,
//  - how many drafts have a stroke count within 40 % of Unihan's kTotalStrokes,
//  - the median ink box and how far its middle lies from the cell's,
//  - with the stroke-order data, how well the drafted order agrees with the data's (Spearman's
//    correlation of the data strokes matched by position, median of the characters),
//  - the time to draft all 6763 hanzi on two threads (median of three runs);
// with the data, of all 6763 hanzi drafted from it: the stroke counts equal to kTotalStrokes,
// the strokes within 3/4 unit of their data centre line, the ink box's middle, and the time on
// two threads (median of three). It writes a contact sheet of 20 characters: the glyph under
// its centre lines, those lines coloured in order, and the draft from the data. Given
// characters (UTF-8), it only draws the sheet of those.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "draft_measures.h"
#include "drafting/centre_line.h"
#include "drafting/draft_many.h"
#include "drafting/glyph_drafter.h"
#include "drafting/stroke_data.h"
#include "drafting/stroke_data_draft.h"
#include "editing/character_sets.h"
#include "editing/unihan_strokes.h"
#include "platform/gbk_unicode.h"

#ifdef KELVANE_DRAFT_QUALITY_PNG
#include <QImage>
#include <QPainter>
#endif

namespace {

constexpr DraftGrid kGrid{48, 0};  // a new BIGFONT of a 48 grid: all of it above the baseline
constexpr int kSample = 500, kStep = 13;
constexpr double kCheckResolution = 10;  // pixels per grid unit for the measures

struct Segment {
  PointF a, b;
};

std::vector<Segment> segmentsOf(const DraftedGlyph& glyph) {
  std::vector<Segment> segments;
  for (const GridStroke& s : glyph.strokes)
    for (size_t i = 1; i < s.size(); ++i)
      segments.push_back(
          {{double(s[i - 1].x), double(s[i - 1].y)}, {double(s[i].x), double(s[i].y)}});
  return segments;
}

struct Measure {
  double drawn = 0, drawnOnInk = 0;      // grid units of drafted line
  double centre = 0, centreCovered = 0;  // skeleton pixels
};

// Adds one glyph's figures: its drafted line sampled every tenth of a unit against its ink
// widened by half a unit, its skeleton against the drafted line.
void measure(GlyphDrafter& drafter, char32_t unicode, const DraftedGlyph& draft, Measure& m) {
  Bitmap bitmap;
  PixelGrid place;
  if (!drafter.render(unicode, true, kGrid, kCheckResolution, bitmap, place) || bitmap.width == 0)
    return;
  const double ppu = place.pixelsPerUnit;
  const auto inkNear = [&](PointF p) {
    const double cx = (p.x - place.left) * ppu - 0.5, cy = (place.top - p.y) * ppu - 0.5;
    const int reach = static_cast<int>(std::ceil(0.5 * ppu));
    for (int y = int(std::floor(cy)) - reach; y <= int(std::ceil(cy)) + reach; ++y) {
      for (int x = int(std::floor(cx)) - reach; x <= int(std::ceil(cx)) + reach; ++x) {
        if (x < 0 || y < 0 || x >= bitmap.width || y >= bitmap.height) continue;
        if (bitmap.at(x, y) >= 128 && std::hypot(x - cx, y - cy) <= 0.5 * ppu) return true;
      }
    }
    return false;
  };
  const std::vector<Segment> segments = segmentsOf(draft);
  for (const Segment& s : segments) {
    const double len = std::hypot(s.b.x - s.a.x, s.b.y - s.a.y);
    const int steps = std::max(1, static_cast<int>(std::ceil(len * 10)));
    for (int i = 0; i < steps; ++i) {
      const double t = (i + 0.5) / steps;
      m.drawn += len / steps;
      if (inkNear({s.a.x + (s.b.x - s.a.x) * t, s.a.y + (s.b.y - s.a.y) * t}))
        m.drawnOnInk += len / steps;
    }
  }
  const std::vector<uint8_t> skeleton = skeletonOf(bitmap, ppu);
  for (int y = 0; y < bitmap.height; ++y) {
    for (int x = 0; x < bitmap.width; ++x) {
      if (!skeleton[size_t(y) * bitmap.width + x]) continue;
      const PointF p{place.left + (x + 0.5) / ppu, place.top - (y + 0.5) / ppu};
      m.centre += 1;
      for (const Segment& s : segments) {
        if (distanceToSegment(p, s.a, s.b) <= 1.0) {
          m.centreCovered += 1;
          break;
        }
      }
    }
  }
}

std::string utf8(char32_t c) {
  std::string s;
  if (c < 0x80) return std::string(1, static_cast<char>(c));
  if (c < 0x800) {
    s += char(0xC0 | (c >> 6));
  } else {
    s += char(0xE0 | (c >> 12));
    s += char(0x80 | ((c >> 6) & 0x3F));
  }
  s += char(0x80 | (c & 0x3F));
  return s;
}

std::vector<char32_t> decoded(const std::string& text) {
  std::vector<char32_t> out;
  for (size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    const int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    char32_t c = extra ? b & (0x3F >> extra) : b;
    for (int k = 1; k <= extra && i + k < text.size(); ++k) c = c << 6 | (text[i + k] & 0x3F);
    out.push_back(c);
    i += extra + 1;
  }
  return out;
}

// Each character, the three drafting sources side by side: its glyph under the centre lines,
// the outline, the centre lines coloured in their order (a dot where each starts), and the draft
// from the stroke-order data likewise.
void writeSheet(const std::string& path, GlyphDrafter& drafter, const std::vector<char32_t>& chars,
                const std::vector<DraftedGlyph>& drafts,
                const std::vector<DraftedGlyph>& fromData) {
#ifdef KELVANE_DRAFT_QUALITY_PNG
  constexpr int kScale = 4, kCell = 48 * kScale + 8, kColumns = 3, kPanels = 4;
  const int rows = (static_cast<int>(chars.size()) + kColumns - 1) / kColumns;
  QImage sheet(kColumns * kPanels * kCell, rows * kCell, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::Antialiasing);
  for (size_t i = 0; i < chars.size(); ++i) {
    const int left = static_cast<int>(i % kColumns) * kPanels * kCell + 4;
    const int top = static_cast<int>(i / kColumns) * kCell + 4;
    const auto at = [&](int panel, double x, double y) {
      return QPointF(left + panel * kCell + x * kScale, top + (48 - y) * kScale);
    };
    painter.setPen(QColor(200, 200, 255));
    for (int panel = 0; panel < kPanels; ++panel)
      painter.drawRect(QRectF(at(panel, 0, 48), at(panel, 48, 0)));
    Bitmap bitmap;
    PixelGrid place;
    if (drafter.render(chars[i], true, kGrid, kScale, bitmap, place) && bitmap.width > 0) {
      QImage glyph(bitmap.width, bitmap.height, QImage::Format_ARGB32);
      for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x)
          glyph.setPixel(x, y, qRgba(0, 0, 0, bitmap.at(x, y) * 2 / 5));
      painter.drawImage(at(0, place.left, place.top), glyph);
    }
    const DraftedGlyph outline = drafter.draft(chars[i], true, kGrid, DraftMode::Outline);
    const std::vector<GridStroke>* panels[kPanels] = {&drafts[i].strokes, &outline.strokes,
                                                      &drafts[i].strokes, &fromData[i].strokes};
    for (int panel = 0; panel < kPanels; ++panel) {
      const std::vector<GridStroke>& strokes = *panels[panel];
      const bool ordered = panel >= 2;
      for (size_t s = 0; s < strokes.size(); ++s) {
        const GridStroke& stroke = strokes[s];
        const QColor colour = ordered ? QColor::fromHsv(static_cast<int>(s * 67 % 360), 230, 200)
                                      : QColor(panel == 0 ? 220 : 0, 0, panel == 0 ? 0 : 200);
        painter.setPen(QPen(colour, 2));
        for (size_t p = 1; p < stroke.size(); ++p)
          painter.drawLine(at(panel, stroke[p - 1].x, stroke[p - 1].y),
                           at(panel, stroke[p].x, stroke[p].y));
        painter.setBrush(colour);
        painter.drawEllipse(at(panel, stroke[0].x, stroke[0].y), 3, 3);
        painter.setBrush(Qt::NoBrush);
      }
    }
  }
  painter.end();
  if (!sheet.save(QString::fromStdString(path)))
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
#else
  (void)drafter;
  (void)chars;
  (void)drafts;
  (void)fromData;
  std::fprintf(stderr, "%s: built without Qt, no contact sheet\n", path.c_str());
#endif
}

// The median over the drafts of their ink box's size and its middle's distance from the
// cell's, each axis on its own.
void printInkBoxes(const std::vector<DraftedGlyph>& drafts) {
  std::vector<double> widths, heights, offX, offY;
  for (const DraftedGlyph& d : drafts) {
    const std::optional<InkBox> box = inkBoxOf(d);
    if (!box) continue;
    widths.push_back(box->width);
    heights.push_back(box->height);
    offX.push_back(box->middleX - 24);
    offY.push_back(box->middleY - 24);
  }
  std::printf(
      "  median ink box %.1f x %.1f units (bar 40 x 40), its middle off the cell's by "
      "%+.2f, %+.2f (bar 1.5)\n",
      medianOf(widths), medianOf(heights), medianOf(offX), medianOf(offY));
}

template <class Draft>
double medianSeconds(const Draft& draft) {
  std::vector<double> seconds;
  for (int run = 0; run < 3; ++run) {
    const auto start = std::chrono::steady_clock::now();
    draft();
    seconds.push_back(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return medianOf(seconds);
}

void measureStrokeData(const StrokeDataStatus& data, const std::vector<DraftRequest>& all,
                       const StrokeCounts& unihan) {
  std::printf("drafts from the stroke-order data (%s):\n", data.folder.c_str());
  std::string error;
  const std::vector<DraftedGlyph> drafted =
      draftMany({}, all, kGrid, DraftMode::StrokeData, 2, &error);
  int counted = 0, equal = 0, left = 0;
  size_t strokes = 0, close = 0;
  std::string misses;
  for (size_t i = 0; i < all.size(); ++i) {
    if (!drafted[i].found) {
      ++left;
      continue;
    }
    const auto expected = unihan.find(all[i].unicode);
    const int n = static_cast<int>(drafted[i].strokes.size());
    if (expected != unihan.end()) {
      ++counted;
      if (n == expected->second) {
        ++equal;
      } else if (misses.size() < 200) {
        misses +=
            " " + utf8(all[i].unicode) + std::to_string(n) + "/" + std::to_string(expected->second);
      }
    }
    const std::vector<Polyline> lines =
        mediansOnGrid(*loadMedians(data.folder, all[i].unicode), kGrid);
    for (size_t s = 0; s < drafted[i].strokes.size() && s < lines.size(); ++s) {
      ++strokes;
      if (farthestFromDataLine(drafted[i].strokes[s], lines[s], 2.25) <= 0.75) ++close;
    }
  }
  std::printf("  characters drafted: %zu, left out %d\n", all.size() - left, left);
  std::printf("  stroke count equal to kTotalStrokes: %d of %d, %.2f %% (bar 98 %%)\n", equal,
              counted, 100.0 * equal / std::max(counted, 1));
  std::printf("  unequal (drafted/Unihan):%s\n", misses.c_str());
  std::printf(
      "  strokes within 3/4 unit of their data centre line (its ends carried on to the "
      "stroke's within 2.25 units): %.2f %%\n",
      100.0 * close / std::max<size_t>(strokes, 1));
  printInkBoxes(drafted);
  std::printf("  drafting all %zu from the data on 2 threads: %.2f s (median of 3; bar 3 s)\n",
              all.size(),
              medianSeconds([&] { draftMany({}, all, kGrid, DraftMode::StrokeData, 2, &error); }));
}

// How well the drafted order agrees with the data's: Spearman's correlation of the data strokes
// matched by position, median of the characters; and the share of strokes drawn from the end
// nearer their data stroke's start.
void measureOrder(const StrokeDataStatus& data, const std::vector<char32_t>& sample,
                  const std::vector<DraftedGlyph>& drafts) {
  std::vector<double> correlations;
  size_t strokes = 0, directed = 0;
  for (size_t i = 0; i < sample.size(); ++i) {
    const std::optional<std::vector<Polyline>> medians = loadMedians(data.folder, sample[i]);
    if (!medians) continue;
    const std::vector<Polyline> lines = mediansOnGrid(*medians, kGrid);
    const std::vector<size_t> matched = nearestDataStrokes(drafts[i], lines);
    std::vector<double> drawn, data;
    for (size_t s = 0; s < matched.size(); ++s) {
      drawn.push_back(double(s));
      data.push_back(double(matched[s]));
      const GridStroke& stroke = drafts[i].strokes[s];
      const PointF start = lines[matched[s]].front();
      ++strokes;
      if (length(PointF{double(stroke.front().x), double(stroke.front().y)} - start) <=
          length(PointF{double(stroke.back().x), double(stroke.back().y)} - start))
        ++directed;
    }
    correlations.push_back(spearman(drawn, data));
  }
  std::printf(
      "writing order: median Spearman correlation with the data's order %.3f (bar 0.8), "
      "%.1f %% of strokes drawn from the end nearer their data stroke's start\n",
      medianOf(correlations), 100.0 * directed / std::max<size_t>(strokes, 1));
}

}  // namespace

int main(int argc, char** argv) {
  const FaceFile face = faceFileOf("WenQuanYi Micro Hei");
  std::string error;
  std::unique_ptr<GlyphDrafter> drafter =
      face.path.empty() ? nullptr : GlyphDrafter::open(face.path, face.index, &error);
  if (!drafter) {
    std::fprintf(stderr, "WenQuanYi Micro Hei cannot be opened (fonts-wqy-microhei) %s\n",
                 error.c_str());
    return 1;
  }
  const StrokeDataStatus data = strokeDataStatus();
  if (!data.installed) std::fprintf(stderr, "%s\n", data.message.c_str());
  // Drafts as the window makes them: from the face in the data's order, and from the data.
  const auto draftBoth = [&](const std::vector<char32_t>& chars, std::vector<DraftedGlyph>& drafts,
                             std::vector<DraftedGlyph>& fromData) {
    std::vector<DraftRequest> asked;
    for (char32_t c : chars) asked.push_back({c, true});
    drafts = draftMany(face, asked, kGrid, DraftMode::CentreLine, 2, &error);
    fromData = data.installed ? draftMany({}, asked, kGrid, DraftMode::StrokeData, 2, &error)
                              : std::vector<DraftedGlyph>(chars.size());
  };
  if (argc > 2) {
    // Only the sheet of the characters given, each with its stroke counts.
    const std::vector<char32_t> shown = decoded(argv[2]);
    std::vector<DraftedGlyph> drafts, fromData;
    draftBoth(shown, drafts, fromData);
    for (size_t i = 0; i < shown.size(); ++i)
      std::printf("%s %zu %zu\n", utf8(shown[i]).c_str(), drafts[i].strokes.size(),
                  fromData[i].strokes.size());
    writeSheet(argv[1], *drafter, shown, drafts, fromData);
    return 0;
  }
  const StrokeCounts unihan = loadTotalStrokes();
  if (unihan.empty()) std::fprintf(stderr, "no Unihan stroke counts (unicode-data)\n");

  std::vector<DraftRequest> all;
  for (uint16_t code : gb2312HanziCodes()) all.push_back({unicodeOfGbk(code), true});
  std::vector<char32_t> sample;
  for (int i = 0; i < kSample && size_t(i) * kStep < all.size(); ++i)
    sample.push_back(all[i * kStep].unicode);

  Measure m;
  int countsWithin = 0, counted = 0;
  std::vector<DraftedGlyph> drafts, fromData;
  draftBoth(sample, drafts, fromData);
  std::string misses;
  for (size_t i = 0; i < sample.size(); ++i) {
    const char32_t c = sample[i];
    measure(*drafter, c, drafts[i], m);
    const auto expected = unihan.find(c);
    if (expected == unihan.end()) continue;
    ++counted;
    const int n = static_cast<int>(drafts[i].strokes.size());
    if (std::abs(n - expected->second) <= 0.4 * expected->second) {
      ++countsWithin;
    } else {
      misses += " " + utf8(c) + std::to_string(n) + "/" + std::to_string(expected->second);
    }
  }
  std::printf("characters measured: %zu\n", sample.size());
  std::printf("drafted line on the glyph (widened by half a unit): %.2f %% (bar 97 %%)\n",
              100 * m.drawnOnInk / std::max(m.drawn, 1e-9));
  std::printf("glyph centre line within one unit of the draft: %.2f %% (bar 95 %%)\n",
              100 * m.centreCovered / std::max(m.centre, 1.0));
  std::printf("stroke count within 40 %% of kTotalStrokes: %d of %d, %.1f %% (bar 75 %%)\n",
              countsWithin, counted, 100.0 * countsWithin / std::max(counted, 1));
  std::printf("outside (drafted/Unihan):%s\n", misses.c_str());
  printInkBoxes(drafts);
  if (data.installed) measureOrder(data, sample, drafts);

  std::printf(
      "drafting all %zu GB2312 hanzi on 2 threads: %.2f s (median of 3)\n", all.size(),
      medianSeconds([&] { draftMany(face, all, kGrid, DraftMode::CentreLine, 2, &error); }));
  if (data.installed) measureStrokeData(data, all, unihan);

  if (argc > 1) {
    std::vector<char32_t> shown;
    std::vector<DraftedGlyph> shownDrafts, shownFromData;
    for (size_t i = 0; shown.size() < 20; i += sample.size() / 20) {
      shown.push_back(sample[i]);
      shownDrafts.push_back(drafts[i]);
      shownFromData.push_back(fromData[i]);
    }
    writeSheet(argv[1], *drafter, shown, shownDrafts, shownFromData);
  }
  return 0;
}
