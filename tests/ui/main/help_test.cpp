#include <QDir>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

#include "platform/version_info.h"
#include "ui/main/about_box.h"
#include "ui/window_fixture.h"

namespace {

using HelpTest = WindowTest;

// No manual lies beside the test program, so the viewer gets the place it is installed in.
TEST_F(HelpTest, HelpHandsTheInstalledManualToTheViewer) {
  const QString directory = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                            QStringLiteral("/../share/kelvane")) +
                            QLatin1Char('/');
  child<QAction>("NMReadme")->trigger();
  child<QAction>("BtnHelpAction")->trigger();
  EXPECT_EQ(prompts->documents, QStringList(2, directory + QStringLiteral("用户手册.pdf")));
  EXPECT_EQ(prompts->documentDirectories.value(0), directory);
  child<QAction>("NMAbout")->trigger();
  EXPECT_EQ(prompts->aboutShown, 1);
}

TEST(AboutBox, LinesFromTheVersionInformation) {
  VersionInfo info = VersionInfo::ofProgram();
  TFmAbout box(info);
  const auto* list = box.findChild<QListWidget*>(QStringLiteral("ListBox"));
  ASSERT_EQ(list->count(), 15);
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("Kelvane 版本信息:"));
  EXPECT_EQ(list->item(1)->text(), QString(43, QLatin1Char('-')));
  EXPECT_EQ(list->item(4)->text(), QStringLiteral("产品版本：1.0.0.0"));
  EXPECT_EQ(list->item(5)->text(), QStringLiteral("文件版本：2.2.0.6"));
  EXPECT_EQ(list->item(8)->text().left(7), QStringLiteral("说    明："));

  VersionInfo partial;
  partial.set("ProductName", "P");
  TFmAbout sparse(partial);
  const auto* lines = sparse.findChild<QListWidget*>(QStringLiteral("ListBox"));
  EXPECT_EQ(lines->item(2)->text(), QStringLiteral("产品名称：P"));
  EXPECT_EQ(lines->item(6)->text(), QStringLiteral("出品公司：Value Not Available"));
}

TEST(AboutBox, EnterEscAndClicksCloseIt) {
  const VersionInfo info = VersionInfo::ofProgram();
  for (int way = 0; way < 4; ++way) {
    TFmAbout box(info);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    if (way == 0) QTest::keyClick(&box, Qt::Key_Return);
    if (way == 1) QTest::keyClick(&box, Qt::Key_Escape);
    if (way == 2) {
      auto* list = box.findChild<QListWidget*>(QStringLiteral("ListBox"));
      QTest::mouseClick(list->viewport(), Qt::LeftButton);
    }
    if (way == 3) QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 340));
    EXPECT_FALSE(box.isVisible()) << way;
  }
}

}  // namespace
