#include "platform/local_date.h"

#include <ctime>

LocalDate localDate() {
  std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  return LocalDate{parts.tm_mday, parts.tm_mon + 1, parts.tm_year + 1900};
}
