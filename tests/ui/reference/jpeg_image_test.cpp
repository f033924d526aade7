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

TEST(JpegImage, DecodesBytesInMemoryAsFromTheFile) {
  const std::string bytes = jpegBytes(40, 20);
  const QImage image = decodeJpeg(bytes, "mem.jpg");
  EXPECT_EQ(image.size(), QSize(40, 20));
  EXPECT_GT(image.pixelColor(20, 10).red(), 150);
  try {
    decodeJpeg(bytes.substr(0, 2), "mem.jpg");
    ADD_FAILURE() << "a file of two bytes decoded";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("mem.jpg"), std::string::npos) << error.what();
  }
}

// The size comes from the header and is refused before any decoding: the pictures below
// have the scan data of a 64 x 64 picture and no end marker, which decoding would find cut
// short.
TEST(JpegImage, TooLargeAPictureIsRefusedFromItsHeader) {
  TempDir tmp;
  const std::string whole = jpegBytes(64, 64);
  const size_t frame = whole.find("\xFF\xC0");
  ASSERT_NE(frame, std::string::npos);
  auto declaring = [&](int width, int height) {
    std::string bytes = whole;
    bytes[frame + 5] = static_cast<char>(height >> 8);
    bytes[frame + 6] = static_cast<char>(height & 0xFF);
    bytes[frame + 7] = static_cast<char>(width >> 8);
    bytes[frame + 8] = static_cast<char>(width & 0xFF);
    return bytes.substr(0, bytes.size() - 2);
  };
  struct Case {
    int width, height;
    const char* declared;
  };
  for (const Case& c : {Case{12000, 12000, "12000 x 12000"}, Case{10000, 7000, "10000 x 7000"},
                        Case{20000, 100, "20000 x 100"}}) {
    const std::string path = tmp.path(std::to_string(c.width) + ".jpg");
    writeBytes(path, declaring(c.width, c.height));
    EXPECT_EQ(failureOf(path), "cannot read the picture " + path + ": its header declares " +
                                   c.declared + " pixels, more than 16384 a side or 64 megapixels");
  }
  // Within the limits, a file with fewer bits than the picture has blocks cannot hold it.
  writeBytes(tmp.path("short.jpg"), declaring(16000, 4000));
  EXPECT_EQ(failureOf(tmp.path("short.jpg")),
            "cannot read the picture " + tmp.path("short.jpg") +
                ": it is too short to hold the 16000 x 4000 pixels its header declares");
  // Otherwise the same bytes get as far as decoding, which finds them cut short.
  writeBytes(tmp.path("small.jpg"), declaring(200, 100));
  EXPECT_EQ(failureOf(tmp.path("small.jpg")),
            "cannot read the picture " + tmp.path("small.jpg") + ": Premature end of JPEG file");
}
