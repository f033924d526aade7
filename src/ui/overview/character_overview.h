#pragma once

#include <QDockWidget>
#include <string>

class CharacterCellDelegate;
class CharacterTableModel;
class FontDocument;
class QCheckBox;
class QListView;
class QSlider;

// "字表": every character of the open font as a small drawing in code order, in a dock
// beside the editor. Only the cells in view are drawn, so a font of thousands of characters
// scrolls smoothly. A click picks the character; the cell size and the filter for characters
// that draw nothing are the user's, kept in the user's configuration.
class CharacterOverview : public QDockWidget {
  Q_OBJECT
 public:
  explicit CharacterOverview(FontDocument& document, QWidget* parent = nullptr);

  QListView& view() const { return *view_; }
  CharacterTableModel& model() const { return *model_; }
  QCheckBox& emptyOnlyBox() const { return *emptyOnly_; }
  QSlider& cellSizeSlider() const { return *cellSize_; }

 signals:
  void characterClicked(const std::string& listText);

 private:
  void setCellSize(int pixels);
  void showCurrent();

  FontDocument& document_;
  CharacterTableModel* model_;
  CharacterCellDelegate* delegate_;
  QListView* view_;
  QCheckBox* emptyOnly_;
  QSlider* cellSize_;
};
