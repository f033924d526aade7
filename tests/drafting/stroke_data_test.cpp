#include "drafting/stroke_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>

#include "draft_measures.h"
#include "drafting/draft_many.h"
#include "drafting/stroke_data_draft.h"
#include "editing/character_sets.h"
#include "platform/gbk_unicode.h"
#include "platform/temp_dir.h"

namespace {

// KELVANE_STROKE_DATA set for the life of the object, as it was afterwards.
class StrokeDataFolder {
 public:
  explicit StrokeDataFolder(const std::string& folder) {
    if (const char* was = std::getenv("KELVANE_STROKE_DATA")) was_ = was;
    setenv("KELVANE_STROKE_DATA", folder.c_str(), 1);
  }
  ~StrokeDataFolder() {
    if (was_) {
      setenv("KELVANE_STROKE_DATA", was_->c_str(), 1);
    } else {
      unsetenv("KELVANE_STROKE_DATA");
    }
  }

 private:
  std::optional<std::string> was_;
};

std::string failureOf(const std::string& json) {
  try {
    readMedians(json, "data/国.json");
  } catch (const StrokeDataError& e) {
    return e.what();
  }
  return "no failure";
}

std::string points(int n) {
  std::string s = "[";
  for (int i = 0; i < n; ++i) s += (i ? ",[" : "[") + std::to_string(i % 900) + ",5]";
  return s + "]";
}

}  // namespace

TEST(StrokeData, TheReaderTakesStrictJsonAndItsMedians) {
  const std::vector<Polyline> read = readMedians(
      " {\"character\":\"\\u56fd\\ud840\\udc00\",\"n\":[-0.5e1,true,null],"
      "\"medians\":[[[1,2],[3.5,-4]],[[0,900],[1024,-124],[7,7]]]}\n",
      "x.json");
  ASSERT_EQ(read.size(), 2u);
  ASSERT_EQ(read[0].size(), 2u);
  EXPECT_EQ(read[0][1].x, 3.5);
  EXPECT_EQ(read[0][1].y, -4);
  EXPECT_EQ(read[1].size(), 3u);
}

// Every bad input is refused with a message naming the file and what is wrong.
TEST(StrokeData, BadInputIsRefusedNamingTheFile) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "bad JSON at byte 0: the text ends too soon"},
      {"{\"medians\": [[[345, 693], [383, 6", "the text ends too soon"},
      {"{\"medians\": [[[345 693]]]}", "expected ','"},
      {"{\"medians\": [[[1,2],[3,4]],]}", "expected a value"},
      {"{\"medians\": [[[1,2],[3,4]]]} x", "more after the value"},
      {"{\"m\":1,\"m\":2}", "member \"m\" given twice"},
      {"{\"s\":\"\\ud800\"}", "a lone high surrogate"},
      {"{\"s\":\"a\tb\"}", "a control character in a string"},
      {"{\"n\":01}", "expected ','"},
      {"{\"n\":1e999}", "a number out of range"},
      {std::string(20, '[') + std::string(20, ']'), "nested too deep"},
      {"{\"strokes\":[]}", "no \"medians\""},
      {"{\"medians\":{}}", "\"medians\" is not a list"},
      {"{\"medians\":[]}", "no strokes"},
      {"{\"medians\":[[]]}", "stroke 1 has 0 points"},
      {"{\"medians\":[[[1,2],[3,4]],[[5,6]]]}", "stroke 2 has 1 points"},
      {"{\"medians\":[" + points(100000) + "]}", "stroke 1 has 100000 points, more than 60"},
      {"{\"medians\":[[[1,2],[1,2,3]]]}", "stroke 1, point 2 is not a pair of numbers"},
      {"{\"medians\":[[[1,2],[\"3\",4]]]}", "stroke 1, point 2 is not a pair of numbers"},
      {"{\"medians\":[[[1,2],[100000,4]]]}", "stroke 1, point 2 lies far outside the box"},
      {"{\"medians\":[[[1,-500],[1,4]]]}", "stroke 1, point 1 lies far outside the box"},
  };
  for (const auto& [json, what] : cases) {
    const std::string failure = failureOf(json);
    EXPECT_EQ(failure.rfind("data/国.json: ", 0), 0u) << failure;
    EXPECT_NE(failure.find(what), std::string::npos) << json.substr(0, 60) << " -> " << failure;
  }
  std::string many = "{\"medians\":[";
  for (int i = 0; i < 65; ++i) many += std::string(i ? "," : "") + "[[1,2],[3,4]]";
  EXPECT_NE(failureOf(many + "]}").find("65 strokes, more than 64"), std::string::npos);
  std::string heavy = "{\"medians\":[" + points(60);
  for (int i = 0; i < 5; ++i) heavy += "," + points(60);
  EXPECT_NE(failureOf(heavy + "]}").find("stroke 6: more than 300 points in all"),
            std::string::npos);
  EXPECT_NE(failureOf(std::string(kMostStrokeDataBytes + 1, ' ')).find("too large"),
            std::string::npos);
}

