#include "ui/overview/character_overview.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QSettings>
#include <QSlider>
#include <algorithm>

#include "model/shape.h"
#include "shapefile/shpfile.h"
#include "ui/document/font_document.h"
#include "ui/overview/character_cell_delegate.h"
#include "ui/overview/character_table_model.h"
#include "ui/overview/review_list.h"
#include "ui/shared/hints.h"

namespace {

const QString kCellSizeKey = QStringLiteral("overview/cellSize");
const QString kEmptyOnlyKey = QStringLiteral("overview/emptyOnly");

}  // namespace

CharacterOverview::CharacterOverview(FontDocument& document, QWidget* parent)
    : QDockWidget(QStringLiteral("字表"), parent),
      document_(document),
      review_(new ReviewList(document, this)),
      model_(new CharacterTableModel(document, *review_, this)),
      delegate_(new CharacterCellDelegate(document, this)),
      view_(new QListView),
      emptyOnly_(new QCheckBox(QStringLiteral("只显示空字符"))),
      toReview_(new QCheckBox(QStringLiteral("待检查"))),
      cellSize_(new QSlider(Qt::Horizontal)),
      menu_(new QMenu(this)) {
  setObjectName(QStringLiteral("characterOverview"));
  const QSettings user;
  view_->setObjectName(QStringLiteral("overviewList"));
  view_->setViewMode(QListView::IconMode);
  view_->setMovement(QListView::Static);
  view_->setResizeMode(QListView::Adjust);
  view_->setUniformItemSizes(true);
  view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view_->setSelectionRectVisible(true);
  view_->setContextMenuPolicy(Qt::CustomContextMenu);
  // Ctrl+A is the window's Save As; over the overview it selects every cell shown.
  view_->installEventFilter(this);
  view_->setSpacing(0);
  view_->setItemDelegate(delegate_);
  view_->setModel(model_);
  emptyOnly_->setObjectName(QStringLiteral("overviewEmptyOnly"));
  applyHint(emptyOnly_, QStringLiteral("只显示空字符|只显示还没有笔画的字符"));
  toReview_->setObjectName(QStringLiteral("overviewToReview"));
  applyHint(toReview_,
            QStringLiteral(
                "待检查|"
                "只显示需要检查的字符，问题最多的在前：没有落笔的笔画、极短的笔画、超出格子的墨迹、"
                "笔画数与 Unihan 相差很大的汉字"));
  cellSize_->setObjectName(QStringLiteral("overviewCellSize"));
  cellSize_->setRange(32, 128);
  cellSize_->setFixedWidth(100);
  applyHint(cellSize_, QStringLiteral("大小|字表中每个字符的大小"));

  auto* body = new QWidget(this);
  auto* controls = new QHBoxLayout;
  controls->addWidget(emptyOnly_);
  controls->addWidget(toReview_);
  controls->addStretch(1);
  controls->addWidget(new QLabel(QStringLiteral("大小"), body));
  controls->addWidget(cellSize_);
  auto* column = new QVBoxLayout(body);
  column->setContentsMargins(3, 3, 3, 3);
  column->addLayout(controls);
  column->addWidget(view_, 1);
  setWidget(body);

  // The user's choices are shown before the controls are connected: showing them writes
  // nothing back.
  cellSize_->setValue(user.value(kCellSizeKey, 56).toInt());
  setCellSize(cellSize_->value());
  emptyOnly_->setChecked(user.value(kEmptyOnlyKey, false).toBool());
  model_->setEmptyOnly(emptyOnly_->isChecked());

  // A click on a selected cell makes it current; a Ctrl+click that unselects a cell leaves
  // the first selected one current.
  connect(view_, &QListView::clicked, this, [this](const QModelIndex& index) {
    QModelIndex shown = index;
    if (!view_->selectionModel()->isSelected(index)) {
      const QModelIndexList selected = view_->selectionModel()->selectedIndexes();
      if (selected.isEmpty()) return;
      shown = *std::min_element(selected.begin(), selected.end());
    }
    emit characterClicked(
        shown.data(CharacterTableModel::ListTextRole).toByteArray().toStdString());
  });
  connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CharacterOverview::takeSelection);
  connect(view_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    if (!menu_->isEmpty()) menu_->popup(view_->viewport()->mapToGlobal(at));
  });
  connect(emptyOnly_, &QCheckBox::toggled, this, [this](bool on) {
    if (on) toReview_->setChecked(false);
    model_->setEmptyOnly(on);
    QSettings().setValue(kEmptyOnlyKey, on);
    showCurrent();
  });
  // The review list is a look for the moment: it is not remembered.
  connect(toReview_, &QCheckBox::toggled, this, [this](bool on) {
    if (on) emptyOnly_->setChecked(false);
    model_->setFilter(on                        ? CharacterTableModel::Filter::ToReview
                      : emptyOnly_->isChecked() ? CharacterTableModel::Filter::EmptyOnly
                                                : CharacterTableModel::Filter::All);
    showCurrent();
  });
  connect(cellSize_, &QSlider::valueChanged, this, [this](int pixels) {
    setCellSize(pixels);
    QSettings().setValue(kCellSizeKey, pixels);
  });
  connect(&document_, &FontDocument::currentChanged, this, &CharacterOverview::showCurrent);
  connect(&document_, &FontDocument::selectionChanged, this, &CharacterOverview::showSelection);
  connect(model_, &QAbstractItemModel::modelReset, this, &CharacterOverview::showCurrent);
}

