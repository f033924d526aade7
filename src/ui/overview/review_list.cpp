#include "ui/overview/review_list.h"

#include <filesystem>
#include <stdexcept>

#include "platform/file_replace.h"
#include "platform/text_lines.h"
#include "shapefile/shpfile.h"
#include "ui/document/font_document.h"

namespace {

constexpr size_t kMostReviewBytes = 2 * 1024 * 1024;

const StrokeCounts& strokeCounts() {
  static const StrokeCounts counts = loadTotalStrokes();
  return counts;
}

}  // namespace

ReviewList::ReviewList(FontDocument& document, QObject* parent)
    : QObject(parent), document_(document) {
  connect(&document_, &FontDocument::fileChanged, this, &ReviewList::load);
}

ReviewRules ReviewList::rules() const {
  return document_.file() ? ReviewRules::of(*document_.file(), &strokeCounts()) : ReviewRules{};
}

void ReviewList::markSeen(const std::vector<uint16_t>& codes) {
  GShpFile* file = document_.file();
  if (!file) return;
  for (uint16_t code : codes)
    if (const GShape* shape = file->findShape(code)) marks_.mark(*shape);
  changed_ = true;
  emit marksChanged();
}

void ReviewList::save() {
  if (!changed_ || !document_.file() || document_.path().empty()) return;
  std::error_code unknown;
  if (!std::filesystem::exists(document_.path(), unknown)) return;
  const std::string path = ReviewMarks::pathBeside(document_.path());
  if (!replaceFileContents(path, marks_.encode()))
    throw std::runtime_error("无法写入检查记录 " + path);
  changed_ = false;
}

void ReviewList::load() {
  marks_.clear();
  changed_ = false;
  if (document_.file() && !document_.path().empty()) {
    const std::string path = ReviewMarks::pathBeside(document_.path());
    std::error_code missing;
    if (std::filesystem::exists(path, missing)) {
      bool read = false;
      try {
        read = marks_.decode(readFileBytes(path, kMostReviewBytes));
      } catch (const std::exception&) {
        read = false;
      }
      if (!read)
        emit note(QStringLiteral("检查记录 %1 无法读取，已忽略：所有字符都当作未检查。")
                      .arg(QString::fromStdString(path)));
    }
  }
  emit marksChanged();
}
