#include "ui/shared/choice_group.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QRadioButton>

ChoiceGroup::ChoiceGroup(Kind kind, const QString& caption, const QStringList& items, int columns,
                         QWidget* parent)
    : QGroupBox(caption, parent), kind_(kind) {
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(6, 2, 2, 2);
  layout->setHorizontalSpacing(2);
  layout->setVerticalSpacing(0);
  const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
  for (int i = 0; i < items.size(); ++i) {
    QAbstractButton* button = kind == Kind::Check
                                  ? static_cast<QAbstractButton*>(new QCheckBox(items[i], this))
                                  : new QRadioButton(items[i], this);
    button->setAutoExclusive(false);
    layout->addWidget(button, i % rows, i / rows);
    buttons_ << button;
    if (kind == Kind::Check) {
      connect(button, &QAbstractButton::toggled, this,
              [this, i](bool checked) { emit changed(i, checked); });
    } else {
      // Radio buttons are checked here, not by Qt, so the group decides what a click means.
      connect(button, &QAbstractButton::clicked, this, [this, i] { select(i); });
    }
  }
}

void ChoiceGroup::setItemIndex(int index) {
  if (index >= count()) index = count() - 1;
  if (index < 0) index = -1;
  select(index);
}

void ChoiceGroup::select(int index) {
  for (int i = 0; i < count(); ++i) buttons_[i]->setChecked(i == index);
  if (index == index_) return;
  emit changing(index);
  index_ = index;
  emit indexChanged(index);
}

bool ChoiceGroup::isChecked(int index) const {
  return index >= 0 && index < count() && buttons_[index]->isChecked();
}

void ChoiceGroup::setChecked(int index, bool checked) {
  if (index >= 0 && index < count()) buttons_[index]->setChecked(checked);
}
