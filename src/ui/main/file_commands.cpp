#include "ui/main/file_commands.h"

#include <stdexcept>

#include "platform/local_date.h"
#include "platform/path_names.h"
#include "platform/text_lines.h"
#include "shapefile/shpfile.h"
#include "shx/font_export.h"
#include "shx/font_import.h"
#include "ui/characters/character_list.h"
#include "ui/document/font_document.h"
#include "ui/main/compiled_font_report.h"
#include "ui/main/file_names.h"
#include "ui/main/settings.h"

FileCommands::FileCommands(FontDocument& document, Prompts& prompts, FontSettings& settings,
                           CharacterList& list, QObject* parent)
    : QObject(parent), document_(document), prompts_(prompts), settings_(settings), list_(list) {
  // The open dialog's title is set by each command that runs it.
  const QString shapeFiles = QStringLiteral("AUTOCAD形定义文件(*.SHP)|*.SHP");
  OpenDialog = {QString(), shapeFiles, QStringLiteral("*.SHP"), QString()};
  SaveDialog = {QStringLiteral("请选择文件夹"), shapeFiles, QStringLiteral("*.SHP"), QString()};
  ExportDialog = {QStringLiteral("导出SHX字体文件"), QStringLiteral("SHX字体文件(*.SHX)|*.SHX"),
                  QStringLiteral("*.SHX"), QString()};
  ImportDialog = {QStringLiteral("选择要导入的AutoCAD形文件"),
                  QStringLiteral("AutoCAD形文件(*.SHP;*.SHX)|*.SHP;*.SHX"), QString(), QString()};
}

void FileCommands::newFont() {
  if (document_.file()) return;
  const std::optional<std::string> chosen = askNewFontPath(QString());
  if (!chosen) return;
  auto file = std::make_unique<GShpFile>(document_.gridAbove(), document_.gridBelow());
  file->setKind(GShpFile::kindAscii);
  file->setDirection(document_.newFontDirection);
  openNewFont(std::move(file), *chosen);
}

void FileCommands::openNewFont(std::unique_ptr<GShpFile> file, const std::string& path) {
  const bool exists = fileExists(path);
  file->setFontName(fontNameOf(path));
  file->setGridIndex(document_.newFontGridIndex);
  document_.setFile(std::move(file), path);
  if (exists) {
    try {
      settings_.save(path);
    } catch (const std::exception&) {
      // The new font is not kept: the window holds no font again, as after a failed Open.
      document_.forgetSteps();
      document_.setFile(nullptr, std::string());
      throw;
    }
  }
  document_.forgetSteps();
  document_.markChangedWithoutStep();  // a new font is unsaved until it is saved
}

std::optional<std::string> FileCommands::askNewFontPath(const QString& proposedPath) {
  OpenDialog.title = QStringLiteral("新建AutoCAD字体定义文件");
  OpenDialog.proposedPath = proposedPath;
  const std::optional<QString> chosen = prompts_.openFile(OpenDialog);
  OpenDialog.proposedPath.clear();
  if (!chosen) return std::nullopt;
  const std::string path = pathOf(*chosen);
  if (fileExists(path) &&
      prompts_.ask(QStringLiteral("您要创建的文件已存在，继续创建将会覆盖原来的文件，请确认"),
                   Prompts::Question::OkCancelWarning) != Prompts::Answer::Ok) {
    return std::nullopt;
  }
  return path;
}

// A font that cannot be read whole is not kept: the window goes back to holding no font,
// with nothing of that font's settings applied, and the error (naming the file and the
// line) is shown.
void FileCommands::open() {
  if (document_.file()) return;
  OpenDialog.title = QStringLiteral("选择AutoCAD字体定义文件");
  const std::optional<QString> chosen = prompts_.openFile(OpenDialog);
  if (!chosen) return;
  emit opening();
  auto file = std::make_unique<GShpFile>();
  const FontSettings::Before before = settings_.before(*file);
  const std::string path = pathOf(*chosen);
  settings_.load(path, *file);
  document_.forgetSteps();
  try {
    file->load(path);
  } catch (const std::exception&) {
    document_.setFile(nullptr, std::string());
    settings_.restore(before);
    throw;
  }
  document_.setFile(std::move(file), path);
  // The selected item knows its shape's code even where the text alone would not tell it.
  const bool listed = list_.selectByText(document_.currentChar());
  document_.setCurrent(
      listed ? document_.file()->findShape(CharacterList::codeOf(list_.currentItem())) : nullptr,
      document_.currentChar());
  emit fontShown();
}

