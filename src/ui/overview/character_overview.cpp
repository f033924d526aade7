#include "ui/overview/character_overview.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QSettings>
#include <QSlider>

#include "ui/document/font_document.h"
#include "ui/shared/hints.h"
#include "ui/overview/character_cell_delegate.h"
#include "ui/overview/character_table_model.h"

namespace {

const QString kCellSizeKey = QStringLiteral("overview/cellSize");
const QString kEmptyOnlyKey = QStringLiteral("overview/emptyOnly");

}  // namespace

CharacterOverview::CharacterOverview(FontDocument& document, QWidget* parent)
    : QDockWidget(QStringLiteral("字表"), parent),
      document_(document),
      model_(new CharacterTableModel(document, this)),
      delegate_(new CharacterCellDelegate(document, this)),
      view_(new QListView),
      emptyOnly_(new QCheckBox(QStringLiteral("只显示空字符"))),
      cellSize_(new QSlider(Qt::Horizontal)) {
  setObjectName(QStringLiteral("characterOverview"));
  const QSettings user;
  view_->setObjectName(QStringLiteral("overviewList"));
  view_->setViewMode(QListView::IconMode);
  view_->setMovement(QListView::Static);
  view_->setResizeMode(QListView::Adjust);
  view_->setUniformItemSizes(true);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setSpacing(0);
  view_->setItemDelegate(delegate_);
  view_->setModel(model_);
  emptyOnly_->setObjectName(QStringLiteral("overviewEmptyOnly"));
  applyHint(emptyOnly_, QStringLiteral("只显示空字符|只显示还没有笔画的字符"));
  cellSize_->setObjectName(QStringLiteral("overviewCellSize"));
  cellSize_->setRange(32, 128);
  cellSize_->setFixedWidth(100);
  applyHint(cellSize_, QStringLiteral("大小|字表中每个字符的大小"));

  auto* body = new QWidget(this);
  auto* controls = new QHBoxLayout;
  controls->addWidget(emptyOnly_);
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

  connect(view_, &QListView::clicked, this, [this](const QModelIndex& index) {
    emit characterClicked(index.data(CharacterTableModel::ListTextRole).toByteArray().toStdString());
  });
  connect(emptyOnly_, &QCheckBox::toggled, this, [this](bool on) {
    model_->setEmptyOnly(on);
    QSettings().setValue(kEmptyOnlyKey, on);
    showCurrent();
  });
  connect(cellSize_, &QSlider::valueChanged, this, [this](int pixels) {
    setCellSize(pixels);
    QSettings().setValue(kCellSizeKey, pixels);
  });
  connect(&document_, &FontDocument::currentChanged, this, &CharacterOverview::showCurrent);
  connect(model_, &QAbstractItemModel::modelReset, this, &CharacterOverview::showCurrent);
}

void CharacterOverview::setCellSize(int pixels) {
  delegate_->setCellSize(pixels);
  view_->setGridSize(QSize(pixels, pixels));
}

// The current character is selected and in view, when the overview shows it.
void CharacterOverview::showCurrent() {
  const int row = model_->rowOf(document_.currentShape());
  if (row < 0) {
    view_->clearSelection();
    return;
  }
  const QModelIndex index = model_->index(row);
  view_->setCurrentIndex(index);
  if (isVisible()) view_->scrollTo(index);
}
