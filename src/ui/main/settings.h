#pragma once

#include <string>

#include "ui/shared/settings_record.h"
#include "ui/reference/reference_underlay.h"

class FontDocument;
class GShpFile;
class QSplitter;
class QWidget;

// The settings file beside a shape file keeps what the shape file cannot: the reference
// underlay, the last character, the pane sizes, the window's place, direction and grid size.
class FontSettings {
 public:
  // `panes` splits the list from the rest, `canvasAndSource` the canvas from the source view.
  FontSettings(FontDocument& document, ReferenceUnderlay& reference, QWidget& window,
               QSplitter& panes, QSplitter& canvasAndSource);

  // The settings of `file` as the window shows it now.
  SettingsRecord current(const GShpFile& file) const;
  // Writes the settings of the open font beside `path`.
  void save(const std::string& path) const;
  // Reads the settings beside `path` for `file`, about to be read from there; what the file
  // does not hold keeps the window's current value.
  void load(const std::string& path, GShpFile& file);

  // What Open takes from the settings file before it reads the font, so that a font that
  // cannot be read puts the window back as it was.
  struct Before {
    SettingsRecord settings;
    std::string currentChar;
    uint8_t newFontDirection;
    uint8_t newFontGridIndex;
    ReferenceUnderlay::Choice reference;
  };
  Before before(const GShpFile& file) const;
  void restore(const Before& before);

 private:
  void takePanes(const SettingsRecord& record);

  FontDocument& document_;
  ReferenceUnderlay& reference_;
  QWidget& window_;
  QSplitter& panes_;
  QSplitter& canvasAndSource_;
};
