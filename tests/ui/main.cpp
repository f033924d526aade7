#include <gtest/gtest.h>

#include <QApplication>

// The window tests need the application object, titled as the program titles it.
int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kelvane"));
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
