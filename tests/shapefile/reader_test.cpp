#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>

#include "shapefile/read_error.h"
#include "test_support.h"

namespace {

// The message of the error that reading text raises (empty when it loads).
std::string readError(const std::string& text, GShpFile& font) {
  try {
    loadText(font, text);
  } catch (const ShpReadError& e) {
    EXPECT_EQ(e.source(), "font.shp");
    return e.what();
  }
  return "";
}

std::string readError(const std::string& text) {
  GShpFile font;
  return readError(text, font);
}

}  // namespace

TEST(ShpReaderHeader, EmptyTextGivesAnEmptyFontOfNoKind) {
  GShpFile f;
  loadText(f, "");
  EXPECT_EQ(f.kind(), GShpFile::kindNone);
  EXPECT_EQ(f.shapeCount(), 0);
}

TEST(ShpReaderHeader, Unifont) {
  GShpFile f;
  f.setAbove(1);
  loadText(f, "*UNIFONT,6,Song BY X 01/01/2000\r\n32,16,0,0,0,0\r\n");
  EXPECT_EQ(f.kind(), GShpFile::kindUnifont);
  EXPECT_EQ(f.fontName(), "Song");
  EXPECT_EQ(f.above(), 32);
  EXPECT_EQ(f.below(), 16);
  EXPECT_EQ(f.height(), 48);
  EXPECT_EQ(f.width(), 48);
}

TEST(ShpReaderHeader, Bigfont) {
  GShpFile f;
  loadText(f,
           "*BIGFONT 7000,1,161,256\n*0,5,Hei BY X\n48,0,0,40,0\n\n"
           "*45217,5,0b0a1\n2,8,(48,0),0\n*45218,5,0b0a2\n2,8,(48,0),0\n");
  EXPECT_EQ(f.kind(), GShpFile::kindBigfont);
  EXPECT_EQ(f.characterCount(), 7000);
  EXPECT_EQ(f.fontName(), "Hei");
  EXPECT_EQ(f.above(), 48);
  EXPECT_EQ(f.below(), 0);
  EXPECT_EQ(f.height(), 48);
  EXPECT_EQ(f.width(), 40);
  EXPECT_EQ(f.shapeCount(), 2);
}

TEST(ShpReaderHeader, BigfontWithFourNumbersTakesTheHeightAsWidth) {
  GShpFile f;
  loadText(f, "*BIGFONT 10,1,129,254\r*0,4,Fang\r20,5,2,0\r");
  EXPECT_EQ(f.above(), 20);
  EXPECT_EQ(f.below(), 5);
  EXPECT_EQ(f.width(), 25);
  EXPECT_EQ(f.characterCount(), 10);
}

TEST(ShpReaderHeader, AsciiAndNumbersKeepTheirLowBits) {
  GShpFile f;
  loadText(f, "*0,4,Roman BY Y\r\n300,16,0,0\r\n");
  EXPECT_EQ(f.kind(), GShpFile::kindAscii);
  EXPECT_EQ(f.fontName(), "Roman");
  EXPECT_EQ(f.above(), 44);
  EXPECT_EQ(f.height(), 60);
}

TEST(ShpReaderHeader, AnotherByteCountEndsTheHeaderAfterItsFirstLine) {
  GShpFile f;
  loadText(f, "*0,3,Roman\r\n*65,5,041\r\n2,8,(24,0),0\r\n");
  EXPECT_EQ(f.kind(), GShpFile::kindAscii);
  EXPECT_EQ(f.above(), 32);
  ASSERT_EQ(f.shapeCount(), 1);
  EXPECT_EQ(f.first()->code(), 65);
}

TEST(ShpReaderHeader, ACommentFirstLineLeavesKindAndNameButALateHeaderGivesMetrics) {
  GShpFile f;
  f.setFontName("mine");
  loadText(f, ";; a comment\r\n*0,4,Other\r\n20,10,0,0\r\n");
  EXPECT_EQ(f.kind(), GShpFile::kindNone);
  EXPECT_EQ(f.fontName(), "mine");
  EXPECT_EQ(f.above(), 20);
  EXPECT_EQ(f.below(), 10);
  EXPECT_EQ(f.height(), 30);
  EXPECT_EQ(f.width(), 30);
}

