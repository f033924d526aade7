#pragma once

#include <gtest/gtest.h>

#include <QSettings>
#include <QTest>
#include <QUndoStack>
#include <initializer_list>
#include <memory>

#include "model/shape.h"
#include "shapefile/shpfile.h"
#include "ui/canvas/panel.h"
#include "ui/characters/character_commands.h"
#include "ui/characters/character_list.h"
#include "ui/document/font_document.h"
#include "ui/main/main_window.h"
#include "ui/shared/settings_record.h"
#include "ui/reference/reference_underlay.h"
#include "ui/scripted_prompts.h"

// Access to the state the window's document, views and commands own.
struct TFmMainProbe {
  static FontDocument& document(TFmMain& w) { return *w.fontDocument; }
  static CanvasPanel& canvas(TFmMain& w) { return *w.Panel; }
  static DraftCommands& draftCommands(TFmMain& w) { return *w.draftCommands; }
  static ReferenceUnderlay& reference(TFmMain& w) { return *w.reference; }
  static GShape* currentShape(TFmMain& w) { return document(w).currentShape(); }
  static GPoint*& hotPoint(TFmMain& w) { return gestures(w).hotPoint; }
  static PendingInsert& pendingInsert(TFmMain& w) { return gestures(w).pendingInsert; }
  static MouseGestures& gestures(TFmMain& w) { return canvas(w).gestures(); }
  static bool modified(TFmMain& w) { return document(w).isModified(); }
  static bool undoClean(TFmMain& w) { return document(w).undoStack()->isClean(); }
  static const std::string& filePath(TFmMain& w) { return document(w).path(); }
  static uint8_t refMode(TFmMain& w) { return static_cast<uint8_t>(reference(w).mode()); }
  static void setCurrentChar(TFmMain& w, const std::string& c) { document(w).setCurrentChar(c); }
  static void setRefFontSize(TFmMain& w, int32_t size) {
    SettingsRecord record;
    reference(w).storeInto(record);
    record.refFontSize = size;
    reference(w).takeFrom(record);
  }
  static void setRefFontName(TFmMain& w, const std::string& name) {
    SettingsRecord record;
    reference(w).storeInto(record);
    record.refFontName = name;
    reference(w).takeFrom(record);
  }
  static const std::string& currentChar(TFmMain& w) { return document(w).currentChar(); }
  static GShpFile* shapeFile(TFmMain& w) { return document(w).file(); }
  static const GPoint& cursorPoint(TFmMain& w) { return gestures(w).cursorPoint; }
  static bool showPenUpTrack(TFmMain& w) { return canvas(w).showsPenUpTrack(); }
  static bool showPoints(TFmMain& w) { return canvas(w).showsPoints(); }
  static EditMode editMode(TFmMain& w) { return gestures(w).editMode; }
  static uint32_t cellSize(TFmMain& w) { return canvas(w).layout().cellSize; }
  static int32_t originX(TFmMain& w) { return canvas(w).layout().originX; }
  static int32_t originY(TFmMain& w) { return canvas(w).layout().originY; }
  static uint8_t gridWidth(TFmMain& w) { return document(w).gridSide(); }
  static uint8_t gridHeight(TFmMain& w) { return document(w).gridSide(); }
  static uint8_t gridBelow(TFmMain& w) { return document(w).gridBelow(); }
  static int32_t refFontSize(TFmMain& w) { return reference(w).fontSize(); }
  static const std::string& refFontName(TFmMain& w) { return reference(w).fontName(); }
  static bool selectListItemByText(TFmMain& w, const std::string& text) {
    return w.RzListBox1->selectByText(text);
  }
  static GPoint pixelToGrid(TFmMain& w, int32_t px, int32_t py) {
    return canvas(w).pixelToGrid(px, py);
  }
  static void setModified(TFmMain& w, bool m) {
    if (m) {
      document(w).markChangedWithoutStep();
    } else {
      document(w).markSaved();
    }
  }
  static void fillClipboard(TFmMain& w) {
    w.characterCommands->clipShape_ = std::make_unique<GShape>();
  }
  static uint8_t gridAbove(TFmMain& w) { return document(w).gridAbove(); }
  static uint8_t gridSizeIndex(TFmMain& w) { return document(w).newFontGridIndex; }
  static uint8_t directionFlag(TFmMain& w) { return document(w).newFontDirection; }
  static void markFontItems(TFmMain& w) { w.markFontItems(); }
};

struct PlacedPoint {
  int32_t x, y;
  bool isVirtual;
};

inline std::unique_ptr<GShape> makeShape(uint16_t code, uint16_t width,
                                         std::initializer_list<PlacedPoint> points = {}) {
  auto shape = std::make_unique<GShape>();
  shape->setCode(code);
  shape->reset(width);
  for (const PlacedPoint& p : points) shape->addPoint(p.x, p.y, p.isVirtual ? 1 : 0);
  return shape;
}

class WindowTest : public testing::Test {
 protected:
  // Each test starts as a new user: what earlier tests chose (the views shown, the preview's
  // sample, the drafting mode) is forgotten.
  void SetUp() override {
    QSettings().clear();
    auto scripted = std::make_unique<ScriptedPrompts>();
    prompts = scripted.get();
    window = std::make_unique<TFmMain>(std::move(scripted));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }

  template <class T>
  T* child(const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  // An ASCII font of the given shapes, handed to the window as the file commands do.
  void openFont(std::vector<std::unique_ptr<GShape>> shapes,
                const std::string& path = "/tmp/t.shp") {
    auto file = std::make_unique<GShpFile>();
    file->setKind(GShpFile::kindAscii);
    for (auto& s : shapes) file->addShape(std::move(s));
    window->showShapeFile(std::move(file), path);
  }

  ScriptedPrompts* prompts = nullptr;
  std::unique_ptr<TFmMain> window;
};
