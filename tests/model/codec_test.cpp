#include <gtest/gtest.h>

#include <stdexcept>

#include "model/shape.h"

namespace {

std::string describe(const GShape& s) {
  std::string out;
  for (int i = 0; i < s.pointCount(); ++i) {
    const GPoint* p = s.pointAtIndex(i);
    out += (p->isVirtual ? "v" : "r") + std::to_string(p->x) + "," + std::to_string(p->y) + " ";
  }
  return out;
}

std::string decode(const std::string& definition) {
  GShape s;
  s.parseLine(definition);
  return describe(s);
}

std::vector<std::string> encode(GShape& s) {
  std::vector<std::string> lines;
  s.writeTo(lines);
  return lines;
}

void init(GShape& s, uint16_t code, uint16_t width) {
  s.setCode(code);
  s.reset(width);
}

}  // namespace

TEST(Decoder, ReadsPenCodesAndBothDisplacementKinds) {
  EXPECT_EQ(decode("2,8,(3,4),1,9,(1,0),(0,1),(0,0),2,8,(10,-4),0"), "v3,4 r4,4 r4,5 ");
  EXPECT_EQ(decode("1,8,(2,2),0"), "r2,2 ");
  EXPECT_EQ(decode("2,8,(1,1),1,8,(2,0)"), "v1,1 r3,1 ");
}

TEST(Decoder, DropsTrailingPenUpMoves) {
  EXPECT_EQ(decode("0"), "");
  EXPECT_EQ(decode("()"), "");
  EXPECT_EQ(decode("2,8,(5,0),2,8,(3,0),0"), "");
  EXPECT_EQ(decode("8,(2,2),0"), "");
}

TEST(Decoder, PassesOverUninterpretedCodesWithOneArgument) {
  EXPECT_EQ(decode("3,2,1,8,(1,1),0"), "r1,1 ");
}

TEST(Decoder, CodesAreCutToEightBitsButMovesAreNot) {
  EXPECT_EQ(decode("1,264,(300,-2),0"), "r300,-2 ");
}

TEST(Decoder, NumbersAreDecimalWithBlanksAndSigns) {
  EXPECT_EQ(decode(" 1, 8,( +12, -012),0"), "r12,-12 ");
  EXPECT_EQ(decode("1,8,(0A,0FF),1,8,(1,1),0"), "r0,0 r1,1 ");
}

TEST(Decoder, EmptyTextIsRefusedClearly) {
  GShape s;
  try {
    s.parseLine("");
    FAIL() << "no exception";
  } catch (const std::out_of_range& e) {
    EXPECT_NE(std::string(e.what()).find("shape definition is empty"), std::string::npos);
  }
}

TEST(Decoder, HeaderLineSetsCodeByteCountAndHalvesNarrowWidths) {
  GShape s;
  s.reset(48);
  s.parseLine("*65,14,041 ;A");
  EXPECT_EQ(s.code(), 65);
  EXPECT_EQ(s.byteCount(), 14);
  EXPECT_EQ(s.width(), 24);

  GShape odd;
  odd.reset(47);
  odd.parseLine("*66,5,042 ;B");
  EXPECT_EQ(odd.width(), 23);

  GShape rotated;
  rotated.reset(48);
  rotated.setDirection(1);
  rotated.parseLine("*65,14,041 ;A");
  EXPECT_EQ(rotated.width(), 48);

  GShape hanzi;
  hanzi.reset(48);
  hanzi.parseLine("*45217,9,0b0a1");
  EXPECT_EQ(hanzi.code(), 45217);
  EXPECT_EQ(hanzi.byteCount(), 9);
  EXPECT_EQ(hanzi.width(), 48);

  GShape noComma;
  noComma.parseLine("*300");
  EXPECT_EQ(noComma.code(), 300);
  EXPECT_EQ(noComma.byteCount(), 300);
}

TEST(Decoder, ReadsALongDefinitionWhole) {
  std::string text = "2,8,(1,1),1,9,";
  const int steps = 5000;
  for (int i = 0; i < steps; ++i) text += "(1,0),";
  text += "(0,0),2,8,(1,1),0";
  ASSERT_GT(text.size(), 2000u);
  GShape s;
  s.parseLine(text);
  ASSERT_EQ(s.pointCount(), steps + 1);
  EXPECT_EQ(s.last()->x, steps + 1);
}