TEST(ShpReaderHeader, AFirstLineThatIsAShapeRecordIsReadAsAShape) {
  GShpFile f;
  loadText(f, "*65,9,041 ;A\r\n1,8,(2,2),2,8,(22,-2),0\r\n");
  EXPECT_EQ(f.kind(), GShpFile::kindNone);
  ASSERT_EQ(f.shapeCount(), 1);
  EXPECT_EQ(f.first()->code(), 65);
  EXPECT_EQ(pathOf(*f.first()), (std::vector<PathPoint>{{2, 2, false}}));
}

TEST(ShpReaderHeader, ABigfontShapeRightAfterTheFirstLineIsKept) {
  GShpFile f;
  loadText(f, "*BIGFONT 2,1,161,256\r\n*45217,9,0b0a1\r\n1,8,(2,2),2,8,(46,-2),0\r\n");
  EXPECT_EQ(f.kind(), GShpFile::kindBigfont);
  EXPECT_EQ(f.fontName(), "");
  ASSERT_EQ(f.shapeCount(), 1);
  EXPECT_EQ(f.first()->code(), 45217);
  EXPECT_EQ(f.first()->pointCount(), 1);
}

TEST(ShpReaderRecords, ReadsPathsAndWidthsOfEachShape) {
  const std::string text =
      "*0,4,Song\r\n32,16,0,0\r\n\r\n"
      "*65,17,041 ;A\r\n2,8,(3,4),1,9,(1,0),(0,1),(0,0),2,8,(20,-5),0\r\n\r\n"
      "*45217,5,0b0a1\r\n2,8,(48,0),0\r\n";
  GShpFile normal;
  loadText(normal, text);
  ASSERT_EQ(normal.shapeCount(), 2);
  const GShape& a = *normal.findShape(65);
  EXPECT_EQ(a.byteCount(), 17);
  EXPECT_EQ(a.width(), 24);
  EXPECT_EQ(pathOf(a), (std::vector<PathPoint>{{3, 4, true}, {4, 4, false}, {4, 5, false}}));
  EXPECT_EQ(normal.findShape(45217)->width(), 48);
  EXPECT_EQ(normal.findShape(45217)->pointCount(), 0);

  GShpFile rotated;
  rotated.setDirection(1);
  loadText(rotated, text);
  EXPECT_EQ(rotated.findShape(65)->width(), 48);

  // A character's own advance is where its pen ends lifted on the baseline, as CAD has it; a
  // pen ending off the baseline, or after a code whose moves are not followed (an arc), leaves
  // the file's width.
  GShpFile proportional;
  loadText(proportional,
           "*0,4,Song\r\n32,16,0,0\r\n\r\n*73,9,I\r\n2,8,(3,0),1,8,(0,9),2,8,(4,-9),0\r\n"
           "*87,9,W\r\n1,8,(30,9),2,8,(6,-9),0\r\n*88,5,X\r\n2,8,(30,5),0\r\n"
           "*89,9,Y\r\n1,10,(2,1),2,8,(30,0),0\r\n");
  EXPECT_EQ(proportional.findShape('I')->width(), 7);
  EXPECT_EQ(proportional.findShape('W')->width(), 36);
  EXPECT_EQ(proportional.findShape('X')->width(), 24);
  EXPECT_EQ(proportional.findShape('Y')->width(), 24);
}

TEST(ShpReaderRecords, ADefinitionIsGatheredOverAsManyLinesAsItsByteCountNeeds) {
  GShpFile f;
  loadText(f,
           "*0,4,x\n32,16,0,0\n"
           "*66,17,042\n2,8,(3,4),\n1,9,(1,0),(0,1),\n(0,0),2,8,(20,-5),0\n"
           "*67,9,043\n2,8,(1,1),1,8,(2\n0,0),0\n");
  ASSERT_EQ(f.shapeCount(), 2);
  EXPECT_EQ(pathOf(*f.findShape(66)),
            (std::vector<PathPoint>{{3, 4, true}, {4, 4, false}, {4, 5, false}}));
  // A continued line without a closing comma runs into the next one: 2 and 0 make 20.
  EXPECT_EQ(pathOf(*f.findShape(67)), (std::vector<PathPoint>{{1, 1, true}, {21, 1, false}}));
}

