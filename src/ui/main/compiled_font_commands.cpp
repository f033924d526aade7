#include <QAction>
#include <QLabel>
#include <QListWidget>

#include "platform/local_date.h"
#include "platform/path_names.h"
#include "platform/text_lines.h"
#include "shx/font_export.h"
#include "shx/font_import.h"
#include "ui/characters/character_list.h"
#include "ui/main/compiled_font_report.h"
#include "ui/main/file_names.h"
#include "ui/main/main_window.h"

void TFmMain::connectCompiledFontCommands() {
  bind(NMExportSHX, &QAction::triggered, [this] { NMExportSHXClick(); });
  bind(NMImport, &QAction::triggered, [this] { NMImportClick(); });
}

// The open font as a compiled font beside it; the font itself does not change.
void TFmMain::NMExportSHXClick() {
  if (!shapeFile) return;
  ExportDialog.proposedPath = displayedPath(replaceExtension(filePath, ".SHX"));
  const std::optional<QString> chosen = prompts->saveFile(ExportDialog);
  if (!chosen) return;
  const std::string target = pathOf(*chosen);
  if (fileExists(target) &&
      prompts->ask(QStringLiteral("文件已存在，是否覆盖？"), Prompts::Question::OkCancelWarning) !=
          Prompts::Answer::Ok) {
    return;
  }
  const FontCompilation compiled = compileFont(*shapeFile, localDate());
  if (!compiled.leftOut.empty() &&
      prompts->ask(leftOutQuestion(compiled.leftOut), Prompts::Question::OkCancelWarning) !=
          Prompts::Answer::Ok) {
    return;
  }
  writeFileBytes(target, writeShx(compiled.font));
  RzStatusPane2->setText(QStringLiteral("已导出SHX字体文件：%1").arg(*chosen));
}

// Any shape source or compiled font becomes a new font, as New makes one, holding every
// character drawn on the grid; the report says which were drawn other than as written.
void TFmMain::NMImportClick() {
  if (shapeFile) return;
  const std::optional<QString> chosen = prompts->openFile(ImportDialog);
  if (!chosen) return;
  const std::string source = pathOf(*chosen);
  ImportedFont imported = importFont(readFileBytes(source, GShpFile::maxFileBytes), source,
                                     {gridAbove, gridBelow, directionFlag});
  const std::optional<std::string> target =
      askNewFontPath(displayedPath(replaceExtension(source, ".SHP")));
  if (!target) return;
  const ImportReport report = importReport(imported);
  openNewFont(std::move(imported.file), *target);
  markFontItems();
  if (RzListBox1->count() > 0) {
    RzListBox1->setCurrentRow(0);
    RzListBox1Click();
  }
  prompts->showReport(report.summary, report.details);
}
