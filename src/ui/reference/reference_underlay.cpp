#include "ui/reference/reference_underlay.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>
#include <stdexcept>

#include "drafting/glyph_drafter.h"
#include "editing/grid_layout.h"
#include "model/point.h"
#include "ui/document/font_document.h"
#include "ui/platform/gbk.h"
#include "ui/platform/guarded.h"
#include "ui/reference/jpeg_image.h"
#include "ui/reference/truetype_faces.h"
#include "ui/shared/choice_group.h"
#include "ui/shared/file_names.h"
#include "ui/shared/settings_record.h"

namespace {

constexpr int kPreviewSide = 154;

}  // namespace

ReferenceUnderlay::ReferenceUnderlay(FontDocument& document, Prompts& prompts, QObject* parent)
    : QObject(parent), document_(document), prompts_(prompts) {
  OpenPictureDialog = {QString(),
                       QStringLiteral("All (*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp|"
                                      "JPEG Image File (*.jpg)|*.jpg|"
                                      "JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp"),
                       QString(), QString()};
  createControls();
  // The start is no change of a face.
  {
    const QSignalBlocker quiet(RzFontListBox1);
    RzFontListBox1->setCurrentRow(0);
  }
  // The list only offers faces whose names GBK can hold.
  if (const QListWidgetItem* face = RzFontListBox1->currentItem()) {
    fontName_ = toGbk(face->text());
    font_ = QFont(face->text());
  }
  fontSize_ = RzSpinEdit1->value();

  const auto bind = [this](auto* sender, auto signal, auto handler) {
    connect(sender, signal, this, guarded(prompts_, handler));
  };
  bind(RzRadioGroup3, &ChoiceGroup::indexChanged, [this] { modeClicked(); });
  bind(RzFontListBox1, &QListWidget::currentRowChanged, [this] { faceClicked(); });
  bind(RzSpinEdit1, &QSpinBox::valueChanged, [this] { sizeChanged(); });
  bind(RzBitBtn1, &QPushButton::clicked, [this] { loadPicture(); });
  bind(RzBitBtn2, &QPushButton::clicked, [this] { clearPicture(); });
}

void ReferenceUnderlay::createControls() {
  RzRadioGroup3 = new ChoiceGroup(
      ChoiceGroup::Kind::Radio, QStringLiteral("参考模式[F4]"),
      {QStringLiteral("无参考"), QStringLiteral("字体"), QStringLiteral("图片")}, 3);
  RzRadioGroup3->setObjectName(QStringLiteral("RzRadioGroup3"));
  RzRadioGroup3->setItemIndex(0);

  RzGroupBox1 = new QGroupBox(QStringLiteral("选择参考字体和字符"));
  RzGroupBox1->setObjectName(QStringLiteral("RzGroupBox1"));
  auto* fontLayout = new QVBoxLayout(RzGroupBox1);
  fontLayout->setContentsMargins(6, 4, 6, 6);
  fontLayout->setSpacing(3);
  auto* RzLabel1 = new QLabel(QStringLiteral("请选择字体："), RzGroupBox1);
  RzLabel1->setObjectName(QStringLiteral("RzLabel1"));
  RzFontListBox1 = new QListWidget(RzGroupBox1);
  RzFontListBox1->setObjectName(QStringLiteral("RzFontListBox1"));
  RzFontListBox1->addItems(trueTypeFaces());
  auto* RzLabel3 = new QLabel(QStringLiteral("请调整字体大小："), RzGroupBox1);
  RzLabel3->setObjectName(QStringLiteral("RzLabel3"));
  RzSpinEdit1 = new QSpinBox(RzGroupBox1);
  RzSpinEdit1->setObjectName(QStringLiteral("RzSpinEdit1"));
  RzSpinEdit1->setRange(240, 800);
  RzSpinEdit1->setValue(240);
  fontLayout->addWidget(RzLabel1);
  fontLayout->addWidget(RzFontListBox1, 1);
  fontLayout->addWidget(RzLabel3);
  fontLayout->addWidget(RzSpinEdit1);
  RzGroupBox1->hide();

  RzGroupBox2 = new QGroupBox(QStringLiteral("选择参考图片"));
  RzGroupBox2->setObjectName(QStringLiteral("RzGroupBox2"));
  auto* pictureLayout = new QVBoxLayout(RzGroupBox2);
  pictureLayout->setContentsMargins(6, 4, 6, 6);
  auto* RzPanel2 = new QFrame(RzGroupBox2);
  RzPanel2->setObjectName(QStringLiteral("RzPanel2"));
  auto* panelLayout = new QGridLayout(RzPanel2);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  RefImage = new QLabel(RzPanel2);
  RefImage->setObjectName(QStringLiteral("RefImage"));
  RefImage->setFixedSize(kPreviewSide, kPreviewSide);
  RefImage->setAlignment(Qt::AlignCenter);
  RzBitBtn1 = new QPushButton(QStringLiteral("加载..."), RzPanel2);
  RzBitBtn1->setObjectName(QStringLiteral("RzBitBtn1"));
  RzBitBtn2 = new QPushButton(QStringLiteral("清除"), RzPanel2);
  RzBitBtn2->setObjectName(QStringLiteral("RzBitBtn2"));
  panelLayout->addWidget(RefImage, 0, 0, 1, 2, Qt::AlignHCenter);
  panelLayout->addWidget(RzBitBtn1, 1, 0);
  panelLayout->addWidget(RzBitBtn2, 1, 1);
  pictureLayout->addWidget(RzPanel2);
  RzGroupBox2->hide();
}

