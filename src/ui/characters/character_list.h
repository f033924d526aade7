#pragma once

#include <QListWidget>
#include <cstdint>
#include <optional>
#include <string>

class FontDocument;

// The character list: one item per shape of the open font in code order, showing its
// caption and remembering the shape's code and list bytes. Items are owner-drawn at a fixed
// height. It refills when the font or its characters change, and selects the character the
// document makes current.
//
// picked() is the list's click: it comes once for every pick with the mouse (also of the item
// already selected) and for every change of the current item by the keys.
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
  // The selected item's code; none when nothing is selected.
  std::optional<uint16_t> selectedCode() const;

 signals:
  void picked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void addCharacter(const QString& caption, uint16_t code, const std::string& listBytes);
  // Selects the item of the document's current character without a pick.
  void showCurrent();

  FontDocument& document_;
  bool mouseHeld_ = false;
  bool pressedOnItem_ = false;
};
