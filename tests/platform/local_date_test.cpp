#include "platform/local_date.h"

#include <gtest/gtest.h>

TEST(LocalDate, GivesACalendarDate) {
  const LocalDate d = localDate();
  EXPECT_GE(d.day, 1);
  EXPECT_LE(d.day, 31);
  EXPECT_GE(d.month, 1);
  EXPECT_LE(d.month, 12);
  EXPECT_GE(d.year, 2024);
  EXPECT_LE(d.year, 9999);
}
