#pragma once

struct LocalDate {
  int day;    // 1..31
  int month;  // 1..12
  int year;   // four digits
};

// Today in the local time zone.
LocalDate localDate();
