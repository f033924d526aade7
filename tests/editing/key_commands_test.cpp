#include "editing/key_commands.h"

#include <gtest/gtest.h>

// The plain keys are driven through the window; here the modifiers that give a key away.
TEST(KeyCommands, ModifiersThatLeaveTheKeyToTheMenusOrTheDesktop) {
  const struct {
    EditorKey key;
    bool ctrl, alt;
    KeyCommand command;
  } cases[] = {
      {EditorKey::F, true, false, KeyCommand::FindCharacter},
      {EditorKey::F, false, false, KeyCommand::Swallow},
      {EditorKey::T, true, false, KeyCommand::None},
      {EditorKey::X, true, false, KeyCommand::None},  // Ctrl+X cuts
      {EditorKey::X, false, true, KeyCommand::None},
      {EditorKey::F4, false, false, KeyCommand::NextReferenceMode},
      {EditorKey::F4, true, false, KeyCommand::None},  // Ctrl+F4 exits
      {EditorKey::Other, false, false, KeyCommand::None},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(keyCommandFor(c.key, c.ctrl, c.alt), c.command)
        << static_cast<int>(c.key) << " ctrl " << c.ctrl << " alt " << c.alt;
  }
}

TEST(KeyCommands, SteppingWrapsAfterTheLastItem) {
  EXPECT_EQ(nextItemIndex(0, 2), 1);
  EXPECT_EQ(nextItemIndex(1, 2), 0);  // pen mode
  EXPECT_EQ(nextItemIndex(3, 4), 0);  // edit mode
  EXPECT_EQ(nextItemIndex(2, 3), 0);  // reference mode
  EXPECT_EQ(nextItemIndex(-1, 3), 0);
}