TEST(ShpReaderRecords, SkipsLinesThatAreNoRecords) {
  GShpFile f;
  loadText(f,
           "*0,4,x\n32,16,0,0\n ; comment\n *65,5,041\n2,8,(24,0),0\n"
           "*66,5,042\n2,8,(24,0),0\n");
  ASSERT_EQ(f.shapeCount(), 1);
  EXPECT_EQ(f.first()->code(), 66);
}

TEST(ShpReaderRecords, RepeatedCodesAreAllKeptAndTheFirstIsFound) {
  GShpFile f;
  loadText(f,
           "*0,4,x\n32,16,0,0\n*65,9,041\n1,8,(1,1),2,8,(23,-1),0\n"
           "*65,9,041\n1,8,(2,2),2,8,(22,-2),0\n");
  ASSERT_EQ(f.shapeCount(), 2);
  EXPECT_EQ(pathOf(*f.findShape(65)), (std::vector<PathPoint>{{1, 1, false}}));
}

TEST(ShpReaderRecords, ReadingAgainReplacesTheShapes) {
  GShpFile f;
  const std::string text = "*0,4,x\n32,16,0,0\n*65,5,041\n2,8,(24,0),0\n";
  loadText(f, text);
  loadText(f, text);
  EXPECT_EQ(f.shapeCount(), 1);
}

TEST(ShpReaderRecords, AShapeOverManyThousandLinesLoadsInLinearTime) {
  // The largest byte count, one item per line, and a long run of blank lines in
  // the middle: recounting the gathered text for every line would take minutes.
  constexpr int pairs = 32761;  // 13 + 2 * pairs = 65535 items
  std::string text = "*0,4,x\n32,16,0,0\n*45217,65535,0b0a1\n2,8,(0,0),1,9,\n";
  text += std::string(1000000, '\n');
  for (int i = 0; i < pairs; ++i) text += "1,\n0,\n";
  text += "0,0,2,8,(0,0),0\n";
  const auto start = std::chrono::steady_clock::now();
  GShpFile f;
  loadText(f, text);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  ASSERT_EQ(f.shapeCount(), 1);
  const GShape& s = *f.first();
  ASSERT_EQ(s.pointCount(), pairs + 1);
  EXPECT_EQ(s.pointAtIndex(pairs)->x, pairs);
  EXPECT_LT(took.count(), 5.0);
}

TEST(ShpReaderErrors, NameTheFileAndTheLine) {
  EXPECT_EQ(readError("*\r\n"),
            "\"font.shp\", line 1: the first line is too short for a font header");
  EXPECT_EQ(readError("\r\n*0,4,x\r\n"),
            "\"font.shp\", line 1: the first line is too short for a font header");
  EXPECT_EQ(
      readError("*0,4,x\r\n"),
      "\"font.shp\", line 1: the file ends inside this record (List index out of bounds (1))");
  EXPECT_EQ(
      readError("*BIGFONT 3,1,161,256\r\n"),
      "\"font.shp\", line 1: the file ends inside this record (List index out of bounds (1))");
}

TEST(ShpReaderErrors, ShapeRunningPastTheEndKeepsTheShapesBeforeIt) {
  GShpFile f;
  const std::string message = readError(
      "*0,4,x\n32,16,0,0\n*65,5,041\n2,8,(24,0),0\n*66,40,042\n2,8,(1,1),\n1,8,(1,1),\n", f);
  EXPECT_EQ(
      message,
      "\"font.shp\", line 5: the file ends inside this record (List index out of bounds (7))");
  ASSERT_EQ(f.shapeCount(), 1);
  EXPECT_EQ(f.first()->code(), 65);
}

TEST(ShpReaderErrors, ShapeWithoutDefinitionKeepsTheShapesBeforeIt) {
  GShpFile f;
  const std::string message =
      readError("*0,4,x\n32,16,0,0\n*65,5,041\n2,8,(24,0),0\n*66,0,042\n2,8,(24,0),0\n", f);
  EXPECT_EQ(message, "\"font.shp\", line 5: shape 66 has no definition (byte count 0)");
  EXPECT_EQ(f.shapeCount(), 1);
  EXPECT_NE(readError("*0,4,x\n32,16,0,0\n*66\n"), "");
}

