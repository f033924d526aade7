#include "bench_application.h"

QApplication& benchApplication() {
  static int argc = 1;
  static char name[] = "kelvane_bench";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
  return app;
}
