#include "ui/platform/guarded.h"

#include <gtest/gtest.h>

#include <QAction>
#include <stdexcept>

#include "ui/scripted_prompts.h"

TEST(Guarded, ShowsTheErrorOfAHandlerAndSwallowsIt) {
  ScriptedPrompts prompts;
  int stepsDone = 0;
  auto command = guarded(prompts, [&] {
    ++stepsDone;
    throw std::runtime_error("t.shp: line 3: bad shape number");
  });
  EXPECT_NO_THROW(command());
  EXPECT_EQ(stepsDone, 1);
  EXPECT_EQ(prompts.errors, QStringList{QStringLiteral("t.shp: line 3: bad shape number")});
}

TEST(Guarded, ShowsUtf8MessagesAsTheyAre) {
  ScriptedPrompts prompts;
  guarded(prompts, [] { throw std::runtime_error("无法读取 /tmp/字库.shp"); })();
  EXPECT_EQ(prompts.errors, QStringList{QStringLiteral("无法读取 /tmp/字库.shp")});
}

TEST(Guarded, PassesArgumentsAndShowsNothingWithoutError) {
  ScriptedPrompts prompts;
  int got = 0;
  guarded(prompts, [&](int index, bool checked) { got = checked ? index : -1; })(7, true);
  EXPECT_EQ(got, 7);
  EXPECT_TRUE(prompts.errors.isEmpty());
}

TEST(Guarded, ConnectsToSignalsThatCarryMoreArguments) {
  ScriptedPrompts prompts;
  QAction action;
  int runs = 0;
  QObject::connect(&action, &QAction::triggered, &action, guarded(prompts, [&] {
    ++runs;
    throw std::runtime_error("refused");
  }));
  action.trigger();
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(prompts.errors, QStringList{QStringLiteral("refused")});
}
