#pragma once

#include <QString>
#include <string>

// A path chosen in a dialog, in the file system's encoding, and back.
std::string pathOf(const QString& chosen);
QString displayedPath(const std::string& path);

// The font name written into the header is the file's base name; a character GBK cannot
// hold becomes "_" there (the file keeps its name).
std::string fontNameOf(const std::string& path);
