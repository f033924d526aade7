#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QAbstractButton;

// A captioned group of check boxes or radio buttons laid out in columns (filled column by
// column), addressed by item index.
class ChoiceGroup : public QGroupBox {
  Q_OBJECT
 public:
  enum class Kind { Check, Radio };

  ChoiceGroup(Kind kind, const QString& caption, const QStringList& items, int columns,
              QWidget* parent = nullptr);

  int count() const { return static_cast<int>(buttons_.size()); }
  QAbstractButton* button(int index) const { return buttons_.value(index); }

  // Radio groups: the checked item, -1 for none. Setting the index it already has does
  // nothing; an index past the last item checks the last one.
  int itemIndex() const { return index_; }
  void setItemIndex(int index);

  // Check groups.
  bool isChecked(int index) const;
  void setChecked(int index, bool checked);

 signals:
  // Radio groups: before and after the checked item changes, by click or by setItemIndex.
  void changing(int newIndex);
  void indexChanged(int index);
  // Check groups: an item's state changed.
  void changed(int index, bool checked);

 private:
  void select(int index);

  Kind kind_;
  QList<QAbstractButton*> buttons_;
  int index_ = -1;
};
