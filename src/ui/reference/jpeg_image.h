#pragma once

#include <QImage>
#include <string>
#include <string_view>

// Decodes the bytes of a JPEG file with libjpeg. Throws std::runtime_error naming the file
// (name) when the bytes are no JPEG, are cut short or when the picture is larger than a
// reference picture may be; the size is checked from the header, before any decoding.
QImage decodeJpeg(std::string_view bytes, const std::string& name);

// Reads the file and decodes it as decodeJpeg does.
QImage loadJpeg(const std::string& path);
