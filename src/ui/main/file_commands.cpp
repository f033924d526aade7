#include "ui/main/file_commands.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "formats/font_formats.h"
#include "platform/local_date.h"
#include "platform/path_names.h"
#include "platform/text_lines.h"
#include "shapefile/font_rules.h"
#include "shapefile/shpfile.h"
#include "ui/document/font_document.h"
#include "ui/main/compiled_font_report.h"
#include "ui/main/settings.h"
#include "ui/shared/file_names.h"

namespace {

// The formats that can be read (or written) as file dialog filters: all of them together
// first when there are several, then each.
QString formatFilter(bool (FontFileFormat::*can)() const) {
  QStringList patterns, entries;
  for (const FontFileFormat& format : fontFileFormats()) {
    if (!(format.*can)()) continue;
    const QString pattern = QStringLiteral("*.") + QString::fromStdString(format.extension);
    patterns << pattern;
    entries << QStringLiteral("%1(%2)|%2").arg(QString::fromStdString(format.description), pattern);
  }
  if (patterns.size() > 1) {
    const QString all = patterns.join(QLatin1Char(';'));
    entries.prepend(QStringLiteral("所有字体文件(%1)|%1").arg(all));
  }
  return entries.join(QLatin1Char('|'));
}

QString notUnicodeQuestion(const std::vector<uint16_t>& codes) {
  QStringList hex;
  for (uint16_t code : codes) hex << QString::number(code, 16).toUpper();
  return QStringLiteral("下列代码没有对应的Unicode字符，无法导出：\n%1\n是否导出其余的字符？")
      .arg(hex.join(QStringLiteral("，")));
}

}  // namespace

FileCommands::FileCommands(FontDocument& document, Prompts& prompts, FontSettings& settings,
                           QObject* parent)
    : QObject(parent), document_(document), prompts_(prompts), settings_(settings) {
  // The open dialog's title is set by each command that runs it.
  const QString shapeFiles = QStringLiteral("AUTOCAD形定义文件(*.SHP)|*.SHP");
  OpenDialog = {QString(), shapeFiles, QStringLiteral("*.SHP"), QString()};
  SaveDialog = {QStringLiteral("请选择文件夹"), shapeFiles, QStringLiteral("*.SHP"), QString()};
  ExportDialog = {QStringLiteral("导出字体文件"), formatFilter(&FontFileFormat::writable),
                  QStringLiteral("*.SHX"), QString()};
  ImportDialog = {QStringLiteral("选择要导入的字体文件"), formatFilter(&FontFileFormat::readable),
                  QString(), QString()};
}

void FileCommands::newFont() {
  if (document_.file()) return;
  const std::optional<std::string> chosen = askNewFontPath(QString());
  if (!chosen) return;
  auto file = std::make_unique<GShpFile>(document_.gridAbove(), document_.gridBelow());
  file->setKind(GShpFile::kindAscii);
  file->setDirection(document_.newFontDirection);
  openNewFont(std::move(file), *chosen, document_.newFontGridIndex);
}

void FileCommands::openNewFont(std::unique_ptr<GShpFile> file, const std::string& path,
                               uint8_t gridIndex) {
  const bool exists = fileExists(path);
  file->setFontName(fontNameOf(path));
  file->setGridIndex(gridIndex);
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

bool FileCommands::confirmed(const QString& question) {
  return prompts_.ask(question, Prompts::Question::OkCancelWarning) == Prompts::Answer::Ok;
}

std::optional<std::string> FileCommands::askNewFontPath(const QString& proposedPath) {
  OpenDialog.title = QStringLiteral("新建AutoCAD字体定义文件");
  OpenDialog.proposedPath = proposedPath;
  const std::optional<QString> chosen = prompts_.openFile(OpenDialog);
  OpenDialog.proposedPath.clear();
  if (!chosen) return std::nullopt;
  const std::string path = pathOf(*chosen);
  if (fileExists(path) &&
      !confirmed(QStringLiteral("您要创建的文件已存在，继续创建将会覆盖原来的文件，请确认"))) {
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
  openPath(pathOf(*chosen));
}

void FileCommands::openPath(const std::string& path) {
  emit opening();
  auto file = std::make_unique<GShpFile>();
  const FontSettings::Before before = settings_.before(*file);
  settings_.load(path, *file);
  document_.forgetSteps();
  try {
    file->load(path);
  } catch (const std::exception&) {
    document_.setFile(nullptr, std::string());
    settings_.restore(before);
    throw;
  }
  const std::string lastChar = document_.currentChar();
  document_.setFile(std::move(file), path);
  document_.showText(lastChar);
  emit fontShown();
  warnIfCut(*document_.file());
}

// A big font's header counts its characters; a file that holds far fewer was most likely cut
// short, and saving it would make the loss final. Some writers count the font's own record
// too, so one short is no warning.
void FileCommands::warnIfCut(const GShpFile& file) {
  if (file.kind() != GShpFile::kindBigfont || file.shapeCount() + 1 >= file.characterCount())
    return;
  prompts_.showReport(QStringLiteral("文件头说字体有 %1 个字符，文件中只有 %2 个：文件可能不完整，"
                                     "保存之前请检查。")
                          .arg(file.characterCount())
                          .arg(file.shapeCount()),
                      QString());
}

void FileCommands::openNamed(const std::string& path) {
  if (document_.file()) return;
  std::string extension = extensionOf(path);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return std::toupper(c); });
  if (extension == ".SHP") {
    openPath(path);
  } else {
    importPath(path);
  }
}

