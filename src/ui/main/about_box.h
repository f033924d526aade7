#pragma once

#include <QDialog>

class QGroupBox;
class QListWidget;
class QPushButton;
class VersionInfo;

// The about box: the program's version information and the maker's contact lines. A click
// anywhere on it, Enter and Esc close it.
class TFmAbout : public QDialog {
  Q_OBJECT
 public:
  TFmAbout(const VersionInfo& versionInfo, QWidget* parent = nullptr);

  void RzBitBtn1Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QGroupBox* RzGroupBox1;
  QListWidget* ListBox;
  QPushButton* RzBitBtn1;
};