// The data is found where KELVANE_STROKE_DATA says, and only there; a missing file is no
// error, a bad one is, and drafting from the data leaves its character out saying so.
TEST(StrokeData, TheFolderAndItsFiles) {
  TempDir dir;
  const StrokeDataFolder folder(dir.dir());
  StrokeDataStatus status = strokeDataStatus();
  EXPECT_FALSE(status.installed);
  EXPECT_NE(status.message.find(dir.dir()), std::string::npos);
  EXPECT_NE(status.message.find("scripts/install-stroke-data"), std::string::npos);
  std::string error;
  EXPECT_TRUE(draftMany({}, {{U'一', true}}, {48, 0}, DraftMode::StrokeData, 1, &error).empty());
  EXPECT_EQ(error, status.message);

  writeBytes(dir.path("一.json"), "{\"medians\":[[[100,388],[924,388]]]}");
  writeBytes(dir.path("二.json"), "{\"medians\":[[[100,388],[924,3");
  status = strokeDataStatus();
  ASSERT_TRUE(status.installed);
  EXPECT_EQ(status.folder, dir.dir());
  EXPECT_FALSE(loadMedians(dir.dir(), U'三'));
  const std::vector<DraftedGlyph> drafted =
      draftMany({}, {{U'一', true}, {U'二', true}, {U'三', true}, {U'A', false}}, {48, 0},
                DraftMode::StrokeData, 2, &error);
  ASSERT_EQ(drafted.size(), 4u);
  EXPECT_TRUE(drafted[0].found);
  EXPECT_EQ(drafted[0].strokes.size(), 1u);
  EXPECT_FALSE(drafted[1].found);
  EXPECT_EQ(drafted[1].problem.rfind(dir.path("二.json") + ": bad JSON", 0), 0u)
      << drafted[1].problem;
  EXPECT_FALSE(drafted[2].found);
  EXPECT_TRUE(drafted[2].problem.empty());
  EXPECT_FALSE(drafted[3].found);
}

// Data strokes on a 48 grid, whose 885 data units about the data box's middle fill the cell
// (the 47 units from the grid's first line to its last):
// ticks under 1.5 units go, an end short of a stroke by less than 1.5 units reaches it, one
// farther short does not, a stroke shorter than a unit stays one, and the whole is centred on
// the advance. A character reaching past those 885 units is made smaller to fit the cell.
TEST(StrokeData, DataStrokesBecomePenPathsOnTheGrid) {
  const double u = 885.0 / 47;  // one grid unit in data units
  const auto at = [u](double row) { return 388 + (row - 23.5) * u; };
  const std::vector<Polyline> medians = {
      {{3.3 * u, at(33.3)}, {4 * u, at(34)}, {43 * u, at(34)}, {43.7 * u, at(33.3)}},  // 横
      {{24 * u, at(33)}, {24 * u, at(4)}},     // 竖 stopping a unit below the 横
      {{10 * u, at(31)}, {10 * u, at(20)}},    // 3 units below it
      {{30 * u, at(10)}, {30.3 * u, at(10)}},  // a dot
  };
  const DraftedGlyph drafted = draftFromMedians(medians, {48, 0});
  ASSERT_TRUE(drafted.found);
  EXPECT_EQ(drafted.advance, 48);
  ASSERT_EQ(drafted.strokes.size(), 4u);
  // The strokes' box, 3.3 to 43.7, is centred on the cell as it stands; the ticks go.
  const GridStroke& level = drafted.strokes[0];
  ASSERT_EQ(level.size(), 2u);
  EXPECT_EQ(level[0].x, 4);
  EXPECT_EQ(level[0].y, 34);
  EXPECT_EQ(level[1].x, 43);
  EXPECT_EQ(drafted.strokes[1].front().y, 34);  // carried on onto the 横
  EXPECT_EQ(drafted.strokes[2].front().y, 31);  // too far: left as it is
  EXPECT_EQ(drafted.strokes[3].size(), 2u);

  // A 竖 from the data box's bottom to its top spans the cell.
  const DraftedGlyph tall = draftFromMedians({{{512, -124}, {512, 900}}}, {48, 0});
  ASSERT_EQ(tall.strokes.size(), 1u);
  EXPECT_EQ(tall.strokes[0].front().y, 0);
  EXPECT_EQ(tall.strokes[0].back().y, 47);
}

