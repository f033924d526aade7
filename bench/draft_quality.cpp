// draft_quality [SHEET.png [CHARACTERS]]: how well the centre-line drafting follows WenQuanYi Micro
// Hei. On 500 GB2312 hanzi (every 13th in code order) drafted on a BIGFONT grid of 48 it prints
//  - the share of drafted stroke length lying on the glyph widened by half a grid unit,
//  - the share of the glyph's own centre line, thinned at twice the resolution, lying within
//    one grid unit of a drafted stroke,
//  - how many drafts have a stroke count within 40 % of Unihan's kTotalStrokes,
//  - the time to draft all 6763 hanzi on two threads (median of three runs),
// and writes a contact sheet of 20 drafts beside their glyphs. Given characters (UTF-8), it
// only draws the sheet of those.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "drafting/centre_line.h"
#include "drafting/draft_many.h"
#include "drafting/glyph_drafter.h"
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
  GridPointF a, b;
};

std::vector<Segment> segmentsOf(const DraftedGlyph& glyph) {
  std::vector<Segment> segments;
  for (const GridStroke& s : glyph.strokes)
    for (size_t i = 1; i < s.size(); ++i)
      segments.push_back(
          {{double(s[i - 1].x), double(s[i - 1].y)}, {double(s[i].x), double(s[i].y)}});
  return segments;
}

double distanceTo(const Segment& s, GridPointF p) {
  const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y, len2 = dx * dx + dy * dy;
  const double t =
      len2 > 0 ? std::clamp(((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / len2, 0.0, 1.0) : 0;
  return std::hypot(p.x - s.a.x - t * dx, p.y - s.a.y - t * dy);
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
  if (!drafter.render(unicode, kGrid, kCheckResolution, bitmap, place) || bitmap.width == 0) return;
  const double ppu = place.pixelsPerUnit;
  const auto inkNear = [&](GridPointF p) {
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
      const GridPointF p{place.left + (x + 0.5) / ppu, place.top - (y + 0.5) / ppu};
      m.centre += 1;
      for (const Segment& s : segments) {
        if (distanceTo(s, p) <= 1.0) {
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

void writeSheet(const std::string& path, GlyphDrafter& drafter, const std::vector<char32_t>& chars,
                const std::vector<DraftedGlyph>& drafts) {
#ifdef KELVANE_DRAFT_QUALITY_PNG
  constexpr int kScale = 4, kCell = 48 * kScale + 8, kColumns = 5;
  const int rows = (static_cast<int>(chars.size()) + kColumns - 1) / kColumns;
  QImage sheet(kColumns * 2 * kCell, rows * kCell, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::Antialiasing);
  for (size_t i = 0; i < chars.size(); ++i) {
    const int left = static_cast<int>(i % kColumns) * 2 * kCell + 4;
    const int top = static_cast<int>(i / kColumns) * kCell + 4;
    const auto at = [&](int dx, double x, double y) {
      return QPointF(left + dx + x * kScale, top + (48 - y) * kScale);
    };
    painter.setPen(QColor(200, 200, 255));
    painter.drawRect(QRectF(at(0, 0, 48), at(0, 48, 0)));
    painter.drawRect(QRectF(at(kCell, 0, 48), at(kCell, 48, 0)));
    Bitmap bitmap;
    PixelGrid place;
    if (drafter.render(chars[i], kGrid, kScale, bitmap, place) && bitmap.width > 0) {
      QImage glyph(bitmap.width, bitmap.height, QImage::Format_ARGB32);
      for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x)
          glyph.setPixel(x, y, qRgba(0, 0, 0, bitmap.at(x, y) * 2 / 5));
      painter.drawImage(at(0, place.left, place.top), glyph);
    }
    for (int panel = 0; panel < 2; ++panel) {
      for (size_t s = 0; s < drafts[i].strokes.size(); ++s) {
        const GridStroke& stroke = drafts[i].strokes[s];
        const QColor colour = QColor::fromHsv(static_cast<int>(s * 67 % 360), 230, 200);
        painter.setPen(QPen(panel == 0 ? QColor(220, 0, 0) : colour, 2));
        for (size_t p = 1; p < stroke.size(); ++p)
          painter.drawLine(at(panel * kCell, stroke[p - 1].x, stroke[p - 1].y),
                           at(panel * kCell, stroke[p].x, stroke[p].y));
        painter.setBrush(panel == 0 ? QColor(220, 0, 0) : colour);
        painter.drawEllipse(at(panel * kCell, stroke[0].x, stroke[0].y), 3, 3);
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
  std::fprintf(stderr, "%s: built without Qt, no contact sheet\n", path.c_str());
#endif
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
  if (argc > 2) {
    // Only the sheet of the characters given, each with its stroke count.
    std::vector<char32_t> shown = decoded(argv[2]);
    std::vector<DraftedGlyph> drafts;
    for (char32_t c : shown) {
      drafts.push_back(drafter->draft(c, true, kGrid, DraftMode::CentreLine));
      std::printf("%s %zu\n", utf8(c).c_str(), drafts.back().strokes.size());
    }
    writeSheet(argv[1], *drafter, shown, drafts);
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
  std::vector<DraftedGlyph> drafts;
  std::string misses;
  for (char32_t c : sample) {
    drafts.push_back(drafter->draft(c, true, kGrid, DraftMode::CentreLine));
    measure(*drafter, c, drafts.back(), m);
    const auto expected = unihan.find(c);
    if (expected == unihan.end()) continue;
    ++counted;
    const int n = static_cast<int>(drafts.back().strokes.size());
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

  std::vector<double> seconds;
  size_t missing = 0;
  for (int run = 0; run < 3; ++run) {
    const auto start = std::chrono::steady_clock::now();
    const std::vector<DraftedGlyph> drafted =
        draftMany(face, all, kGrid, DraftMode::CentreLine, 2, &error);
    seconds.push_back(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    missing = static_cast<size_t>(
        std::count_if(drafted.begin(), drafted.end(), [](const auto& d) { return !d.found; }));
  }
  std::sort(seconds.begin(), seconds.end());
  std::printf("drafting all %zu GB2312 hanzi on 2 threads: %.2f s (median of 3), %zu missing\n",
              all.size(), seconds[1], missing);

  if (argc > 1) {
    std::vector<char32_t> shown;
    std::vector<DraftedGlyph> shownDrafts;
    for (size_t i = 0; shown.size() < 20; i += sample.size() / 20) {
      shown.push_back(sample[i]);
      shownDrafts.push_back(drafts[i]);
    }
    writeSheet(argv[1], *drafter, shown, shownDrafts);
  }
  return 0;
}
