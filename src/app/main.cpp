#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <memory>

#include "ui/main/main_window.h"
#include "ui/platform/qt_prompts.h"

// The command line is not read. An error while the window is being built is shown and ends
// the program; errors of commands are shown by the window and the program goes on.
int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kelvane"));
  try {
    TFmMain window(std::make_unique<QtPrompts>());
    window.show();
    return QApplication::exec();
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, QApplication::applicationName(),
                          QString::fromUtf8(error.what()));
    return 1;
  }
}
