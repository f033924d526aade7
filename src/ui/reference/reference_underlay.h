#pragma once

#include <QFont>
#include <QImage>
#include <QObject>
#include <cstdint>
#include <optional>
#include <string>

#include "drafting/glyph_drafter.h"
#include "ui/platform/prompts.h"

class ChoiceGroup;
class FontDocument;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPainter;
class QPalette;
class QPushButton;
class QSpinBox;
class QWidget;
struct GridLayout;
struct SettingsRecord;

// The underlay's mode as the settings file keeps it; a file may hold a number beyond these,
// which shows nothing.
enum class ReferenceMode : uint8_t { None = 0, Face = 1, Picture = 2 };

// What the canvas shows under the grid to trace over: nothing, the current character in an
// installed TrueType face, or a picture. It owns its controls of the side panel, its place,
// and its part of the settings file. Changing the mode, the face or the size marks the font
// modified (the settings file keeps them); no change of it is an undo step.
class ReferenceUnderlay : public QObject {
  Q_OBJECT
 public:
  ReferenceUnderlay(FontDocument& document, Prompts& prompts, QObject* parent = nullptr);

  ReferenceMode mode() const { return mode_; }
  const std::string& fontName() const { return fontName_; }  // GBK
  int32_t fontSize() const { return fontSize_; }

  // The underlay, painted before the grid: the current character in the reference face at
  // its place on a cell of the background, or the picture stretched over the area between
  // the outer grid lines.
  void draw(QPainter& canvas, const GridLayout& grid, const QPalette& colours) const;
  // Dragging the reference glyph moves it by pixels; the canvas repaints.
  void moveBy(int32_t dx, int32_t dy);
  // Shows the face and sizes and places its glyph where drafting maps it on `grid`, so that a
  // drafted character lies on it; size and drag work on from there.
  void placeUnder(const GridLayout& grid, const GlyphPlacement& placed);
  // The grid moved or changed its scale (the canvas was resized): a glyph placed under the
  // draft and not moved or resized since goes with it. This is no change to the font.
  void followGrid(const GridLayout& grid);
  // Whether the glyph stays where placeUnder put it.
  bool followsDraft() const { return placedUnder_.has_value(); }
  // Another character became current: a glyph that follows the draft goes where drafting maps
  // the new character's glyph. No change to the font either.
  void followGlyph(const GridLayout& grid, const GlyphPlacement& placed);

  // Close turns the underlay off.
  void switchOff();

  // The handlers of the controls.
  void modeClicked();
  void faceClicked();
  void sizeChanged();
  void loadPicture();
  void clearPicture();

  // The settings file's part: the mode, the place, the face and the size.
  void storeInto(SettingsRecord& record) const;
  void takeFrom(const SettingsRecord& record);
  // The controls follow the values read; a mode beyond the buttons checks the last one, a
  // negative one none. Their handlers run as after a change by the user.
  void showTaken();
  // What a failed Open puts back besides the settings record: the face picked and the font.
  struct Choice {
    int faceRow;
    QFont font;
  };
  Choice choice() const;
  void restore(const SettingsRecord& record, const Choice& choice);

  // The controls, named as the side panel shows them.
  ChoiceGroup* RzRadioGroup3;
  QGroupBox *RzGroupBox1, *RzGroupBox2;
  QListWidget* RzFontListBox1;
  QSpinBox* RzSpinEdit1;
  QLabel* RefImage;
  QPushButton *RzBitBtn1, *RzBitBtn2;

 signals:
  // The underlay looks different.
  void changed();

 private:
  void createControls();
  void markChanged();
  // The size and place of placeUnder, without a word to the controls' handlers.
  void putUnder(const GridLayout& grid, const GlyphPlacement& placed);

  FontDocument& document_;
  Prompts& prompts_;
  Prompts::FileDialog OpenPictureDialog;
  ReferenceMode mode_ = ReferenceMode::None;
  QFont font_;
  std::string fontName_;  // GBK
  int32_t fontSize_ = 0;
  int32_t left_ = 0;
  int32_t top_ = 0;
  std::optional<GlyphPlacement> placedUnder_;  // while the glyph stays where placeUnder put it
  QImage lastPicture_;  // the last picture read, which the load button brings back
  QImage picture_;      // the picture shown, empty once cleared
};
