#include "ui/icons/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor kOutline(60, 60, 70);
const QColor kPaper(255, 255, 255);
const QColor kFolder(232, 184, 72);
const QColor kDisk(52, 96, 170);
const QColor kBlue(40, 110, 200);
const QColor kRed(200, 40, 40);
const QColor kGreen(40, 150, 60);

QPen outline(qreal width = 1.5) {
  return QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A sheet with a folded top-right corner, its left edge at x.
void sheet(QPainter& p, qreal x, qreal y, qreal w, qreal h) {
  QPainterPath path;
  path.moveTo(x, y);
  path.lineTo(x + w - 7, y);
  path.lineTo(x + w, y + 7);
  path.lineTo(x + w, y + h);
  path.lineTo(x, y + h);
  path.closeSubpath();
  p.setPen(outline());
  p.setBrush(kPaper);
  p.drawPath(path);
  p.drawPolyline(QPolygonF({{x + w - 7, y}, {x + w - 7, y + 7}, {x + w, y + 7}}));
}

void textLines(QPainter& p, qreal x, qreal y, qreal w, int count) {
  p.setPen(QPen(QColor(150, 150, 160), 1.5));
  for (int i = 0; i < count; ++i) p.drawLine(QPointF(x, y + 4 * i), QPointF(x + w, y + 4 * i));
}

void floppy(QPainter& p) {
  p.setPen(outline());
  p.setBrush(kDisk);
  QPainterPath body;
  body.moveTo(4, 4);
  body.lineTo(24, 4);
  body.lineTo(28, 8);
  body.lineTo(28, 28);
  body.lineTo(4, 28);
  body.closeSubpath();
  p.drawPath(body);
  p.setBrush(kPaper);
  p.drawRect(QRectF(9, 4, 13, 9));
  p.setBrush(QColor(200, 210, 230));
  p.drawRect(QRectF(8, 17, 16, 11));
  p.setBrush(kOutline);
  p.drawRect(QRectF(17, 6, 3, 5));
}

void circleSign(QPainter& p, const QColor& fill) {
  p.setPen(outline());
  p.setBrush(fill);
  p.drawEllipse(QRectF(3, 3, 26, 26));
}

void drawNew(QPainter& p) {
  sheet(p, 6, 3, 20, 26);
  textLines(p, 10, 14, 12, 3);
  p.setPen(QPen(kGreen, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(24, 19), QPointF(24, 29));
  p.drawLine(QPointF(19, 24), QPointF(29, 24));
}

void drawOpen(QPainter& p) {
  p.setPen(outline());
  p.setBrush(kFolder.darker(115));
  p.drawPolygon(QPolygonF({{3, 8}, {11, 8}, {14, 11}, {27, 11}, {27, 27}, {3, 27}}));
  p.setBrush(kFolder);
  p.drawPolygon(QPolygonF({{7, 15}, {30, 15}, {26, 27}, {3, 27}}));
}

void drawSave(QPainter& p) { floppy(p); }

void drawSaveAs(QPainter& p) {
  floppy(p);
  p.setPen(QPen(kOutline, 1.2));
  p.setBrush(QColor(250, 210, 80));
  p.drawPolygon(QPolygonF({{16, 30}, {18, 24}, {29, 13}, {31, 15}, {20, 26}}));
}

void drawHelp(QPainter& p) {
  circleSign(p, kBlue);
  QFont font;
  font.setPixelSize(20);
  font.setBold(true);
  p.setFont(font);
  p.setPen(kPaper);
  p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
}

void drawAbout(QPainter& p) {
  circleSign(p, kBlue);
  p.setPen(Qt::NoPen);
  p.setBrush(kPaper);
  p.drawEllipse(QRectF(14, 8, 4, 4));
  p.drawRoundedRect(QRectF(14, 14, 4, 11), 1, 1);
}

void drawExit(QPainter& p) {
  p.setPen(outline());
  p.setBrush(QColor(170, 120, 80));
  p.drawRect(QRectF(5, 3, 15, 26));
  p.setBrush(kOutline);
  p.drawEllipse(QRectF(15, 15, 2.5, 2.5));
  p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QPointF(17, 10), QPointF(29, 10));
  p.drawPolyline(QPolygonF({{25, 6}, {29, 10}, {25, 14}}));
}

void drawClose(QPainter& p) {
  sheet(p, 4, 3, 20, 26);
  textLines(p, 8, 12, 12, 3);
  p.setPen(QPen(kRed, 3.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(18, 18), QPointF(28, 28));
  p.drawLine(QPointF(28, 18), QPointF(18, 28));
}

void drawCut(QPainter& p) {
  p.setPen(QPen(kOutline, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(10, 3), QPointF(20, 19));
  p.drawLine(QPointF(22, 3), QPointF(12, 19));
  p.setPen(QPen(kRed, 2.5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(5, 19, 9, 9));
  p.drawEllipse(QRectF(18, 19, 9, 9));
}

void drawCopy(QPainter& p) {
  sheet(p, 3, 3, 16, 20);
  textLines(p, 6, 11, 9, 2);
  sheet(p, 12, 9, 17, 21);
  textLines(p, 15, 18, 10, 3);
}

void drawPaste(QPainter& p) {
  p.setPen(outline());
  p.setBrush(QColor(180, 130, 80));
  p.drawRoundedRect(QRectF(4, 5, 20, 24), 2, 2);
  p.setBrush(QColor(190, 190, 200));
  p.drawRoundedRect(QRectF(9, 2, 10, 6), 1.5, 1.5);
  sheet(p, 14, 12, 15, 18);
  textLines(p, 17, 20, 8, 2);
}

// A curved arrow over the top, pointing left (undo) or, mirrored, right (redo).
void drawStepArrow(QPainter& p, bool forward) {
  if (forward) {
    p.translate(32, 0);
    p.scale(-1, 1);
  }
  QPainterPath arc;
  arc.moveTo(9, 13);
  arc.cubicTo(14, 5, 27, 6, 27, 17);
  arc.cubicTo(27, 24, 21, 27, 15, 27);
  p.setPen(QPen(kBlue, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(arc);
  p.setPen(outline(1.2));
  p.setBrush(kBlue);
  p.drawPolygon(QPolygonF({{3, 8}, {13, 8}, {6, 18}}));
}

void drawUndo(QPainter& p) { drawStepArrow(p, false); }
void drawRedo(QPainter& p) { drawStepArrow(p, true); }

using Painter = void (*)(QPainter&);

Painter painterFor(IconIndex index) {
  switch (index) {
    case IconIndex::New:
      return drawNew;
    case IconIndex::Open:
      return drawOpen;
    case IconIndex::Save:
      return drawSave;
    case IconIndex::SaveAs:
      return drawSaveAs;
    case IconIndex::Help:
      return drawHelp;
    case IconIndex::About:
      return drawAbout;
    case IconIndex::Exit:
      return drawExit;
    case IconIndex::Close:
      return drawClose;
    case IconIndex::Cut:
      return drawCut;
    case IconIndex::Copy:
      return drawCopy;
    case IconIndex::Paste:
      return drawPaste;
    case IconIndex::Undo:
      return drawUndo;
    case IconIndex::Redo:
      return drawRedo;
  }
  return drawNew;
}

}  // namespace

QIcon commandIcon(IconIndex index) {
  const Painter draw = painterFor(index);
  QIcon icon;
  for (int size : {16, 20, 24, 32, 48, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size / 32.0, size / 32.0);
    draw(painter);
    icon.addPixmap(pixmap);
  }
  return icon;
}
