#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

// The window tests need the application object, titled as the program titles it. The user's
// configuration starts empty in a folder of the tests' own, so the tests neither read nor
// change the configuration of whoever runs them.
int main(int argc, char* argv[]) {
  const QTemporaryDir configuration;
  qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit());
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kelvane"));
  QApplication::setOrganizationName(QStringLiteral("Kelvane"));
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
