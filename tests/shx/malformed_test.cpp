#include <gtest/gtest.h>

#include "shapefile/test_support.h"
#include "shx/font_import.h"
#include "shx/shape_interpreter.h"
#include "shx/shape_source.h"
#include "shx/shx_file.h"
#include "shx_test_support.h"

// Programs and files no tool should write: each is drawn or read as far as it makes sense, and
// what went wrong is reported.
TEST(MalformedPrograms, StopWhereTheyGoWrongAndSaySo) {
  const std::string endless = bytesOf({9, 1, 1, 1, 1, 1, 1});
  std::string runaway;
  for (int i = 0; i < 9; ++i) runaway += bytesOf({7, 4, 7, 4});  // 4 draws itself many times
  const CompiledFont font = plainFont({
      {1, "", bytesOf({1, 8, 2, 0, 7, 1, 0})},  // draws itself
      {2, "", bytesOf({7, 99, 0})},             // no shape 99
      {3, "", bytesOf({6, 5, 5, 5, 5, 5, 0})},  // pops first, pushes five times
      {4, "", runaway + bytesOf({0x14, 0})},
      {5, "", bytesOf({4, 255, 4, 255, 4, 255, 4, 255, 4, 255, 0x14, 3, 0, 0})},
      {6, "", endless},
  });
  // Each on its own, as 4 uses up the font's work.
  auto drawn = [&](size_t i) { return ShapeInterpreter(font).run(font.shapes[i]); };
  auto faultsOf = [&](size_t i) { return drawn(i).report.faults; };
  EXPECT_EQ(faultsOf(0), ShapeReport::nestedTooDeep);
  EXPECT_EQ(faultsOf(1), ShapeReport::missingSubshape);
  EXPECT_EQ(faultsOf(2), ShapeReport::stackUnderflow | ShapeReport::stackOverflow);
  EXPECT_EQ(faultsOf(3), ShapeReport::tooLong | ShapeReport::nestedTooDeep);
  EXPECT_EQ(faultsOf(4), ShapeReport::badScale);
  EXPECT_EQ(faultsOf(5), ShapeReport::noEndCode);

  EXPECT_EQ(drawn(0).points.size(), 1u + ShapeInterpreter::maxNesting);
  EXPECT_EQ(drawn(5).points.size(), 3u);
}

// Work multiplied by subshapes is bounded per shape and by the size of the font, arcs far off
// the grid included, while a shape of a font large enough to draw a million points from
// subshapes still comes out whole.
TEST(MalformedPrograms, CannotMultiplyTheirWork) {
  auto repeated = [](const std::string& part, int times, const std::string& tail) {
    std::string program;
    for (int i = 0; i < times; ++i) program += part;
    return program + tail;
  };
  CompiledFont large;
  for (uint16_t code = 1; code <= 9; ++code) {
    large.shapes.push_back({code, "", repeated(bytesOf({0x14}), 1997, bytesOf({1, 0}))});
  }
  large.shapes.push_back({10, "", repeated(bytesOf({7, 1}), 500, bytesOf({0}))});
  ShapeInterpreter drawsLarge(large);
  for (const CompiledShape& shape : large.shapes) {
    const InterpretedShape drawn = drawsLarge.run(shape);
    EXPECT_EQ(drawn.points.size(), shape.code == 10 ? 500u * 1997 : 1997u);
    EXPECT_EQ(drawn.report.faults, 0u);
  }

  // Arcs hundreds of trillions of units wide: thousands of segments each, all on the same
  // clamped place.
  const std::string farArcs =
      repeated(bytesOf({4, 255}), 5, repeated(bytesOf({10, 255, 0}), 100, bytesOf({0})));
  const CompiledFont font = plainFont({
      {1, "", repeated(bytesOf({7, 1}), 6, bytesOf({0x14, 0}))},  // 6^8 calls
      {2, "", bytesOf({7, 1, 0})},
      {3, "", farArcs},
      {4, "", repeated(bytesOf({7, 3}), 200, bytesOf({0}))},
      {5, "", bytesOf({0x14, 0})},
  });
  ShapeInterpreter interpreter(font);
  EXPECT_EQ(interpreter.run(font.shapes[0]).report.faults,
            ShapeReport::tooLong | ShapeReport::nestedTooDeep);
  // The first shape used up the font's work: the shapes after it are drawn a little or not
  // at all.
  EXPECT_TRUE(interpreter.run(font.shapes[1]).report.faults & ShapeReport::tooLong);
  const InterpretedShape last = interpreter.run(font.shapes[4]);
  EXPECT_EQ(last.report.faults, ShapeReport::tooLong);
  EXPECT_TRUE(last.points.empty());
  ShapeInterpreter fresh(font);
  const InterpretedShape far = fresh.run(font.shapes[3]);
  EXPECT_EQ(far.report.faults, ShapeReport::tooLong);
}

