#include <QFontMetrics>
#include <QListWidget>
#include <QPainter>

#include "ui/canvas/panel.h"
#include "ui/main/main_window.h"
#include "ui/platform/gbk.h"

// The underlay, painted before the grid with the layout of the previous repaint: the
// current character in the reference face at (refLeft, refTop) on a cell of the panel's
// colour, or the picture stretched over the area between the outer grid lines.
void TFmMain::drawReference(QPainter& canvas, uint8_t mode) {
  if (!currentShape || currentChar.empty()) return;
  if (mode == 1 && RzFontListBox1->currentItem()) {
    QFont font = refFont;
    font.setPointSize(refFontSize);
    const QString text = fromGbk(currentChar);
    const QFontMetrics metrics(font);
    canvas.fillRect(QRect(refLeft, refTop, metrics.horizontalAdvance(text), metrics.height()),
                    Panel->palette().color(QPalette::Window));
    canvas.setFont(font);
    canvas.setPen(Panel->palette().color(QPalette::WindowText));
    canvas.drawText(refLeft, refTop + metrics.ascent(), text);
  } else if (mode == 2 && !refPicture.isNull() && cellSize != 0) {
    const int side = static_cast<int>(cellSize);
    canvas.drawImage(QRect(originX, originY, (gridWidth - 1) * side, (gridHeight - 1) * side),
                     refPicture);
  }
}
