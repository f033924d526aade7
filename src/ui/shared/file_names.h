#pragma once

#include <QString>
#include <string>

// A path chosen in a dialog, in the file system's encoding, and back.
std::string pathOf(const QString& chosen);
QString displayedPath(const std::string& path);
