#include "ui/preview/preview_strip.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "platform/gbk_unicode.h"
#include "shapefile/shpfile.h"
#include "ui/canvas/shape_painter.h"
#include "ui/document/font_document.h"

namespace {

constexpr int kMargin = 6;      // pixels left free above the line and at its ends
constexpr int kMarkSpace = 8;   // pixels under the line for the overrun marks
const QColor kGuide(200, 215, 235);
const QColor kBaseline(150, 175, 210);
const QColor kMissing(140, 140, 140);
const QColor kOverrun(230, 0, 0);
const QColor kInk(0, 0, 0);

// A character's GBK code (its byte below 128); -1 where GBK has no such character.
std::vector<int32_t> codesOf(const QString& text) {
  std::vector<int32_t> codes;
  for (const char32_t c : text.toUcs4()) {
    const uint16_t code = c < 128 ? static_cast<uint16_t>(c) : gbkOfUnicode(c);
    codes.push_back(code == 0 && c != 0 ? -1 : code);
  }
  return codes;
}

}  // namespace

PreviewStrip::PreviewStrip(FontDocument& document, QWidget* parent)
    : QWidget(parent), document_(document) {
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  setPalette(colours);
  setMinimumHeight(48);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  // Characters come and go, and the metrics and direction decide the widths of those missing.
  for (auto whole : {&FontDocument::fileChanged, &FontDocument::metricsChanged})
    connect(&document_, whole, this, &PreviewStrip::layOut);
  connect(&document_, &FontDocument::shapesChanged, this, &PreviewStrip::layOut);
  connect(&document_, &FontDocument::shapeChanged, this, &PreviewStrip::shapeChanged);
}

void PreviewStrip::setText(const QString& text) {
  codes_ = codesOf(text);
  layOut();
}

void PreviewStrip::setZoom(int percent) {
  zoom_ = std::clamp(percent, 10, 100);
  emit extentChanged();
  update();
}

void PreviewStrip::setScroll(int pixels) {
  scroll_ = std::max(0, pixels);
  update();
}

double PreviewStrip::unit() const {
  const GShpFile* file = document_.file();
  const int side = file ? file->above() + file->below() : 0;
  if (side <= 0) return 0;
  return std::max(0, height() - 2 * kMargin - kMarkSpace) / static_cast<double>(side) * zoom_ /
         100.0;
}

double PreviewStrip::lineStartX() const { return kMargin - scroll_; }

double PreviewStrip::baselineY() const {
  const GShpFile* file = document_.file();
  return kMargin + (file ? file->above() : 0) * unit();
}

int PreviewStrip::lineWidth() const {
  const int32_t units = line_.empty() ? 0 : line_.back().penX + line_.back().advance;
  return static_cast<int>(units * unit()) + 2 * kMargin;
}

void PreviewStrip::layOut() {
  if (GShpFile* file = document_.file()) {
    line_ = layOutLine(*file, codes_);
  } else {
    line_.clear();
  }
  emit extentChanged();
  update();
}

// A drag moves points many times a second: the line keeps its characters and only works out
// their places and marks again, when the edited one is among them.
void PreviewStrip::shapeChanged(const GShape* shape) {
  const GShpFile* file = document_.file();
  if (!file || std::none_of(line_.begin(), line_.end(),
                            [shape](const LineGlyph& glyph) { return glyph.shape == shape; }))
    return;
  refreshLine(line_, file->above(), file->below());
  emit extentChanged();
  update();
}

void PreviewStrip::resizeEvent(QResizeEvent*) { emit extentChanged(); }

void PreviewStrip::paintEvent(QPaintEvent*) {
  const GShpFile* file = document_.file();
  const double u = unit();
  if (!file || u <= 0) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const double baseline = baselineY();
  const double top = baseline - file->above() * u;
  const double bottom = baseline + file->below() * u;
  const double left = lineStartX();
  const double right = left + lineWidth() - 2 * kMargin;
  painter.setPen(QPen(kGuide, 1));
  painter.drawLine(QPointF(left, top), QPointF(right, top));
  if (file->below() > 0) painter.drawLine(QPointF(left, bottom), QPointF(right, bottom));
  painter.setPen(QPen(kBaseline, 1));
  painter.drawLine(QPointF(left, baseline), QPointF(right, baseline));

  const ShapePainter::Look look{false, false, Qt::white, kInk, std::clamp(u / 4, 1.0, 2.5)};
  const int visibleRight = width();
  for (const LineGlyph& glyph : line_) {
    const double x = left + glyph.penX * u;
    const double w = glyph.advance * u;
    if (x > visibleRight || x + w < 0) continue;
    if (glyph.shape) {
      ShapePainter(painter, {x, baseline, u}).draw(*glyph.shape, look);
    } else if (glyph.code != ' ') {
      painter.setPen(QPen(kMissing, 1, Qt::DotLine));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(QRectF(x + 1, top, std::max(0.0, w - 2), bottom - top));
    }
    if (glyph.overrun) {
      painter.setPen(QPen(kOverrun, 3, Qt::SolidLine, Qt::FlatCap));
      const double markY = bottom + kMarkSpace / 2.0 + 1;
      painter.drawLine(QPointF(x + 1, markY), QPointF(x + std::max(1.0, w - 1), markY));
    }
  }
}

void PreviewStrip::mousePressEvent(QMouseEvent* event) {
  const double u = unit();
  if (u <= 0 || event->button() != Qt::LeftButton) return;
  const double at = (event->position().x() - lineStartX()) / u;
  for (const LineGlyph& glyph : line_) {
    if (glyph.shape && at >= glyph.penX && at < glyph.penX + glyph.advance) {
      emit characterClicked(glyph.shape->listText());
      return;
    }
  }
}
