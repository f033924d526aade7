#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <exception>
#include <memory>
#include <string_view>

#include "ui/shared/file_names.h"
#include "ui/main/main_window.h"
#include "ui/main/qt_prompts.h"

namespace {

// Time for the views to lay themselves out before the window's picture is taken.
constexpr int kScreenshotDelayMs = 300;

// --help and --version print and quit; they need no display.
bool asksForTextOnly(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--") return false;
    if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" || arg == "--version")
      return true;
  }
  return false;
}

}  // namespace

// kelvane [--screenshot PNG] [FILE]. An error while the window is being built is shown and ends
// the program; an error opening the file named is shown in the window, which stays open, and
// errors of commands are shown by the window and the program goes on. With --screenshot
// nobody is there to read a message box: errors go to the standard error and end the program.
int main(int argc, char* argv[]) {
  const std::unique_ptr<QCoreApplication> application =
      asksForTextOnly(argc, argv) ? std::make_unique<QCoreApplication>(argc, argv)
                                  : std::make_unique<QApplication>(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kelvane"));
  QApplication::setApplicationVersion(QStringLiteral(KELVANE_VERSION));
  // The user's own choices (the views shown, the preview's sample, the window's layout) go
  // under this name.
  QApplication::setOrganizationName(QStringLiteral("Kelvane"));

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Kelvane, the editor of AutoCAD shape-font sources (.shp)."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption screenshot(
      QStringLiteral("screenshot"),
      QStringLiteral("Write a picture of the window to PNG once it is shown and FILE is open, "
                     "then quit."),
      QStringLiteral("PNG"));
  parser.addOption(screenshot);
  parser.addPositionalArgument(
      QStringLiteral("FILE"),
      QStringLiteral("A font to open: a shape source (.shp) for editing, or a font of another "
                     "format (.shx, .lff, .jhf, .svg) to import into a new one."),
      QStringLiteral("[FILE]"));
  const bool understood = parser.parse(QCoreApplication::arguments());
  const QStringList files = parser.positionalArguments();
  if (!understood || files.size() > 1) {
    std::fprintf(stderr, "kelvane: %s\n",
                 understood ? "one file at most" : qPrintable(parser.errorText()));
    return 2;
  }
  if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) parser.showHelp();
  if (parser.isSet(version)) parser.showVersion();
  const QString picture = parser.value(screenshot);
  // Importing asks where the new font goes, and nobody answers while a picture is taken.
  if (!picture.isEmpty() && !files.isEmpty() &&
      QFileInfo(files.first()).suffix().compare(QStringLiteral("shp"), Qt::CaseInsensitive) != 0) {
    std::fprintf(stderr, "kelvane: --screenshot opens a shape source (.shp) only\n");
    return 2;
  }
  QApplication::setDesktopFileName(QStringLiteral("kelvane"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("kelvane")));

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
    if (!files.isEmpty()) {
      try {
        window.openNamed(pathOf(files.first()));
      } catch (const std::exception& error) {
        if (!picture.isEmpty()) throw;
        QMessageBox::critical(&window, QApplication::applicationName(),
                              QString::fromUtf8(error.what()));
      }
    }
    if (!picture.isEmpty()) {
      // Ends without closing the window, which would write the user's configuration and could
      // ask whether to save.
      QTimer::singleShot(kScreenshotDelayMs, &window, [&] {
        const bool written = window.grab().save(picture, "PNG");
        if (!written) std::fprintf(stderr, "kelvane: cannot write %s\n", qPrintable(picture));
        QApplication::exit(written ? 0 : 1);
      });
    }
    return QApplication::exec();
  } catch (const std::exception& error) {
    if (!picture.isEmpty()) {
      std::fprintf(stderr, "kelvane: %s\n", error.what());
      return 1;
    }
    QMessageBox::critical(nullptr, QApplication::applicationName(),
                          QString::fromUtf8(error.what()));
    return 1;
  }
}
