#pragma once

#include <string>

// The language the readers of fonts write their problems in: of other formats, of compiled
// fonts and of the shape sources they compile. The window shows them in its import report and
// its error box, so they are Chinese; a program whose own texts are English (the converter,
// the compiler) asks for English before it reads, so that it speaks one language.
void writeReaderProblemsInEnglish(bool english);

// The text of the language asked for.
std::string inReaderLanguage(std::string chinese, std::string english);
// "第 12 行：" or "line 12: ", before what a reader noted on that line.
std::string lineLabel(int line);
