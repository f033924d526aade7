#pragma once

#include <QString>
#include <vector>

#include "shx/font_import.h"
#include "shx/shx_file.h"

// The question Export asks when some characters cannot go into the compiled file.
QString leftOutQuestion(const std::vector<LeftOutShape>& leftOut);

// What Import tells the user: a summary, and a line for each character drawn other than its
// file has it, for each record that could not be read and for each character GBK cannot hold.
struct ImportReport {
  QString summary;
  QString details;
};
ImportReport importReport(const ImportedFont& imported);
