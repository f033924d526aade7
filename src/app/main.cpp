#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>
#include <exception>
#include <memory>

#include "ui/main/main_window.h"
#include "ui/main/qt_prompts.h"

// The command line is not read. An error while the window is being built is shown and ends
// the program; errors of commands are shown by the window and the program goes on.
int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kelvane"));
  // The user's own choices (the views shown, the preview's sample) go under this name.
  QApplication::setOrganizationName(QStringLiteral("Kelvane"));
  // The interface is Chinese whatever the locale: Qt's own dialogs (file dialogs, the
  // buttons of message boxes) speak it too where Qt's translations are installed.
  QTranslator qtTexts;
  if (qtTexts.load(QStringLiteral("qtbase_zh_CN"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtTexts);
  }
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