void ReferenceUnderlay::draw(QPainter& canvas, const GridLayout& grid,
                             const QPalette& colours) const {
  if (!document_.currentShape() || document_.currentChar().empty()) return;
  if (mode_ == ReferenceMode::Face && RzFontListBox1->currentItem()) {
    QFont font = font_;
    font.setPointSize(fontSize_);
    const QString text = fromGbk(document_.currentChar());
    const QFontMetrics metrics(font);
    canvas.fillRect(QRect(left_, top_, metrics.horizontalAdvance(text), metrics.height()),
                    colours.color(QPalette::Window));
    canvas.setFont(font);
    canvas.setPen(colours.color(QPalette::WindowText));
    canvas.drawText(left_, top_ + metrics.ascent(), text);
  } else if (mode_ == ReferenceMode::Picture && !picture_.isNull() && grid.usable()) {
    const int side = static_cast<int>(grid.cellSize);
    canvas.drawImage(
        QRect(grid.originX, grid.originY, (grid.columns - 1) * side, (grid.rows - 1) * side),
        picture_);
  }
}

// The glyph's em is drawn `pointSize` points large: the nearest whole size to the em the draft
// has in pixels, whose error is far below half a grid unit at every zoom.
void ReferenceUnderlay::placeUnder(const GridLayout& grid, const GlyphPlacement& placed) {
  if (!grid.usable()) return;
  RzRadioGroup3->setItemIndex(static_cast<int>(ReferenceMode::Face));
  putUnder(grid, placed);
  markChanged();
  placedUnder_ = placed;
}

void ReferenceUnderlay::followGrid(const GridLayout& grid) {
  if (placedUnder_) followGlyph(grid, *placedUnder_);
}

void ReferenceUnderlay::followGlyph(const GridLayout& grid, const GlyphPlacement& placed) {
  if (!placedUnder_ || mode_ != ReferenceMode::Face || !grid.usable()) return;
  putUnder(grid, placed);
  placedUnder_ = placed;
  emit changed();
}

void ReferenceUnderlay::putUnder(const GridLayout& grid, const GlyphPlacement& placed) {
  const double cell = grid.cellSize;
  const double dotsPerInch = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
  const double emPixels = placed.scale * placed.unitsPerEm * cell;
  {
    const QSignalBlocker quiet(RzSpinEdit1);
    RzSpinEdit1->setValue(static_cast<int>(std::lround(emPixels * 72 / dotsPerInch)));
  }
  fontSize_ = RzSpinEdit1->value();
  QFont font = font_;
  font.setPointSize(fontSize_);
  const double baseline = grid.originY + (grid.rows - 1 - grid.below - placed.originY) * cell;
  left_ = static_cast<int32_t>(std::lround(grid.originX + placed.originX * cell));
  top_ = static_cast<int32_t>(std::lround(baseline)) - QFontMetrics(font).ascent();
}

