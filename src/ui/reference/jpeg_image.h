#pragma once

#include <QImage>
#include <string>

// Decodes a JPEG file with libjpeg. Throws std::runtime_error naming the file when it cannot
// be read, is no JPEG, is cut short or is larger than a reference picture may be.
QImage loadJpeg(const std::string& path);