TEST(Decoder, RefusesADefinitionOfMillionsOfItemsAndKeepsThePath) {
  GShape s;
  s.parseLine("2,8,(1,1),1,8,(2,0),0");
  std::string text = "2,8,(1,1),1,9,";
  text.reserve(GShape::maxDefinitionItems * 6);
  for (size_t i = 0; i < GShape::maxDefinitionItems / 2 + 1; ++i) text += "(1,0),";
  text += "(0,0),0";
  EXPECT_THROW(s.parseLine(text), std::length_error);
  EXPECT_EQ(describe(s), "v1,1 r3,1 ");
}

TEST(Encoder, WorkedExamples) {
  GShape s;
  init(s, 65, 24);
  s.addPoint(3, 4, 1);
  s.addPoint(4, 4, 0);
  s.addPoint(4, 5, 0);
  EXPECT_EQ(encode(s), (std::vector<std::string>{"*65,17,041 ;A",
                                                 "2,8,(3,4),1,9,(1,0),(0,1),(0,0),2,8,(20,-5),0"}));

  GShape empty;
  init(empty, 65, 24);
  EXPECT_EQ(encode(empty), (std::vector<std::string>{"*65,5,041 ;A", "2,8,(24,0),0"}));

  GShape dot;
  init(dot, 65, 10);
  dot.addPoint(2, 2, 0);
  EXPECT_EQ(encode(dot), (std::vector<std::string>{"*65,9,041 ;A", "1,8,(2,2),2,8,(8,-2),0"}));
}

TEST(Encoder, WritesNothingForAShapeThatNeverHadAList) {
  GShape s;
  EXPECT_TRUE(encode(s).empty());
}

TEST(Encoder, MergesLiftedJourneysAndKeepsATrailingOne) {
  GShape s;
  init(s, 65, 20);
  s.addPoint(1, 0, 1);
  s.addPoint(1, 2, 1);
  s.addPoint(4, 2, 1);
  s.addPoint(5, 5, 0);
  s.addPoint(7, 7, 1);
  EXPECT_EQ(encode(s)[1], "2,8,(4,2),1,8,(1,3),2,8,(2,2),2,8,(13,-7),0");
}

TEST(Encoder, ZeroStepInsideARunWritesNothing) {
  GShape s;
  init(s, 65, 10);
  s.addPoint(1, 1, 1);
  s.addPoint(2, 1, 0);
  s.addPoint(2, 1, 0);
  s.addPoint(3, 1, 0);
  EXPECT_EQ(encode(s)[1], "2,8,(1,1),1,9,(1,0),(1,0),(0,0),2,8,(7,-1),0");
}

TEST(Encoder, StrokeStartingWithAZeroStepReadsBackPointForPoint) {
  GShape s;
  init(s, 65, 10);
  s.addPoint(2, 2, 1);
  s.addPoint(2, 2, 0);
  s.addPoint(5, 2, 0);
  s.addPoint(5, 6, 0);
  std::vector<std::string> lines = encode(s);
  GShape back;
  back.parseLine(lines[1]);
  EXPECT_EQ(describe(back), "v2,2 r2,2 r5,2 r5,6 ");
  back.parseLine(lines[0]);
  EXPECT_EQ(back.byteCount(), 20);
}

TEST(Encoder, HeaderNames) {
  auto header = [](uint16_t code) {
    GShape s;
    init(s, code, 10);
    return encode(s)[0];
  };
  // Control characters are left out of the line; printable ones follow the ';'.
  EXPECT_EQ(header(10), "*10,5,0 a ;");
  EXPECT_EQ(header(13), "*13,5,0 d ;");
  EXPECT_EQ(header(127), "*127,5,07f ;");
  EXPECT_EQ(header(32), "*32,5,020 ; ");
  EXPECT_EQ(header(126), "*126,5,07e ;~");
  EXPECT_EQ(header(300), "*300,5,0 12c");
  EXPECT_EQ(header(200), "*200,5,0c8 ;200");
  EXPECT_EQ(header(45217), "*45217,5,0b0a1");
}

TEST(Encoder, SplitsLongDefinitionsAfterCommas) {
  GShape s;
  init(s, 45217, 48);
  s.addPoint(1, 1, 1);
  for (int i = 0; i < 40; ++i) s.addPoint(2 + i, 1 + (i % 2), 0);
  std::vector<std::string> lines = encode(s);
  ASSERT_GE(lines.size(), 3u);
  std::string joined;
  for (size_t i = 1; i < lines.size(); ++i) {
    EXPECT_LE(lines[i].size(), 100u);
    if (i + 1 < lines.size()) {
      EXPECT_EQ(lines[i].back(), ',');
    }
    joined += lines[i];
  }
  EXPECT_EQ(joined.substr(joined.size() - 2), ",0");
  GShape back;
  back.parseLine(joined);
  EXPECT_EQ(describe(back), describe(s));
}
