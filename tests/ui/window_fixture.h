#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QUndoStack>
#include <initializer_list>
#include <memory>

#include "model/shape.h"
#include "shapefile/shpfile.h"
#include "ui/main/main_window.h"
#include "ui/scripted_prompts.h"

// Read access to the window's state fields.
struct TFmMainProbe {
  static GShape* currentShape(TFmMain& w) { return w.currentShape; }
  static GPoint*& hotPoint(TFmMain& w) { return w.gestures.hotPoint; }
  static uint8_t& pendingInsert(TFmMain& w) { return w.gestures.pendingInsert; }
  static MouseGestures& gestures(TFmMain& w) { return w.gestures; }
  static bool modified(TFmMain& w) { return w.modified; }
  static bool undoClean(TFmMain& w) { return w.undoStack->isClean(); }
  static const std::string& filePath(TFmMain& w) { return w.filePath; }
  static uint8_t& refMode(TFmMain& w) { return w.refMode; }
  static void setCurrentChar(TFmMain& w, const std::string& c) { w.currentChar = c; }
  static void setRefFontSize(TFmMain& w, int32_t size) { w.refFontSize = size; }
  static const std::string& currentChar(TFmMain& w) { return w.currentChar; }
  static GShpFile* shapeFile(TFmMain& w) { return w.shapeFile.get(); }
  static const GPoint& cursorPoint(TFmMain& w) { return w.gestures.cursorPoint; }
  static bool showPenUpTrack(TFmMain& w) { return w.showPenUpTrack; }
  static bool showPoints(TFmMain& w) { return w.showPoints; }
  static uint8_t editMode(TFmMain& w) { return w.gestures.editMode; }
  static uint32_t cellSize(TFmMain& w) { return w.cellSize; }
  static int32_t originX(TFmMain& w) { return w.originX; }
  static int32_t originY(TFmMain& w) { return w.originY; }
  static uint8_t gridWidth(TFmMain& w) { return w.gridWidth; }
  static uint8_t gridHeight(TFmMain& w) { return w.gridHeight; }
  static uint8_t gridBelow(TFmMain& w) { return w.gridBelow; }
  static int32_t refFontSize(TFmMain& w) { return w.refFontSize; }
  static const std::string& refFontName(TFmMain& w) { return w.refFontName; }
  static bool selectListItemByText(TFmMain& w, const std::string& text) {
    return w.selectListItemByText(text);
  }
  static GPoint pixelToGrid(TFmMain& w, int32_t px, int32_t py) { return w.pixelToGrid(px, py); }
  static void setModified(TFmMain& w, bool m) {
    w.changedOutsideSteps = m;
    w.updateModified();
    w.updateCaption();
  }
  static void fillClipboard(TFmMain& w) { w.clipShape = std::make_unique<GShape>(); }
  static uint8_t gridAbove(TFmMain& w) { return w.gridAbove; }
  static uint8_t gridSizeIndex(TFmMain& w) { return w.gridSizeIndex; }
  static uint8_t directionFlag(TFmMain& w) { return w.directionFlag; }
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
  void SetUp() override {
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
