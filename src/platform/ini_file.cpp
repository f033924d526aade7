#include "platform/ini_file.h"

#include <charconv>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>

#include "platform/file_replace.h"
#include "platform/path_names.h"
#include "platform/text_lines.h"

namespace {

// Only ASCII letters fold: the other bytes may be halves of GBK characters.
bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto fold = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

struct Parsed {
  enum Kind { other, header, key } kind = other;
  std::string_view name;
  size_t valueStart = 0;  // key lines: offset of the value's first byte, after the blanks
};

Parsed parse(std::string_view text) {
  Parsed p;
  std::string_view t = trimmedBlanks(text);
  if (t.empty() || t[0] == ';' || t[0] == '#') return p;
  if (t[0] == '[') {
    size_t close = t.find(']');
    if (close != std::string_view::npos) {
      p.kind = Parsed::header;
      p.name = trimmedBlanks(t.substr(1, close - 1));
    }
    return p;
  }
  size_t eq = text.find('=');
  if (eq == std::string_view::npos) return p;
  p.kind = Parsed::key;
  p.name = trimmedBlanks(text.substr(0, eq));
  p.valueStart = text.find_first_not_of(" \t", eq + 1);
  if (p.valueStart == std::string_view::npos) p.valueStart = text.size();
  return p;
}

bool parseWhole(std::string_view s, int base, auto& out) {
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out, base);
  return ec == std::errc() && end == s.data() + s.size();
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {
  // Anything but a readable regular file (a directory, say) reads as the defaults.
  if (!fileExists(path_)) return;
  std::ifstream in(path_, std::ios::binary);
  if (!in) return;
  const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  splitIntoLines(content);
}

IniFile::IniFile(std::string path, std::string_view bytes) : path_(std::move(path)) {
  splitIntoLines(bytes);
}

void IniFile::splitIntoLines(std::string_view bytes) {
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) {
      lines_.push_back({std::string(bytes.substr(pos)), ""});
      break;
    }
    size_t next = end + 1;
    if (bytes[end] == '\r' && next < bytes.size() && bytes[next] == '\n') ++next;
    lines_.push_back(
        {std::string(bytes.substr(pos, end - pos)), std::string(bytes.substr(end, next - end))});
    pos = next;
  }
}

size_t IniFile::findKey(std::string_view section, std::string_view key) const {
  bool inSection = false;
  for (size_t i = 0; i < lines_.size(); ++i) {
    Parsed p = parse(lines_[i].text);
    if (p.kind == Parsed::header) {
      inSection = sameName(p.name, section);
    } else if (inSection && p.kind == Parsed::key && sameName(p.name, key)) {
      return i;
    }
  }
  return lines_.size();
}

std::optional<size_t> IniFile::insertionPoint(std::string_view section) const {
  size_t i = 0;
  while (i < lines_.size()) {
    Parsed p = parse(lines_[i++].text);
    if (p.kind != Parsed::header || !sameName(p.name, section)) continue;
    size_t at = i;
    for (; i < lines_.size(); ++i) {
      Parsed q = parse(lines_[i].text);
      if (q.kind == Parsed::header) break;
      if (q.kind == Parsed::key) at = i + 1;
    }
    return at;
  }
  return std::nullopt;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
  size_t i = findKey(section, key);
  if (i == lines_.size()) return std::string(defaultValue);
  const std::string& text = lines_[i].text;
  return std::string(trimmedBlanks(std::string_view(text).substr(parse(text).valueStart)));
}

int IniFile::readInteger(std::string_view section, std::string_view key, int defaultValue) const {
  size_t i = findKey(section, key);
  if (i == lines_.size()) return defaultValue;
  std::string_view text = lines_[i].text;
  std::string_view v = trimmedBlanks(text.substr(parse(text).valueStart));
  if (v.size() > 2 && v[0] == '0' && (v[1] == 'x' || v[1] == 'X')) {
    uint32_t bits = 0;
    return parseWhole(v.substr(2), 16, bits) ? static_cast<int>(bits) : defaultValue;
  }
  if (v.size() > 1 && v[0] == '+' && v[1] != '-') v.remove_prefix(1);
  int value = 0;
  return parseWhole(v, 10, value) ? value : defaultValue;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  auto refuse = [&](const char* why) {
    throw IniWriteError("Unable to write to " + path_ + ": " + why);
  };
  auto breaksLine = [](std::string_view s) { return s.find_first_of("\r\n") != s.npos; };
  if (breaksLine(section) || breaksLine(key) || breaksLine(value)) refuse("a line break");
  std::string_view sectionName = trimmedBlanks(section), keyName = trimmedBlanks(key);
  if (sectionName.empty() || sectionName.find(']') != section.npos) refuse("bad section name");
  if (keyName.empty() || keyName.find('=') != key.npos || keyName[0] == '[' || keyName[0] == ';' ||
      keyName[0] == '#')
    refuse("bad key name");

  size_t i = findKey(sectionName, keyName);
  if (i < lines_.size()) {
    Line& line = lines_[i];
    line.text.resize(parse(line.text).valueStart);
    line.text.append(value);
  } else {
    std::vector<Line> added;
    std::optional<size_t> at = insertionPoint(sectionName);
    if (!at) {
      at = lines_.size();
      added.push_back({"[" + std::string(sectionName) + "]", "\r\n"});
    }
    added.push_back({std::string(keyName) + "=" + std::string(value), "\r\n"});
    if (*at > 0 && lines_[*at - 1].ending.empty()) lines_[*at - 1].ending = "\r\n";
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*at), added.begin(), added.end());
  }
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
  writeString(section, key, std::to_string(value));
}

std::string IniFile::content() const {
  std::string bytes;
  for (const Line& line : lines_) bytes += line.text + line.ending;
  return bytes;
}

void IniFile::save() const {
  if (!replaceFileContents(path_, content())) throw IniWriteError("Unable to write to " + path_);
}
