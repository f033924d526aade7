#include "ui/characters/source_view.h"

#include "model/shape.h"
#include "ui/document/font_document.h"
#include "ui/platform/gbk.h"

namespace {

// The tool-tip yellow of the form.
const QColor kInfoBackground(255, 255, 225);

}  // namespace

SourceView::SourceView(FontDocument& document, QWidget* parent)
    : QPlainTextEdit(parent), document_(document) {
  setReadOnly(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  QPalette colours = palette();
  colours.setColor(QPalette::Base, kInfoBackground);
  setPalette(colours);
  connect(&document_, &FontDocument::currentChanged, this, &SourceView::fill);
  connect(&document_, &FontDocument::shapeChanged, this,
          [this](const GShape* shape, ShapeChange change) {
            if (change == ShapeChange::PointsShown && shape == document_.currentShape()) fill();
          });
}

void SourceView::fill() {
  QStringList lines;
  if (const GShape* shape = document_.currentShape()) {
    std::vector<std::string> text;
    shape->writeTo(text);
    for (const std::string& line : text) lines << fromGbk(line);
  }
  setPlainText(lines.join(QLatin1Char('\n')));
}

void SourceView::dropSelection(bool hasSelection) {
  if (!hasSelection) return;
  QTextCursor cursor = textCursor();
  cursor.clearSelection();
  setTextCursor(cursor);
}
