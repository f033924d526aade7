#pragma once

#include <QUndoCommand>
#include <cstdint>

#include "editing/edit_result.h"
#include "editing/point_snapshot.h"

#include "ui/document/font_document.h"

// One change to a character's points: a gesture or a point command. The moves of one drag
// merge into a single step.
class PointEditCommand : public QUndoCommand {
 public:
  // The shape's points become `after`. A gesture shows its points as it goes, so when the
  // step is first done they are `after` already and restoring them keeps every point in
  // place; the change is shown as `firstShown` says. `gesture` tells one drag from the next.
  PointEditCommand(FontDocument& document, int shapeIndex, PointEdit edit, uint32_t gesture,
                   PointSnapshot before, PointSnapshot after, ShapeChange firstShown);

  void undo() override;
  void redo() override;
  int id() const override;
  bool mergeWith(const QUndoCommand* other) override;

  // The name of a step in the undo and redo captions.
  static QString nameOf(PointEdit edit);

 private:
  void show(const PointSnapshot& points, ShapeChange change);

  FontDocument& document_;
  int shapeIndex_;
  PointEdit edit_;
  uint32_t gesture_;
  PointSnapshot before_;
  PointSnapshot after_;
  ShapeChange shownAs_;
};
