#pragma once

#include <QUndoCommand>
#include <memory>

class FontDocument;
class GShape;

// A whole outline replaced by the clipboard commands: the points, and with a paste the
// advance width too.
class OutlineCommand : public QUndoCommand {
 public:
  // The shape at `index` holds `after` already.
  OutlineCommand(FontDocument& document, const QString& name, int index,
                 std::unique_ptr<GShape> before, std::unique_ptr<GShape> after);
  ~OutlineCommand() override;

  void undo() override;
  void redo() override;

 private:
  void show(const GShape& outline);

  FontDocument& document_;
  int index_;
  std::unique_ptr<GShape> before_;
  std::unique_ptr<GShape> after_;
  bool pushed_ = false;
};
