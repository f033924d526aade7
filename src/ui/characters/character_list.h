#pragma once

#include <QListWidget>
#include <cstdint>
#include <string>

class FontDocument;

// The character list: one item per shape of the open font in code order, showing its
// caption and remembering the shape's code and list bytes. Items are owner-drawn at a fixed
// height. It refills when the font or its characters change, and selects the character the
// document makes current.
//
// picked() is the list's click: it comes once for every pick with the mouse (also of the item
// already selected), for every change of the current item by the keys, and after a change of
// the characters has selected the item to pick.
class CharacterList : public QListWidget {
  Q_OBJECT
 public:
  static constexpr int kItemHeight = 17;

  CharacterList(FontDocument& document, QWidget* parent = nullptr);

  static uint16_t codeOf(const QListWidgetItem* item);
  static std::string bytesOf(const QListWidgetItem* item);

  void refill();
  // Selects the first item showing `text` (list bytes) without a pick.
  bool selectByText(const std::string& text);
  const QListWidgetItem* selectedItem() const;
  std::string selectedText() const;  // list bytes; empty when nothing is selected
  // The selected item's character becomes current; none when nothing is selected. The
  // item's own code finds the shape, so codes that the list bytes do not give back (128 to
  // 255, Unicode shape numbers) find theirs too.
  void pickSelected();
  // Selects the first item showing `text`, if there is one, and reports a pick of the item
  // selected then.
  void pick(const std::string& text);

 signals:
  void picked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void addCharacter(const QString& caption, uint16_t code, const std::string& listBytes);
  void showChangedShapes(const std::string& pickText, int pickRow);

  FontDocument& document_;
  bool mouseHeld_ = false;
  bool pressedOnItem_ = false;
};