// The font takes the target's name only once it is written there, so after a failed Save As
// the caption and the next Save still name the file holding it.
void FileCommands::saveTo(const std::string& target) {
  GShpFile& file = *document_.file();
  GShape* current = document_.currentShape();
  const std::string fontNameBefore = file.fontName();
  file.setFontName(fontNameOf(target));
  file.removeAllRepeats();
  // The source view shows the shortened definition, also when a save below fails.
  if (current) document_.shapeEdited(current, ShapeChange::PointsShown);
  try {
    file.save(target);
  } catch (const std::exception&) {
    // Close saves without setting the name, so after a failed Save As the font keeps the
    // one it had rather than the name of a file that was never written.
    if (target != document_.path()) file.setFontName(fontNameBefore);
    throw;
  }
  document_.setPath(target);
  settings_.save(target);
  if (current) {
    current->clearSelection();
    document_.selectionEdited(current);
  }
  document_.markSaved();
  emit saved();
}

void FileCommands::save() {
  if (!document_.file()) return;
  saveTo(document_.path());
}

void FileCommands::saveAs() {
  if (!document_.file()) return;
  const std::optional<QString> chosen = prompts_.saveFile(SaveDialog);
  if (!chosen) return;
  saveTo(pathOf(*chosen));
}

bool FileCommands::offerToSave() {
  if (!document_.isModified()) return false;
  if (prompts_.ask(QStringLiteral("文件已修改,是否保存"), Prompts::Question::YesNoWarning) !=
      Prompts::Answer::Yes) {
    return false;
  }
  document_.file()->save(document_.path());
  return true;
}

// Back to holding no font: empty caption path, list and source view, grid only.
void FileCommands::close() {
  if (!document_.file()) return;
  offerToSave();
  settings_.save(document_.path());
  emit closing();
  document_.forgetSteps();
  document_.setFile(nullptr, std::string());
}

void FileCommands::closeWindow() {
  if (!document_.file() || !offerToSave()) return;
  settings_.save(document_.path());
  document_.markSaved();
}

// The open font as a compiled font beside it; the font itself does not change.
void FileCommands::exportShx() {
  const GShpFile* file = document_.file();
  if (!file) return;
  ExportDialog.proposedPath = displayedPath(replaceExtension(document_.path(), ".SHX"));
  const std::optional<QString> chosen = prompts_.saveFile(ExportDialog);
  if (!chosen) return;
  const std::string target = pathOf(*chosen);
  if (fileExists(target) &&
      prompts_.ask(QStringLiteral("文件已存在，是否覆盖？"), Prompts::Question::OkCancelWarning) !=
          Prompts::Answer::Ok) {
    return;
  }
  const FontCompilation compiled = compileFont(*file, localDate());
  if (!compiled.leftOut.empty() &&
      prompts_.ask(leftOutQuestion(compiled.leftOut), Prompts::Question::OkCancelWarning) !=
          Prompts::Answer::Ok) {
    return;
  }
  writeFileBytes(target, writeShx(compiled.font));
  emit exported(*chosen);
}

// Any shape source or compiled font becomes a new font, as New makes one, holding every
// character drawn on the grid; the report says which were drawn other than as written.
void FileCommands::import() {
  if (document_.file()) return;
  const std::optional<QString> chosen = prompts_.openFile(ImportDialog);
  if (!chosen) return;
  const std::string source = pathOf(*chosen);
  ImportedFont imported =
      importFont(readFileBytes(source, GShpFile::maxFileBytes), source,
                 {document_.gridAbove(), document_.gridBelow(), document_.newFontDirection});
  const std::optional<std::string> target =
      askNewFontPath(displayedPath(replaceExtension(source, ".SHP")));
  if (!target) return;
  const ImportReport report = importReport(imported);
  openNewFont(std::move(imported.file), *target);
  emit fontShown();
  if (list_.count() > 0) list_.pick(CharacterList::bytesOf(list_.item(0)));
  prompts_.showReport(report.summary, report.details);
}
