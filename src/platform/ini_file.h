#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Raised when an INI file cannot be written.
class IniWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A small INI text file of "[SECTION]" headers and "KEY=value" lines, read and written in
// the manner of the Windows private-profile functions.
//
// The file is read once, when the object is made; a missing or unreadable file reads as
// empty, and nothing is created by reading. Writes change the lines held in memory only;
// save() then replaces the whole file at once (through a temporary file beside it), so a
// batch of keys costs one replacement and a failed save leaves both the file and this
// object as they were (the changes stay in memory for another try).
//
// Any bytes read as some lines: binary junk, NUL bytes and lines of any length are taken
// as foreign lines or values and never make reading fail.
//
// How lines are understood:
// - Section and key names match ASCII letters case-insensitively; surrounding blanks and
//   tabs are not part of a name or of a value. Values are bytes (GBK), never converted.
// - A line starting with ';' or '#' is a comment. Lines that are neither a header nor hold
//   a '=' are foreign and ignored, as are keys above the first header.
// - When a key appears more than once (also in repeated sections of the same name), the
//   first one counts, for reading and for replacing.
// - Writing replaces only the value part of the key's line and keeps its spelling, the
//   blanks around '=' and its line ending; a new key goes after the last key of the first
//   section of that name, a new section at the end of the file. New lines end in CR LF.
//   Every other byte of the file stays as it was.
class IniFile {
 public:
  explicit IniFile(std::string path);
  // Reads the given bytes as the content of the file at path, which save() writes.
  IniFile(std::string path, std::string_view bytes);

  const std::string& path() const { return path_; }

  std::string readString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // Decimal, optionally signed; a value of more than two characters starting with 0x or
  // 0X is hexadecimal (up to 32 bits, taken as the int of that bit pattern). A missing key
  // or a value that is not a whole number in int range gives defaultValue.
  int readInteger(std::string_view section, std::string_view key, int defaultValue) const;

  // Change the lines in memory. Text that would break the file's line structure is refused
  // with IniWriteError("Unable to write to <path>: <reason>"): a line break anywhere, an
  // empty section name or one holding ']', an empty key or one holding '=' or starting like
  // a header or a comment.
  void writeString(std::string_view section, std::string_view key, std::string_view value);
  void writeInteger(std::string_view section, std::string_view key, int value);

  // The bytes save() writes: every line as read or written, with its own line ending.
  std::string content() const;
  // Replaces the file with content(); raises IniWriteError("Unable to write to <path>")
  // when the file cannot be written.
  void save() const;

 private:
  struct Line {
    std::string text;
    std::string ending;  // "\r\n", "\n", "\r", or empty for a last line without one
  };

  // Index of the first line of the named section's key, or lines_.size().
  size_t findKey(std::string_view section, std::string_view key) const;
  // Where a new key of section goes: after the last key of the first section of that name,
  // or right after its header; nullopt when there is no such section.
  std::optional<size_t> insertionPoint(std::string_view section) const;
  void splitIntoLines(std::string_view bytes);

  std::string path_;
  std::vector<Line> lines_;
};
