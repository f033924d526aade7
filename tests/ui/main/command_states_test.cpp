#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QToolButton>

#include "ui/shared/choice_group.h"
#include "ui/window_fixture.h"

namespace {

class CommandStates : public WindowTest {
 protected:
  bool enabled(const char* name) {
    if (auto* menu = window->findChild<QMenu*>(QString::fromLatin1(name)))
      return menu->menuAction()->isEnabled();
    if (auto* button = window->findChild<QToolButton*>(QString::fromLatin1(name)))
      return button->isEnabled();
    if (auto* group = window->findChild<ChoiceGroup*>(QString::fromLatin1(name)))
      return group->isEnabled();
    QAction* action = child<QAction>(name);
    return action && action->isEnabled();
  }
  void expect(const std::vector<const char*>& names, bool state) {
    for (const char* name : names) EXPECT_EQ(enabled(name), state) << name;
  }

  const std::vector<const char*> fontItems = {"NMASCII", "NMUNIFONT",    "NMBIGFONT", "N1212",
                                              "N2424",   "N3636",        "N4848",     "N6060",
                                              "N7272",   "N8484",        "N9696",     "N108108",
                                              "N120120", "NMFlagNormal", "NMFlagLie"};
  const std::vector<const char*> shapeCommands = {
      "NMCut",         "NMCopy",        "BtnCut",         "BtnCopy",      "NCut",
      "NCopy",         "NMSelectLine",  "NMSelectInvert", "NMSeleceAll",  "NMDeselectAll",
      "NMDeletePoint", "NMDeleteSel",   "NMDeleteAll",    "NSelecteLine", "NSelecteInvert",
      "NSelecteAll",   "NDeselecteAll", "NDelPoint",      "NDelSel",      "NDelAll",
      "RzRadioGroup3"};
  const std::vector<const char*> alwaysOn = {"NMExit", "NMReadme", "NMAbout", "BtnHelp", "BtnExit"};
};

TEST_F(CommandStates, NoFileOpen) {
  expect({"NMNew", "NMOpen", "NMImport", "BtnNew", "BtnOpen"}, true);
  expect(alwaysOn, true);
  expect({"NMSave", "NMSaveAs", "NMExportSHX", "NMClose", "BtnSave", "BtnSaveAs", "BtnClose",
          "NMFontType", "NMFontSize", "NMFontFlag", "NNewShape", "NDeleteShape", "NFindShape",
          "NMPaste", "NPaste", "BtnPaste"},
         false);
  expect(fontItems, false);
  expect(shapeCommands, false);
}

TEST_F(CommandStates, EmptyFileOpen) {
  openFont({});
  expect({"NMNew", "NMOpen", "NMImport", "BtnNew", "BtnOpen"}, false);
  expect({"NMSave", "NMSaveAs", "NMExportSHX", "NMClose", "BtnSave", "BtnSaveAs", "BtnClose",
          "NMFontType", "NMFontSize", "NMFontFlag", "NNewShape", "NDeleteShape", "NFindShape"},
         true);
  expect(fontItems, true);
  expect(shapeCommands, false);
  expect(alwaysOn, true);
}

TEST_F(CommandStates, FileWithCharactersLocksTheFontItemsButNotTheirSubmenus) {
  std::vector<std::unique_ptr<GShape>> shapes;
  shapes.push_back(makeShape('A', 24));
  openFont(std::move(shapes));
  expect(fontItems, false);
  expect({"NMFontType", "NMFontSize", "NMFontFlag", "NMSave"}, true);
  expect(shapeCommands, false);
}

TEST_F(CommandStates, CurrentCharacterEnablesTheShapeCommands) {
  std::vector<std::unique_ptr<GShape>> shapes;
  shapes.push_back(makeShape('A', 24));
  openFont(std::move(shapes));
  child<QListWidget>("RzListBox1")->setCurrentRow(0);
  expect(shapeCommands, true);
  expect({"NMPaste", "NPaste", "BtnPaste"}, false);
  // The insert items belong to the canvas's right button, not to this routine.
  expect({"NInsertVirtualBefore", "NInsertRealBefore", "NInsertVirtualAfter", "NInsertRealAfter"},
         true);
}

TEST_F(CommandStates, PasteMenuItemsNeedTheClipboardTheButtonAlsoAFile) {
  TFmMainProbe::fillClipboard(*window);
  window->updateCommandStates();
  expect({"NMPaste", "NPaste"}, true);
  expect({"BtnPaste"}, false);
  openFont({});
  expect({"NMPaste", "NPaste", "BtnPaste"}, true);
}

}  // namespace