void CharacterOverview::setCellSize(int pixels) {
  delegate_->setCellSize(pixels);
  view_->setGridSize(QSize(pixels, pixels));
}

void CharacterOverview::setMenu(std::initializer_list<QAction*> items) {
  menu_->clear();
  for (QAction* item : items) {
    if (item) {
      menu_->addAction(item);
    } else {
      menu_->addSeparator();
    }
  }
}

bool CharacterOverview::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_ && event->type() == QEvent::ShortcutOverride &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::SelectAll)) {
    event->accept();
    return true;
  }
  return QDockWidget::eventFilter(watched, event);
}

std::vector<uint16_t> CharacterOverview::selectedCodes() const {
  std::vector<uint16_t> codes;
  for (const QItemSelectionRange& range : view_->selectionModel()->selection())
    for (int row = range.top(); row <= range.bottom(); ++row)
      if (const GShape* shape = model_->shapeAt(row)) codes.push_back(shape->code());
  std::sort(codes.begin(), codes.end());
  codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
  return codes;
}

void CharacterOverview::takeSelection() {
  if (showingSelection_) return;
  std::vector<uint16_t> codes = selectedCodes();
  // The current character is always among the selected ones: with none selected it stays
  // selected alone, and when it is no longer selected the first selected one becomes current.
  const std::optional<uint16_t> current = document_.current();
  if (codes.empty() && current) codes.push_back(*current);
  const bool keepsCurrent =
      !current || std::find(codes.begin(), codes.end(), *current) != codes.end();
  document_.setSelection(codes);
  if (!keepsCurrent && !codes.empty())
    document_.setCurrent(*std::min_element(codes.begin(), codes.end()));
}

// The document's selection shown on the cells, the current character's cell the view's own
// current one, without either reporting back.
void CharacterOverview::showSelection() {
  showingSelection_ = true;
  const int currentRow = model_->rowOf(document_.currentShape());
  // The cells show it already while the user selects: selecting them anew would end the
  // view's own run of a Shift+click.
  if (selectedCodes() == document_.selection()) {
    if (currentRow >= 0)
      view_->selectionModel()->setCurrentIndex(model_->index(currentRow),
                                               QItemSelectionModel::NoUpdate);
    showingSelection_ = false;
    return;
  }
  QItemSelection selection;
  int first = -1, last = -1;
  const auto flush = [&] {
    if (first >= 0) selection.select(model_->index(first), model_->index(last));
  };
  GShpFile* file = document_.file();
  for (uint16_t code : document_.selection()) {
    const int row = file ? model_->rowOf(file->findShape(code)) : -1;
    if (row < 0) continue;
    if (row == last + 1 && first >= 0) {
      last = row;
      continue;
    }
    flush();
    first = last = row;
  }
  flush();
  view_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  if (currentRow >= 0)
    view_->selectionModel()->setCurrentIndex(model_->index(currentRow),
                                             QItemSelectionModel::NoUpdate);
  showingSelection_ = false;
}

// The selection shown, and the current character in view when the overview shows it.
void CharacterOverview::showCurrent() {
  showSelection();
  const int row = model_->rowOf(document_.currentShape());
  if (row >= 0 && isVisible()) view_->scrollTo(model_->index(row));
}
