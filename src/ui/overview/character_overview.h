#pragma once

#include <QDockWidget>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

class CharacterCellDelegate;
class CharacterTableModel;
class QAction;
class QMenu;
class FontDocument;
class QCheckBox;
class QListView;
class QSlider;
class ReviewList;

// "字表": every character of the open font as a small drawing in code order, in a dock
// beside the editor. Only the cells in view are drawn, so a font of thousands of characters
// scrolls smoothly. A click picks the character; Ctrl+click, Shift+click, a rubber band and
// Ctrl+A select many, and the selection is the document's. The cell size and the filter for
// characters that draw nothing are the user's, kept in the user's configuration.
class CharacterOverview : public QDockWidget {
  Q_OBJECT
 public:
  explicit CharacterOverview(FontDocument& document, QWidget* parent = nullptr);

  QListView& view() const { return *view_; }
  CharacterTableModel& model() const { return *model_; }
  QCheckBox& emptyOnlyBox() const { return *emptyOnly_; }
  QCheckBox& toReviewBox() const { return *toReview_; }
  ReviewList& reviewList() const { return *review_; }
  QSlider& cellSizeSlider() const { return *cellSize_; }
  // The pop-up menu of the cells; a null item stands for a separator.
  void setMenu(std::initializer_list<QAction*> items);
  QMenu& menu() const { return *menu_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  void characterClicked(const std::string& listText);

 private:
  void setCellSize(int pixels);
  void showCurrent();
  // The view's selection made the document's, and back.
  void takeSelection();
  void showSelection();
  std::vector<uint16_t> selectedCodes() const;

  FontDocument& document_;
  ReviewList* review_;
  CharacterTableModel* model_;
  CharacterCellDelegate* delegate_;
  QListView* view_;
  QCheckBox* emptyOnly_;
  QCheckBox* toReview_;
  QSlider* cellSize_;
  QMenu* menu_;
  bool showingSelection_ = false;
};
