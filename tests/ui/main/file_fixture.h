#pragma once

#include <QAction>
#include <QListWidget>
#include <QPlainTextEdit>

#include "platform/path_names.h"
#include "platform/temp_dir.h"
#include "ui/shared/choice_group.h"
#include "ui/window_fixture.h"

// Window tests on real files in a directory of their own.
class FileCommandTest : public WindowTest {
 protected:
  void trigger(const char* action) { child<QAction>(action)->trigger(); }
  bool enabled(const char* action) { return child<QAction>(action)->isEnabled(); }

  // Runs a command whose dialog answers with `path`.
  void run(const char* action, const std::string& path) {
    prompts->files.push_back(QString::fromStdString(path));
    trigger(action);
  }

  QString caption() const { return window->windowTitle(); }
  QString memoText() { return child<QPlainTextEdit>("RzMemo1")->toPlainText(); }
  QListWidget* list() { return child<QListWidget>("RzListBox1"); }
  GShpFile* file() { return TFmMainProbe::shapeFile(*window); }

  std::string path(const std::string& name) const { return tmp.path(name); }

  // An ASCII font on the 48 grid holding "A" (one stroke) and "中" (two strokes).
  static std::string asciiFont() {
    return "*0,4,ASCII t BY MORVELIN 01/02/2026\r\n32,16,0,0\r\n\r\n"
           "*65,9,041 ;A\r\n1,8,(2,2),2,8,(22,-2),0\r\n\r\n"
           "*54992,17,0d6d0\r\n2,8,(3,4),1,9,(1,0),(0,1),(0,0),2,8,(44,-5),0\r\n\r\n";
  }

  TempDir tmp;
};

inline const std::string kZhong = "\xD6\xD0";  // 中 in GBK
