#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "editing/text_line.h"

class FontDocument;

// The sample text set in the open font as CAD sets it: each character's strokes at the pen,
// the pen moving on by its advance, the baseline and the font's above and below as faint
// guides. A character the font lacks is a dotted box of its width; one whose strokes leave
// its box is marked red underneath. The line fills the strip's height at zoom 100 and is
// scrolled sideways when it is longer than the strip. It follows every change of the font.
class PreviewStrip : public QWidget {
  Q_OBJECT
 public:
  explicit PreviewStrip(FontDocument& document, QWidget* parent = nullptr);

  void setText(const QString& text);
  // Percent of the size that fills the strip's height.
  void setZoom(int percent);
  void setScroll(int pixels);
  // The width of the whole line in pixels at the present size.
  int lineWidth() const;

  const std::vector<LineGlyph>& line() const { return line_; }
  // Pixels of one grid unit, and where the line starts and its baseline lies.
  double unit() const;
  double lineStartX() const;
  double baselineY() const;

 signals:
  // A character of the font was clicked: its list bytes.
  void characterClicked(const std::string& listText);
  // The line's width or the strip's changed: the scroll range follows.
  void extentChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void layOut();
  void shapeChanged(const GShape* shape);

  FontDocument& document_;
  std::vector<int32_t> codes_;
  std::vector<LineGlyph> line_;
  int zoom_ = 100;
  int scroll_ = 0;
};
