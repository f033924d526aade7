#include "ui/main/file_fixture.h"

namespace {

using CommandLineTest = FileCommandTest;

// What the desktop hands over when a file is opened with the editor: a shape source opens, a
// font of another format is imported into a new shape source.
TEST_F(CommandLineTest, AFileNamedOnTheCommandLineOpensOrIsImported) {
  writeBytes(path("a.SHP"), asciiFont());
  window->openNamed(path("a.SHP"));
  EXPECT_EQ(caption(), QString::fromStdString("Kelvane  " + path("a.SHP")));
  EXPECT_EQ(list()->count(), 2);
  trigger("NMClose");

  writeBytes(path("b.lff"), "[0041] A\n0,0;3,9;6,0\n");
  prompts->files.push_back(QString::fromStdString(path("b.shp")));
  window->openNamed(path("b.lff"));
  EXPECT_EQ(caption(), QString::fromStdString("Kelvane  " + path("b.shp") + " *"));
  EXPECT_EQ(prompts->setupProposals.size(), 1u);
  EXPECT_EQ(list()->count(), 1);

  prompts->answers.push_back(Prompts::Answer::No);
  trigger("NMClose");
  EXPECT_THROW(window->openNamed(path("missing.shp")), std::runtime_error);
  EXPECT_EQ(file(), nullptr);
}

}  // namespace
