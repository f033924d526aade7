#pragma once

#include <QUndoCommand>
#include <cstdint>

#include "editing/edit_result.h"
#include "editing/point_snapshot.h"

class FontDocument;

// One change to a character's points: a gesture or a point command. The moves of one drag
// merge into a single step.
class PointEditCommand : public QUndoCommand {
 public:
  // The change has been made already; `gesture` tells one drag from the next.
  PointEditCommand(FontDocument& document, int shapeIndex, PointEdit edit, uint32_t gesture,
                   PointSnapshot before, PointSnapshot after);

  void undo() override;
  void redo() override;
  int id() const override;
  bool mergeWith(const QUndoCommand* other) override;

  // The name of a step in the undo and redo captions.
  static QString nameOf(PointEdit edit);

 private:
  void show(const PointSnapshot& points);

  FontDocument& document_;
  int shapeIndex_;
  PointEdit edit_;
  uint32_t gesture_;
  PointSnapshot before_;
  PointSnapshot after_;
  bool pushed_ = false;
};
