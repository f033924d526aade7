#include "bench_application.h"

#include <QTemporaryDir>

QApplication& benchApplication() {
  static int argc = 1;
  static char name[] = "kelvane_bench";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The views start as a new user sees them, whatever the configuration of whoever measures.
  static const QTemporaryDir configuration;
  qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit());
  static QApplication app(argc, argv);
  return app;
}
