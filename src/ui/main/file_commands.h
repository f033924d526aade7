#pragma once

#include <QObject>
#include <memory>
#include <optional>
#include <string>

#include "ui/platform/prompts.h"

class FontDocument;
class FontSettings;
class GShpFile;

// New, Open, Save, Save As, Close and closing the window; exporting the open font in another
// format and importing a font of any format into a new one. New, Open and Import run only while
// no font is open (their commands are disabled otherwise): an open font is never dropped
// without the question of Close.
class FileCommands : public QObject {
  Q_OBJECT
 public:
  FileCommands(FontDocument& document, Prompts& prompts, FontSettings& settings,
               QObject* parent = nullptr);

  void newFont();
  void open();
  void save();
  void saveAs();
  void close();
  // Closing the window: a modified font is saved on Yes; false when the user cancelled and
  // the window stays.
  bool closeWindow();
  void exportFont();
  void import();
  // A file named on the command line: a shape source opens as Open opens it, a font of any
  // other format is imported as Import imports it. Nothing happens while a font is open.
  void openNamed(const std::string& path);

 signals:
  // The user chose a font to open; it is about to be read.
  void opening();
  // Open or Import made a font the open one; its kind, size and direction are to be shown.
  void fontShown();
  void saved();
  // Close, or closing the window, is about to drop the open font.
  void closing();
  // `extension` names the format, upper case ("SHX").
  void exported(const QString& path, const QString& extension);

 private:
  // Asks with OK and Cancel; true on OK.
  bool confirmed(const QString& question);
  // Where a new font goes, confirmed as New confirms it; nothing when the user declines.
  std::optional<std::string> askNewFontPath(const QString& proposedPath);
  void openPath(const std::string& path);
  // Says so when a big font holds far fewer characters than its header counts.
  void warnIfCut(const GShpFile& file);
  void importPath(const std::string& source);
  // Makes a font no file holds yet the open one under path, unsaved.
  void openNewFont(std::unique_ptr<GShpFile> file, const std::string& path, uint8_t gridIndex);
  void saveTo(const std::string& target);
  // Asks whether to save a modified font and saves it on Yes.
  enum class SaveOffer { Saved, NotSaved, Cancelled };
  SaveOffer offerToSave();

  FontDocument& document_;
  Prompts& prompts_;
  FontSettings& settings_;
  Prompts::FileDialog OpenDialog;
  Prompts::FileDialog SaveDialog;
  Prompts::FileDialog ExportDialog;
  Prompts::FileDialog ImportDialog;
};
