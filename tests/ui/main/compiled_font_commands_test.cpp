#include <QLabel>

#include "shapefile/test_support.h"
#include "shx/shx_file.h"
#include "ui/main/file_fixture.h"

namespace {

// A font whose "B" compiles to 2409 bytes, more than a compiled font may hold for a shape.
std::string fontWithALongShape() {
  std::string definition = "1,9,";
  for (int i = 0; i < 600; ++i) definition += "(1,1),(-1,-1),";
  return "*0,4,ASCII t BY MORVELIN 01/02/2026\r\n32,16,0,0\r\n\r\n"
         "*65,9,041 ;A\r\n1,8,(2,2),2,8,(22,-2),0\r\n\r\n"
         "*66,2409,042 ;B\r\n" +
         definition + "(0,0),2,8,(24,0),0\r\n\r\n";
}

}  // namespace

TEST_F(FileCommandTest, ExportedFontImportsBackIntoANewUnsavedFont) {
  const std::string shp = path("a.shp");
  writeBytes(shp, asciiFont());
  run("NMOpen", shp);
  run("NMExportSHX", path("b.SHX"));
  EXPECT_EQ(prompts->proposedPaths.back(), QString::fromStdString(path("a.SHX")));
  EXPECT_EQ(readShx(readBytes(path("b.SHX")), "b.SHX").font.shapes.size(), 2u);
  EXPECT_FALSE(caption().endsWith(" *"));
  EXPECT_EQ(child<QLabel>("RzStatusPane2")->text(),
            QString::fromStdString("已导出SHX字体文件：" + path("b.SHX")));
  trigger("NMClose");

  prompts->files.push_back(QString::fromStdString(path("b.SHX")));
  run("NMImport", path("c.shp"));
  EXPECT_EQ(prompts->proposedPaths.back(), QString::fromStdString(path("b.SHP")));
  EXPECT_EQ(caption(), QString::fromStdString("Kelvane  " + path("c.shp") + " *"));
  EXPECT_EQ(prompts->reports.at(0), QStringLiteral("已导入 2 个字符。"));
  ASSERT_NE(file(), nullptr);
  EXPECT_EQ(file()->fontName(), "c");
  GShpFile original;
  original.load(shp);
  for (int i = 0; i < original.shapeCount(); ++i) {
    EXPECT_EQ(pathOf(*file()->shapeAtIndex(i)), pathOf(*original.shapeAtIndex(i)));
  }
  EXPECT_EQ(memoText().left(13), QStringLiteral("*65,9,041 ;A\n"));
  EXPECT_FALSE(enabled("NMImport"));
  EXPECT_TRUE(enabled("NMExportSHX"));
}

TEST_F(FileCommandTest, ExportAsksBeforeLeavingOutWhatDoesNotFit) {
  const std::string shp = path("long.shp");
  writeBytes(shp, fontWithALongShape());
  run("NMOpen", shp);
  prompts->answers.push_back(Prompts::Answer::Cancel);
  run("NMExportSHX", path("long.shx"));
  EXPECT_EQ(prompts->questions.at(0),
            QStringLiteral(
                "下列字符无法编入SHX文件：\n42 (B)：编译后超过2000字节\n是否导出其余的字符？"));
  EXPECT_FALSE(fileExists(path("long.shx")));

  prompts->answers.push_back(Prompts::Answer::Ok);
  run("NMExportSHX", path("long.shx"));
  EXPECT_EQ(readShx(readBytes(path("long.shx")), "long.shx").font.shapes.size(), 1u);
}

TEST_F(FileCommandTest, ImportReportsWhatItDrewDifferently) {
  writeBytes(path("arc.shp"), "*65,6,A\r\n10,(2,012),0\r\n*66,3,B\r\n8,(300,0),0\r\n");
  prompts->files.push_back(QString::fromStdString(path("arc.shp")));
  prompts->files.push_back(std::nullopt);
  trigger("NMImport");
  EXPECT_EQ(file(), nullptr);  // no name was picked for the new font

  prompts->files.push_back(QString::fromStdString(path("arc.shp")));
  run("NMImport", path("new.shp"));
  EXPECT_EQ(
      prompts->reports.at(0),
      QStringLiteral("已导入 1 个字符。其中 1 个字符的形与原文件不完全相同。1 个字符未能读入。"));
  EXPECT_EQ(prompts->reports.at(1),
            QStringLiteral("41 (A)：1 段圆弧化为线段，2 个点取整到网格\n"
                           "第 3 行 42 (B)：未能读入（300 超出一个字节的范围）"));
}

