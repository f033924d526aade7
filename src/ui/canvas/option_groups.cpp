#include "ui/canvas/panel.h"
#include "ui/main/main_window.h"

void TFmMain::RzCheckGroup1Change(int index, bool checked) {
  if (index == 0) showPenUpTrack = checked;
  if (index == 1) showPoints = checked;
  Panel->repaint();
}

// New points take the pen state; existing points keep theirs.
void TFmMain::RzRadioGroup1Changing(int newIndex) {
  if (newIndex == 0) gestures.cursorPoint.setVirtual();
  if (newIndex == 1) gestures.cursorPoint.setReal();
}

void TFmMain::RzRadioGroup2Changing(int newIndex) {
  gestures.editMode = static_cast<uint8_t>(newIndex);
}