TEST(ShpReaderErrors, HeaderLinesWithMissingNumbersAreRefused) {
  EXPECT_EQ(readError("*BIGFONT many\n"),
            "\"font.shp\", line 1: the font header misses numbers (\"*BIGFONT %d\" expected)");
  EXPECT_EQ(readError("*UNIFONT,six,Song\n"),
            "\"font.shp\", line 1: the font header misses numbers (\"*UNIFONT,%d,%s\" expected)");
  EXPECT_EQ(readError("*0,x\n"),
            "\"font.shp\", line 1: the font header misses numbers (\"*%d,%d,%s\" expected)");
  EXPECT_EQ(readError("*0,4,Song\n32,16,0\n"),
            "\"font.shp\", line 2: the font header misses numbers (\"%d,%d,%d,%d\" expected)");
  EXPECT_EQ(readError("*UNIFONT,6,Song\n32,16,0,0,0\n"),
            "\"font.shp\", line 2: the font header misses numbers (\"%d,%d,%d,%d,%d,%d\" "
            "expected)");
  EXPECT_EQ(readError("*BIGFONT 9,1,161,256\n*0,5,Hei\n48,0,0,48\n"),
            "\"font.shp\", line 3: the font header misses numbers (\"%d,%d,%d,%d,%d\" expected)");
  EXPECT_EQ(readError("*BIGFONT 9,1,161,256\n*0,x,Hei\n"),
            "\"font.shp\", line 2: the font header misses numbers (\"*%d,%d,%s\" expected)");
  EXPECT_EQ(readError("; comment\n*0,4,Song\n,16,0,0\n"),
            "\"font.shp\", line 3: the font header misses numbers (\"%d,%d\" expected)");
}

TEST(ShpReaderErrors, FontNameLongerThan255BytesIsRefused) {
  GShpFile f;
  EXPECT_EQ(readError("*UNIFONT,6," + std::string(255, 'n') + "\n1,2,0,0,0,0\n", f), "");
  EXPECT_EQ(f.fontName().size(), 255u);
  EXPECT_EQ(readError("*UNIFONT,6," + std::string(256, 'n') + " BY X\n"),
            "\"font.shp\", line 1: the font name is longer than 255 bytes");
  EXPECT_EQ(readError("*BIGFONT 1,1,161,256\n*0,5," + std::string(300, 'n') + "\n"),
            "\"font.shp\", line 2: the font name is longer than 255 bytes");
}

using ShpReaderFiles = TempDirTest;

TEST_F(ShpReaderFiles, AFileThatCannotBeOpenedIsNamed) {
  GShpFile f;
  const std::string missing = path("missing.shp");
  try {
    f.load(missing);
    FAIL() << "loading a missing file succeeded";
  } catch (const FileError& e) {
    EXPECT_EQ(e.path(), missing);
    EXPECT_NE(std::string(e.what()).find(missing), std::string::npos);
  }
}

TEST_F(ShpReaderFiles, ReadErrorsNameTheFile) {
  const std::string bad = path("bad.shp");
  writeBytes(bad, "*0,4,x\r\n32,16,0,0\r\n*65,9,041\r\n");
  GShpFile f;
  try {
    f.load(bad);
    FAIL() << "loading a cut file succeeded";
  } catch (const ShpReadError& e) {
    EXPECT_EQ(e.source(), bad);
    EXPECT_EQ(e.line(), 3);
  }
}

TEST_F(ShpReaderFiles, AFileTooLargeForAFontIsRefusedBeforeItIsRead) {
  const std::string huge = path("huge.shp");
  {
    std::ofstream out(huge, std::ios::binary);
    out.seekp(static_cast<std::streamoff>(GShpFile::maxFileBytes));
    out.put('\n');
  }
  GShpFile f;
  for (const auto& load : {std::function<void()>([&] { f.load(huge); }), std::function<void()>([&] {
                             f.loadBytes(std::string(GShpFile::maxFileBytes + 1, '\n'), huge);
                           })}) {
    try {
      load();
      FAIL() << "a file of more than " << GShpFile::maxFileBytes << " bytes was read";
    } catch (const FileError& e) {
      EXPECT_EQ(e.path(), huge);
      EXPECT_NE(std::string(e.what()).find("larger than a shape file can be"), std::string::npos);
    }
  }
}