// A single-line font of another format: the new font takes the kind and grid chosen, here
// proposed from the characters; the export writes the format the file's extension names.
TEST_F(FileCommandTest, ALibreCadFontImportsOnTheGridChosenAndExportsAsAnSvgFont) {
  writeBytes(path("two.lff"),
             "# Name: two\n# LetterSpacing: 3\n[0041] A\n0,0;3,9;6,0\n0,x\n[4e2d] 中\n0,0;9,9\n");
  prompts->files.push_back(QString::fromStdString(path("two.lff")));
  prompts->setups.push_back(Prompts::FontSetupChoice{GShpFile::kindAscii, 1});
  run("NMImport", path("two.shp"));
  ASSERT_EQ(prompts->setupProposals.size(), 1u);
  EXPECT_EQ(prompts->setupProposals[0].kind, GShpFile::kindAscii);  // one of two is double-byte
  EXPECT_EQ(prompts->setupProposals[0].gridIndex, 3);
  ASSERT_NE(file(), nullptr);
  EXPECT_EQ(file()->kind(), GShpFile::kindAscii);
  EXPECT_EQ(file()->gridIndex(), 1);
  EXPECT_EQ(file()->above(), 16);  // two thirds of 24
  ASSERT_NE(file()->findShape(0xD6D0), nullptr);
  EXPECT_EQ(file()->findShape('A')->width(), 16);  // (6 + 3) * 16 / 9
  // What the reader could not take is named in the report's language.
  EXPECT_EQ(prompts->reports.at(0), QStringLiteral("已导入 2 个字符。1 个字符未能读入。"));
  EXPECT_EQ(prompts->reports.at(1), QStringLiteral("未能读入：第 5 行：“0,x”不是点 x,y"));

  run("NMExportSHX", path("two.svg"));
  EXPECT_NE(readBytes(path("two.svg")).find("unicode=\"&#x4E2D;\""), std::string::npos);
  EXPECT_EQ(child<QLabel>("RzStatusPane2")->text(),
            QString::fromStdString("已导出字体文件：" + path("two.svg")));
}

// A unifont from another tool numbers its shapes by Unicode; the new font holds them at their
// GBK codes, and the report names a character GBK cannot hold by its Unicode number.
TEST_F(FileCommandTest, ImportOfAUnifontNamesWhatGbkCannotHold) {
  writeBytes(path("other.shp"),
             "*UNIFONT,6,other\r\n10,4,0,0,0,0\r\n*04E2D,6,zhong\r\n1,8,(2,3),8,(0,-3),0\r\n"
             "*0AC00,4,ga\r\n1,8,(1,0),0\r\n*04E8C,3,er\r\n8,(300,0),0\r\n");
  prompts->files.push_back(QString::fromStdString(path("other.shp")));
  run("NMImport", path("new.shp"));
  ASSERT_EQ(list()->count(), 1);
  EXPECT_EQ(list()->item(0)->text(), QStringLiteral("中"));
  EXPECT_EQ(prompts->reports.at(0),
            QStringLiteral("已导入 1 个字符。1 个字符未能读入。1 个字符GBK中没有，已略去。"));
  EXPECT_EQ(prompts->reports.at(1),
            QStringLiteral("第 7 行 U+4E8C (二)：未能读入（300 超出一个字节的范围）\n"
                           "U+AC00 (가)：GBK中没有这个字符"));
}

// Exported, a unifont's characters are numbered by Unicode; a code that is no GBK character
// has no number there.
TEST_F(FileCommandTest, ExportOfAUnifontNumbersByUnicode) {
  writeBytes(path("u.shp"),
             "*UNIFONT,6,u\r\n32,16,0,0,0,0\r\n\r\n"
             "*200,9,0c8\r\n1,8,(2,2),2,8,(22,-2),0\r\n\r\n"
             "*54992,17,0d6d0\r\n2,8,(3,4),1,9,(1,0),(0,1),(0,0),2,8,(44,-5),0\r\n\r\n");
  run("NMOpen", path("u.shp"));
  prompts->answers.push_back(Prompts::Answer::Ok);
  run("NMExportSHX", path("u.shx"));
  EXPECT_EQ(
      prompts->questions.at(0),
      QStringLiteral("下列字符无法编入SHX文件：\nC8：不是GBK字符，UNIFONT中没有它的Unicode编号\n"
                     "是否导出其余的字符？"));
  const CompiledFont written = readShx(readBytes(path("u.shx")), "u.shx").font;
  ASSERT_EQ(written.shapes.size(), 1u);
  EXPECT_EQ(written.shapes[0].code, 0x4E2D);
}