// The font takes the target's name only once it is written there, so after a failed Save As
// the caption and the next Save still name the file holding it.
void FileCommands::saveTo(const std::string& target) {
  GShpFile& file = *document_.file();
  GShape* current = document_.currentShape();
  const std::string fontNameBefore = file.fontName();
  file.setFontName(fontNameOf(target));
  const std::vector<GShape*> shortened = file.removeAllRepeats();
  // The views show the shortened characters (the source view the current one's definition,
  // whatever it last showed), also when a save below fails.
  for (GShape* shape : shortened)
    if (shape != current) document_.shapeEdited(shape, ShapeChange::Points);
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
    document_.pointSelectionEdited(current);
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

// Esc and 取消 keep the font open: a box without them would take Esc for 否 and drop the
// changes.
FileCommands::SaveOffer FileCommands::offerToSave() {
  if (!document_.isModified()) return SaveOffer::NotSaved;
  switch (
      prompts_.ask(QStringLiteral("文件已修改,是否保存"), Prompts::Question::YesNoCancelWarning)) {
    case Prompts::Answer::Yes:
      document_.file()->save(document_.path());
      return SaveOffer::Saved;
    case Prompts::Answer::No:
      return SaveOffer::NotSaved;
    default:
      return SaveOffer::Cancelled;
  }
}

// Back to holding no font: empty caption path, list and source view, grid only.
void FileCommands::close() {
  if (!document_.file() || offerToSave() == SaveOffer::Cancelled) return;
  settings_.save(document_.path());
  emit closing();
  document_.forgetSteps();
  document_.setFile(nullptr, std::string());
}

bool FileCommands::closeWindow() {
  if (!document_.file()) return true;
  const SaveOffer offer = offerToSave();
  if (offer == SaveOffer::Cancelled) return false;
  if (offer == SaveOffer::Saved) {
    settings_.save(document_.path());
    document_.markSaved();
  }
  emit closing();
  return true;
}

// The open font in the format the chosen file's extension names; the font itself does not
// change.
void FileCommands::exportFont() {
  const GShpFile* file = document_.file();
  if (!file) return;
  ExportDialog.proposedPath = displayedPath(replaceExtension(document_.path(), ".SHX"));
  const std::optional<QString> chosen = prompts_.saveFile(ExportDialog);
  if (!chosen) return;
  const std::string target = pathOf(*chosen);
  const FontFileFormat* format = formatOfPath(target);
  if (!format || !format->writable())
    throw std::runtime_error("cannot export to " + target + ": no font format has its extension");
  if (fileExists(target) && !confirmed(QStringLiteral("文件已存在，是否覆盖？"))) return;
  const ExportedFont font = format->write(*file, localDate());
  if (!font.leftOut.empty() && !confirmed(leftOutQuestion(font.leftOut))) return;
  if (!font.notUnicode.empty() && !confirmed(notUnicodeQuestion(font.notUnicode))) return;
  writeFileBytes(target, font.bytes);
  emit exported(*chosen, QString::fromStdString(format->extension));
}

// Any font file becomes a new font, as New makes one, holding every character drawn on the
// grid; the report says which were drawn other than as written and which were left out. A
// single-line font of another format takes the kind and grid the user chooses.
void FileCommands::import() {
  if (document_.file()) return;
  const std::optional<QString> chosen = prompts_.openFile(ImportDialog);
  if (!chosen) return;
  importPath(pathOf(*chosen));
}

void FileCommands::importPath(const std::string& source) {
  const FontFileFormat* format = formatOfPath(source);
  if (!format || !format->readable())
    throw std::runtime_error("cannot import " + source + ": no font format has its extension");
  const std::string bytes = readFileBytes(source, GShpFile::maxFileBytes);
  ImportedFont imported;
  uint8_t gridIndex = document_.newFontGridIndex;
  if (format->readShapes) {
    imported = format->readShapes(
        bytes, source, {document_.gridAbove(), document_.gridBelow(), document_.newFontDirection});
  } else {
    const StrokeFont strokes = format->readStrokes(bytes, source);
    const ShapeFontSetup proposed = proposedSetup(strokes);
    const std::optional<Prompts::FontSetupChoice> setup = prompts_.askFontSetup(
        {proposed.kind, static_cast<uint8_t>(gridIndexOf(proposed.gridSide))});
    if (!setup) return;
    const auto side = static_cast<uint8_t>(gridSideOf(setup->gridIndex));
    imported = importStrokes(strokes, {setup->kind, side, document_.newFontDirection});
    gridIndex = setup->gridIndex;
  }
  const std::optional<std::string> target =
      askNewFontPath(displayedPath(replaceExtension(source, ".SHP")));
  if (!target) return;
  const ImportReport report = importReport(imported);
  openNewFont(std::move(imported.file), *target, gridIndex);
  emit fontShown();
  const std::vector<const GShape*> ordered = document_.file()->shapesInCodeOrder();
  if (!ordered.empty()) document_.pick(ordered.front()->code());
  prompts_.showReport(report.summary, report.details);
}
