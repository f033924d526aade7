#pragma once

#include <QPlainTextEdit>

class FontDocument;

// The source view under the canvas: the current character's text as the font file will
// hold it, read-only. It is rewritten when another character becomes current and after the
// edits that show their text at once; the others (selection, the delete commands, cut and
// paste) show theirs with the next rewrite.
class SourceView : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit SourceView(FontDocument& document, QWidget* parent = nullptr);

  void fill();
  // A selection made in the view goes at once.
  void dropSelection(bool hasSelection);

 private:
  FontDocument& document_;
};