// Shapes whose records a cut or damaged file does not hold are named and left out, the rest
// read; a file cut inside its index, or not a compiled font at all, is refused.
TEST(MalformedCompiledFiles, AreRefusedOrReadAsFarAsTheyGo) {
  CompiledFont font = plainFont({{65, "A", bytesOf({1, 8, 3, 4, 0})}, {66, "B", bytesOf({0})}});
  auto codesLeftOut = [](const ShxContents& read) {
    std::vector<uint16_t> codes;
    for (const SourceProblem& problem : read.unreadable) codes.push_back(problem.code);
    return codes;
  };
  for (CompiledKind kind : {CompiledKind::shapes, CompiledKind::unifont, CompiledKind::bigfont}) {
    font.kind = kind;
    font.hasHeader = true;
    font.headerName = "h";
    font.headerBytes = bytesOf({8, 2, 0, 0});
    const std::string whole = writeShx(font);
    SCOPED_TRACE(whole.substr(11, 7));
    const ShxContents read = readShx(whole, "f.shx");
    EXPECT_EQ(read.font.shapes.size(), 2u);
    EXPECT_TRUE(read.unreadable.empty());
    // Cut inside the last record (a shapes file ends in "EOF"): that record is left out.
    const size_t cut = kind == CompiledKind::shapes ? 4 : 1;
    const ShxContents cutRead = readShx(whole.substr(0, whole.size() - cut), "f.shx");
    EXPECT_EQ(cutRead.font.shapes.size(), 1u);
    EXPECT_EQ(codesLeftOut(cutRead), std::vector<uint16_t>{66});
    // Cut inside the index.
    EXPECT_THROW(readShx(whole.substr(0, 30), "f.shx"), ShxReadError);
  }
  // The bigfont's index (25 bytes of signature, 6 of counts) holds the header, A and B; B's
  // record is now said to lie far past the end.
  std::string wrongOffset = writeShx(font);
  wrongOffset[31 + 2 * 8 + 7] = '\x7f';
  const ShxContents read = readShx(wrongOffset, "f.shx");
  EXPECT_EQ(read.font.shapes.size(), 1u);
  ASSERT_EQ(codesLeftOut(read), std::vector<uint16_t>{66});
  EXPECT_EQ(read.unreadable[0].what, "记录（第 2130706498 字节起 1 字节）超出文件末尾（文件共 " +
                                         std::to_string(wrongOffset.size()) + " 字节）");
  EXPECT_EQ(read.unreadable[0].line, 0);

  // A shapes file cut before its records names each of them, the font header too; a unifont
  // cut between records counts those it no longer holds.
  font.kind = CompiledKind::shapes;
  const std::string shapes = writeShx(font);
  EXPECT_EQ(codesLeftOut(readShx(shapes.substr(0, 24 + 6 + 3 * 4), "f.shx")),
            (std::vector<uint16_t>{0, 65, 66}));
  font.kind = CompiledKind::unifont;
  const std::string unifont = writeShx(font);
  const ShxContents tail = readShx(unifont.substr(0, unifont.size() - 7), "f.shx");
  ASSERT_EQ(tail.unreadable.size(), 1u);
  EXPECT_EQ(tail.unreadable[0].shapes, 1u);
  EXPECT_EQ(tail.unreadable[0].what,
            "文件在第 " + std::to_string(unifont.size() - 7) + " 字节处结束，其后还应有 1 个形");

  for (const std::string& notAFont :
       {shapes.substr(0, 10), std::string("AutoCAD-86 pictures 1.0\r\n\x1a")}) {
    try {
      importCompiledFont(notAFont, "f.shx", {});
      FAIL() << notAFont;
    } catch (const ShxReadError& e) {
      EXPECT_STREQ(e.what(), "\"f.shx\": 不是本程序能读的编译形文件");
    }
  }
}

