#pragma once

#include <QListWidget>
#include <cstdint>
#include <string>

// The character list: one item per shape, showing its caption, remembering the shape's code
// and its list bytes. Items are owner-drawn at a fixed height.
//
// picked() is the list's click: it comes once for every pick with the mouse (also of the item
// already selected) and for every change of the current item by the keys.
class CharacterList : public QListWidget {
  Q_OBJECT
 public:
  static constexpr int kItemHeight = 17;

  explicit CharacterList(QWidget* parent = nullptr);

  void addCharacter(const QString& caption, uint16_t code, const std::string& listBytes);
  static uint16_t codeOf(const QListWidgetItem* item);
  static std::string bytesOf(const QListWidgetItem* item);

 signals:
  void picked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool mouseHeld_ = false;
  bool pressedOnItem_ = false;
};
