#include "ui/reference/jpeg_image.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <stdexcept>

#include "platform/temp_dir.h"

namespace {

std::string jpegBytes(int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(QColor(200, 30, 30));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, "JPG", 95);
  return bytes.toStdString();
}

// The message of the error loadJpeg raises, empty when it raises none.
std::string failureOf(const std::string& path) {
  try {
    loadJpeg(path);
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return {};
}

}  // namespace

TEST(JpegImage, DecodesAPicture) {
  TempDir tmp;
  writeBytes(tmp.path("a.jpg"), jpegBytes(40, 20));
  const QImage image = loadJpeg(tmp.path("a.jpg"));
  EXPECT_EQ(image.size(), QSize(40, 20));
  EXPECT_GT(image.pixelColor(20, 10).red(), 150);
}

TEST(JpegImage, BrokenFilesAreErrorsNamingTheFile) {
  TempDir tmp;
  const std::string whole = jpegBytes(64, 64);
  writeBytes(tmp.path("cut.jpg"), whole.substr(0, whole.size() / 2));
  writeBytes(tmp.path("text.jpg"), "no picture here\n");
  // A frame header claiming 60000 x 60000 pixels.
  std::string huge = whole;
  const size_t frame = huge.find("\xFF\xC0");
  ASSERT_NE(frame, std::string::npos);
  huge[frame + 5] = huge[frame + 7] = '\xEA';
  huge[frame + 6] = huge[frame + 8] = '\x60';
  writeBytes(tmp.path("huge.jpg"), huge);
  for (const char* name : {"cut.jpg", "text.jpg", "huge.jpg", "missing.jpg"}) {
    EXPECT_NE(failureOf(tmp.path(name)).find(tmp.path(name)), std::string::npos) << name;
  }
}