// Drafted strokes go into the data's order and direction, matched by where they lie.
TEST(StrokeData, FaceStrokesTakeTheDataOrder) {
  // 厂 drawn the other way round: the 撇 first, from its foot, then the 横 from the right.
  std::vector<GridStroke> strokes = {{{4, 2}, {10, 20}, {10, 40}}, {{44, 40}, {10, 40}}};
  const std::vector<Polyline> medians = {{{300, 700}, {800, 700}},
                                         {{300, 700}, {300, 300}, {100, 0}}};
  putInWritingOrder(strokes, medians);
  ASSERT_EQ(strokes.size(), 2u);
  EXPECT_EQ(strokes[0].front().x, 10);  // the 横 first, from its left
  EXPECT_EQ(strokes[0].back().x, 44);
  EXPECT_EQ(strokes[1].front().y, 40);  // the 撇 from its top
}

namespace {

// WenQuanYi Micro Hei and the installed stroke-order data, every 65th GB2312 hanzi.
class WithTheData : public testing::Test {
 protected:
  void SetUp() override {
    data = strokeDataStatus();
    if (!data.installed) GTEST_SKIP() << data.message;
    face = faceFileOf("WenQuanYi Micro Hei");
    ASSERT_FALSE(face.path.empty());
  }
  DraftedGlyph faceDraft(char32_t c) {
    std::string error;
    return draftMany(face, {{c, true}}, grid, DraftMode::CentreLine, 1, &error).at(0);
  }
  const DraftGrid grid{48, 0};
  StrokeDataStatus data;
  FaceFile face;
};

}  // namespace

// 厂 draws its 横 before its 撇, 国 its closing 横 last, and the face drafts of a sample
// follow the data's order.
TEST_F(WithTheData, FaceDraftsComeInWritingOrder) {
  const DraftedGlyph chang = faceDraft(U'厂');
  ASSERT_EQ(chang.strokes.size(), 2u);
  const GridStroke& heng = chang.strokes[0];
  EXPECT_LT(heng.front().x, heng.back().x);
  EXPECT_LE(std::abs(heng.back().y - heng.front().y), 2);
  const DraftedGlyph guo = faceDraft(U'国');
  ASSERT_GE(guo.strokes.size(), 6u);
  const GridStroke& last = guo.strokes.back();
  EXPECT_LE(std::abs(last.back().y - last.front().y), 2);
  EXPECT_GT(last.back().x - last.front().x, 30);  // the long bottom 横, left to right
  for (const GridStroke& s : guo.strokes)
    for (const GridPoint& p : s) EXPECT_GE(p.y, std::min(last.front().y, last.back().y) - 1);
}

// Every 65th GB2312 hanzi: the face drafts' order agrees with the data's (matched by position,
// independently of the drafting's own matching); the data drafts have one stroke for each of
// the data's, lying on its centre line within 3/4 unit (but for the 1.5 units an end may be
// carried on), centred on the cell.
TEST_F(WithTheData, SampleDraftsFollowTheData) {
  std::vector<DraftRequest> sample;
  const std::vector<uint16_t> codes = gb2312HanziCodes();
  for (size_t i = 0; i < codes.size(); i += 65) sample.push_back({unicodeOfGbk(codes[i]), true});
  std::string error;
  const std::vector<DraftedGlyph> fromFace =
      draftMany(face, sample, grid, DraftMode::CentreLine, 2, &error);
  const std::vector<DraftedGlyph> fromData =
      draftMany({}, sample, grid, DraftMode::StrokeData, 2, &error);
  ASSERT_EQ(fromData.size(), sample.size()) << error;
  std::vector<double> correlations, middlesX, middlesY;
  size_t strokes = 0, close = 0;
  for (size_t i = 0; i < sample.size(); ++i) {
    const std::vector<Polyline> lines =
        mediansOnGrid(*loadMedians(data.folder, sample[i].unicode), grid);
    const std::vector<size_t> matched = nearestDataStrokes(fromFace[i], lines);
    std::vector<double> drawn, ordered;
    for (size_t s = 0; s < matched.size(); ++s) {
      drawn.push_back(double(s));
      ordered.push_back(double(matched[s]));
    }
    correlations.push_back(spearman(drawn, ordered));

    ASSERT_TRUE(fromData[i].found) << fromData[i].problem;
    ASSERT_EQ(fromData[i].strokes.size(), lines.size());
    for (size_t s = 0; s < lines.size(); ++s) {
      ++strokes;
      close += farthestFromDataLine(fromData[i].strokes[s], lines[s], 2.25) <= 0.75;
    }
    const std::optional<InkBox> box = inkBoxOf(fromData[i]);
    middlesX.push_back(box->middleX);
    middlesY.push_back(box->middleY);
  }
  EXPECT_GE(medianOf(correlations), 0.8);
  EXPECT_GE(double(close) / strokes, 0.98);
  EXPECT_NEAR(medianOf(middlesX), 24, 1.5);
  EXPECT_NEAR(medianOf(middlesY), 24, 1.5);
}