TEST(ShapeSources, CompileEveryItemFormAndReportBadRecordsByLine) {
  const CompiledSource source = compileShapeSource(
      "*UNIFONT,6,uni ; the font\r\n10,4,0,0,0,0\r\n"
      "*65,9,A\n  2 , 8 , ( 010 , -0A ) ,\n\n1,0FF,7,(0B0A1),10,(3,-043),0\n"
      "*66,2,B\n8,(300,0),0\n"
      "*67,2,C\n8,(x,0),0\n"
      "*68,2,D\n8,(1,\n");
  EXPECT_EQ(source.font.kind, CompiledKind::unifont);
  EXPECT_EQ(source.font.headerName, "uni");
  EXPECT_EQ(source.font.headerBytes, bytesOf({10, 4, 0, 0, 0, 0}));
  ASSERT_EQ(source.font.shapes.size(), 1u);
  EXPECT_EQ(source.font.shapes[0].name, "A");
  EXPECT_EQ(source.font.shapes[0].bytes,
            bytesOf({2, 8, 16, -10, 1, 255, 7, 0xB0, 0xA1, 10, 3, 0xC3, 0}));
  ASSERT_EQ(source.problems.size(), 3u);
  EXPECT_EQ(source.problems[0].line, 7);
  EXPECT_EQ(source.problems[0].code, 66);
  EXPECT_EQ(source.problems[0].what, "300 超出一个字节的范围");
  EXPECT_EQ(source.problems[1].what, "“x”不是数字");
  EXPECT_EQ(source.problems[2].what, "定义在结束代码 0 之前就结束了");
}

// A source large enough to be compiled on two threads keeps its shapes and its problems in
// the order of its records, and a font header part way is still the font's.
TEST(ShapeSources, ALargeSourceKeepsTheOrderOfItsRecords) {
  std::string source;
  std::string definition;
  for (int i = 0; i < 60; ++i) definition += "8,(1,-1),";
  for (int code = 1; code <= 3000; ++code) {
    if (code == 1500) source += "*UNIFONT,6,late\n48,0,0,0,0,0\n";
    source += "*" + std::to_string(code) + ",1,s\n2," + definition +
              (code % 1000 == 7 ? "300," : "") + "0\n";
  }
  ASSERT_GT(source.size(), size_t{1} << 20);
  const CompiledSource compiled = compileShapeSource(source);
  ASSERT_EQ(compiled.problems.size(), 3u);
  EXPECT_EQ(compiled.problems[0].code, 7);
  EXPECT_EQ(compiled.problems[1].code, 1007);
  EXPECT_EQ(compiled.problems[2].code, 2007);
  EXPECT_LT(compiled.problems[1].line, compiled.problems[2].line);
  ASSERT_EQ(compiled.font.shapes.size(), 2997u);
  for (size_t i = 1; i < compiled.font.shapes.size(); ++i)
    ASSERT_LT(compiled.font.shapes[i - 1].code, compiled.font.shapes[i].code);
  EXPECT_EQ(compiled.font.kind, CompiledKind::unifont);
  EXPECT_EQ(compiled.font.headerName, "late");
}