void ReferenceUnderlay::moveBy(int32_t dx, int32_t dy) {
  left_ = wrappingAdd(left_, dx);
  top_ = wrappingAdd(top_, dy);
  placedUnder_.reset();
}

// The mode, the face and the size are kept in the settings file.
void ReferenceUnderlay::markChanged() {
  document_.markChangedWithoutStep();
  emit changed();
}

void ReferenceUnderlay::switchOff() {
  RzRadioGroup3->setItemIndex(0);
  mode_ = ReferenceMode::None;
  placedUnder_.reset();
}

void ReferenceUnderlay::modeClicked() {
  const int mode = RzRadioGroup3->itemIndex();
  if (mode >= 0 && mode <= 2) {
    mode_ = static_cast<ReferenceMode>(mode);
    RzGroupBox1->setVisible(mode == 1);
    RzGroupBox2->setVisible(mode == 2);
  }
  markChanged();
}

void ReferenceUnderlay::faceClicked() {
  const QListWidgetItem* face = RzFontListBox1->currentItem();
  if (!face) return;
  font_ = QFont(face->text());
  fontName_ = toGbk(face->text());
  placedUnder_.reset();
  markChanged();
}

void ReferenceUnderlay::sizeChanged() {
  fontSize_ = RzSpinEdit1->value();
  placedUnder_.reset();
  markChanged();
}

// BMP files are read by Qt, JPEG files by libjpeg; any other extension brings the last
// picture back. A file that cannot be decoded keeps the picture there was.
void ReferenceUnderlay::loadPicture() {
  const std::optional<QString> chosen = prompts_.openFile(OpenPictureDialog);
  if (!chosen) return;
  const std::string path = pathOf(*chosen);
  const QString extension = QFileInfo(*chosen).suffix().toUpper();
  if (extension == QLatin1String("BMP")) {
    QImage picture;
    if (!picture.load(*chosen, "BMP"))
      throw std::runtime_error("cannot read the picture " + path + ": it is no readable BMP file");
    lastPicture_ = picture;
  } else if (extension == QLatin1String("JPG") || extension == QLatin1String("JPEG")) {
    lastPicture_ = loadJpeg(path);
  }
  picture_ = lastPicture_;
  RefImage->setPixmap(QPixmap::fromImage(picture_).scaled(
      kPreviewSide, kPreviewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  emit changed();
}

// Only the preview is emptied; the last picture read can come back (see loadPicture).
void ReferenceUnderlay::clearPicture() {
  picture_ = QImage();
  RefImage->clear();
  emit changed();
}

void ReferenceUnderlay::storeInto(SettingsRecord& record) const {
  record.refMode = static_cast<uint8_t>(mode_);
  record.refLeft = left_;
  record.refTop = top_;
  record.refFontName = fontName_;
  record.refFontSize = fontSize_;
}

void ReferenceUnderlay::takeFrom(const SettingsRecord& record) {
  placedUnder_.reset();
  mode_ = static_cast<ReferenceMode>(record.refMode);
  left_ = record.refLeft;
  top_ = record.refTop;
  fontName_ = record.refFontName;
  fontSize_ = record.refFontSize;
}

void ReferenceUnderlay::showTaken() {
  RzRadioGroup3->setItemIndex(static_cast<int8_t>(static_cast<uint8_t>(mode_)));
  const QList<QListWidgetItem*> faces =
      RzFontListBox1->findItems(fromGbk(fontName_), Qt::MatchExactly);
  if (!faces.isEmpty()) RzFontListBox1->setCurrentItem(faces.constFirst());
  RzSpinEdit1->setValue(fontSize_);
  if (const QListWidgetItem* face = RzFontListBox1->currentItem()) font_ = QFont(face->text());
}

ReferenceUnderlay::Choice ReferenceUnderlay::choice() const {
  return {RzFontListBox1->currentRow(), font_};
}

// The controls go back first: their handlers set the fields again, which then take the
// values from before.
void ReferenceUnderlay::restore(const SettingsRecord& record, const Choice& choice) {
  RzRadioGroup3->setItemIndex(static_cast<int8_t>(record.refMode));
  RzFontListBox1->setCurrentRow(choice.faceRow);
  RzSpinEdit1->setValue(record.refFontSize);
  takeFrom(record);
  font_ = choice.font;
  emit changed();
}
