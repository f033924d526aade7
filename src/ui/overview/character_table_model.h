#pragma once

#include <QAbstractListModel>
#include <unordered_map>
#include <vector>

class FontDocument;
class GShape;

// Every character of the open font in code order, or only those that draw nothing. A row
// shows its caption as the character list does; ShapeRole gives the shape to draw. It follows
// the document: the rows of an edited character change in place, the rows are made anew when
// characters come or go.
class CharacterTableModel : public QAbstractListModel {
  Q_OBJECT
 public:
  static constexpr int ShapeRole = Qt::UserRole;
  static constexpr int ListTextRole = Qt::UserRole + 1;

  explicit CharacterTableModel(FontDocument& document, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  const GShape* shapeAt(int row) const;
  // The row of a character, -1 when it has none.
  int rowOf(const GShape* shape) const;
  void setEmptyOnly(bool emptyOnly);
  bool emptyOnly() const { return emptyOnly_; }

 private:
  void rebuild();
  void shapeChanged(const GShape* shape);

  FontDocument& document_;
  bool emptyOnly_ = false;
  std::vector<const GShape*> rows_;
  std::unordered_map<const GShape*, int> rowOf_;
};
