#include "platform/reader_language.h"

#include <atomic>

namespace {

std::atomic<bool> englishAsked{false};

}  // namespace

void writeReaderProblemsInEnglish(bool english) { englishAsked = english; }

std::string inReaderLanguage(std::string chinese, std::string english) {
  return englishAsked ? std::move(english) : std::move(chinese);
}

std::string lineLabel(int line) {
  const std::string number = std::to_string(line);
  return inReaderLanguage("第 " + number + " 行：", "line " + number + ": ");
}
