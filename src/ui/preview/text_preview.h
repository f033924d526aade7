#pragma once

#include <QFrame>
#include <string>

class FontDocument;
class PreviewStrip;
class QLineEdit;
class QScrollBar;
class QSlider;

// The preview pane under the canvas: the sample text field, the zoom slider and the strip
// that sets the text in the open font. The sample and the zoom are the user's, kept in the
// user's configuration, not in a font's settings file.
class TextPreview : public QFrame {
  Q_OBJECT
 public:
  static const QString defaultSample;

  explicit TextPreview(FontDocument& document, QWidget* parent = nullptr);

  PreviewStrip& strip() const { return *strip_; }
  QLineEdit& sampleField() const { return *sample_; }
  QSlider& zoomSlider() const { return *zoom_; }

 signals:
  void characterClicked(const std::string& listText);

 private:
  void updateScrollRange();

  PreviewStrip* strip_;
  QLineEdit* sample_;
  QSlider* zoom_;
  QScrollBar* scroll_;
};
