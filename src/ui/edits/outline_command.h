#pragma once

#include <QUndoCommand>
#include <memory>

class EditHost;
class GShape;

// A whole outline replaced by the clipboard commands: the points, and with a paste the
// advance width too.
class OutlineCommand : public QUndoCommand {
 public:
  // The shape at `index` holds `after` already.
  OutlineCommand(EditHost& host, const QString& name, int index, std::unique_ptr<GShape> before,
                 std::unique_ptr<GShape> after);
  ~OutlineCommand() override;

  void undo() override;
  void redo() override;

 private:
  void show(const GShape& outline);

  EditHost& host_;
  int index_;
  std::unique_ptr<GShape> before_;
  std::unique_ptr<GShape> after_;
  bool pushed_ = false;
};
