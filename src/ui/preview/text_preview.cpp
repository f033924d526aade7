#include "ui/preview/text_preview.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSettings>
#include <QSlider>

#include "ui/shared/hints.h"
#include "ui/preview/preview_strip.h"

namespace {

const QString kSampleKey = QStringLiteral("preview/sample");
const QString kZoomKey = QStringLiteral("preview/zoom");

}  // namespace

const QString TextPreview::defaultSample = QStringLiteral("ABC abc 0123 中文字体 永和九年");

TextPreview::TextPreview(FontDocument& document, QWidget* parent)
    : QFrame(parent),
      strip_(new PreviewStrip(document, this)),
      sample_(new QLineEdit(this)),
      zoom_(new QSlider(Qt::Horizontal, this)),
      scroll_(new QScrollBar(Qt::Horizontal, this)) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  const QSettings user;
  strip_->setObjectName(QStringLiteral("previewStrip"));
  sample_->setObjectName(QStringLiteral("previewSample"));
  // The editor's keys leave this field alone: what is typed here is text.
  sample_->setProperty("typesText", true);
  applyHint(sample_, QStringLiteral("预览文字|在此输入要用当前字体预览的文字"));
  zoom_->setObjectName(QStringLiteral("previewZoom"));
  zoom_->setRange(10, 100);
  zoom_->setFixedWidth(100);
  applyHint(zoom_, QStringLiteral("缩放|缩放预览文字"));
  scroll_->setObjectName(QStringLiteral("previewScroll"));

  auto* controls = new QHBoxLayout;
  controls->addWidget(new QLabel(QStringLiteral("预览文字"), this));
  controls->addWidget(sample_, 1);
  controls->addWidget(new QLabel(QStringLiteral("缩放"), this));
  controls->addWidget(zoom_);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 3, 4, 3);
  column->setSpacing(2);
  column->addLayout(controls);
  column->addWidget(strip_, 1);
  column->addWidget(scroll_);

  // The user's choices are shown before the controls are connected: showing them writes
  // nothing back.
  zoom_->setValue(user.value(kZoomKey, 100).toInt());
  sample_->setText(user.value(kSampleKey, defaultSample).toString());
  strip_->setZoom(zoom_->value());
  strip_->setText(sample_->text());

  connect(sample_, &QLineEdit::textChanged, this, [this](const QString& text) {
    strip_->setText(text);
    QSettings().setValue(kSampleKey, text);
  });
  connect(zoom_, &QSlider::valueChanged, this, [this](int percent) {
    strip_->setZoom(percent);
    QSettings().setValue(kZoomKey, percent);
  });
  connect(scroll_, &QScrollBar::valueChanged, strip_, &PreviewStrip::setScroll);
  connect(strip_, &PreviewStrip::extentChanged, this, &TextPreview::updateScrollRange);
  connect(strip_, &PreviewStrip::characterClicked, this, &TextPreview::characterClicked);
  updateScrollRange();
}

void TextPreview::updateScrollRange() {
  const int hidden = std::max(0, strip_->lineWidth() - strip_->width());
  scroll_->setRange(0, hidden);
  scroll_->setPageStep(strip_->width());
  scroll_->setEnabled(hidden > 0);
}
