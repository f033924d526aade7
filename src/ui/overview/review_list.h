#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "editing/review_flags.h"
#include "editing/review_marks.h"

class FontDocument;
class GShape;

// The characters that need a look: the flags of the open font's characters, and the marks of
// those the maker has seen (已检查), kept in NAME.shp.review beside the font. The marks are
// read when a font is opened, and written when it is saved or closed after they changed; a
// file that cannot be read is ignored with a note (and left as it is until a mark is made),
// and the font never changes because of a mark.
class ReviewList : public QObject {
  Q_OBJECT
 public:
  explicit ReviewList(FontDocument& document, QObject* parent = nullptr);

  // Unihan's stroke counts are read once, when first needed.
  ReviewRules rules() const;
  bool isSeen(const GShape& shape) const { return marks_.isSeen(shape); }
  // The characters of codes leave the list until they change.
  void markSeen(const std::vector<uint16_t>& codes);
  // Writes the marks beside the font's file (atomically) when they changed since they were
  // read or written; nothing for a font that is not on disk.
  void save();

 signals:
  void marksChanged();
  // A note for the status bar: the review file was ignored.
  void note(const QString& text);

 private:
  void load();

  FontDocument& document_;
  ReviewMarks marks_;
  bool changed_ = false;  // marks made since the file was read or written
};
