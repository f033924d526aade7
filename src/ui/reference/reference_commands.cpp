#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <stdexcept>

#include "ui/canvas/panel.h"
#include "ui/main/choice_group.h"
#include "ui/main/file_names.h"
#include "ui/main/main_window.h"
#include "ui/platform/gbk.h"
#include "ui/reference/jpeg_image.h"

namespace {

constexpr int kPreviewSide = 154;

}  // namespace

void TFmMain::connectReferenceCommands() {
  bind(RzRadioGroup3, &ChoiceGroup::indexChanged, [this] { RzRadioGroup3Click(); });
  bind(RzFontListBox1, &QListWidget::currentRowChanged, [this] { RzFontListBox1Click(); });
  bind(RzSpinEdit1, &QSpinBox::valueChanged, [this] { RzSpinEdit1Change(); });
  bind(RzBitBtn1, &QPushButton::clicked, [this] { RzBitBtn1Click(); });
  bind(RzBitBtn2, &QPushButton::clicked, [this] { RzBitBtn2Click(); });
}

// The mode, the face and the size are kept in the settings file, so changing them marks
// the font modified; they are no undo steps.
void TFmMain::referenceChanged() {
  markChangedWithoutStep();
  updateCaption();
  updateCommandStates();
  Panel->repaint();
}

void TFmMain::RzRadioGroup3Click() {
  const int mode = RzRadioGroup3->itemIndex();
  if (mode >= 0 && mode <= 2) {
    refMode = static_cast<uint8_t>(mode);
    RzGroupBox1->setVisible(mode == 1);
    RzGroupBox2->setVisible(mode == 2);
  }
  referenceChanged();
}

void TFmMain::RzFontListBox1Click() {
  const QListWidgetItem* face = RzFontListBox1->currentItem();
  if (!face) return;
  refFont = QFont(face->text());
  refFontName = toGbk(face->text());
  referenceChanged();
}

void TFmMain::RzSpinEdit1Change() {
  refFontSize = RzSpinEdit1->value();
  referenceChanged();
}

// BMP files are read by Qt, JPEG files by libjpeg; any other extension brings the last
// picture back. A file that cannot be decoded keeps the picture there was.
void TFmMain::RzBitBtn1Click() {
  const std::optional<QString> chosen = prompts->openFile(OpenPictureDialog);
  if (!chosen) return;
  const std::string path = pathOf(*chosen);
  const QString extension = QFileInfo(*chosen).suffix().toUpper();
  if (extension == QLatin1String("BMP")) {
    QImage picture;
    if (!picture.load(*chosen, "BMP"))
      throw std::runtime_error("cannot read the picture " + path + ": it is no readable BMP file");
    *refBitmap = picture;
  } else if (extension == QLatin1String("JPG") || extension == QLatin1String("JPEG")) {
    *refJpeg = loadJpeg(path);
    *refBitmap = *refJpeg;
  }
  refPicture = *refBitmap;
  RefImage->setPixmap(
      QPixmap::fromImage(refPicture)
          .scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  Panel->repaint();
}

// Only the preview is emptied; the last picture loaded can come back (see RzBitBtn1Click).
void TFmMain::RzBitBtn2Click() {
  refPicture = QImage();
  RefImage->clear();
  Panel->repaint();
}
