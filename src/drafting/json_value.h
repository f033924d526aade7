#pragma once

#include <cstddef>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A JSON value as read by readJson: strict RFC 8259 text (no comments, no trailing commas),
// nested at most kMostJsonDepth deep.
struct JsonValue {
  enum class Kind { Null, Boolean, Number, String, Array, Object };
  Kind kind = Kind::Null;
  bool boolean = false;
  double number = 0;
  std::string text;                          // a string's UTF-8 bytes
  std::vector<JsonValue> items;              // an array's
  std::map<std::string, JsonValue> members;  // an object's; a name given twice is refused

  // The member of an object, null when there is none or this is no object.
  const JsonValue* member(const std::string& name) const;
};

constexpr int kMostJsonDepth = 16;

// Bad JSON; the message names the text's source and the byte where reading stopped.
class JsonError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Appends the character's UTF-8 bytes.
void appendUtf8(std::string& out, char32_t c);

// The one value the text holds, blanks around it allowed. `source` names the text in messages.
JsonValue readJson(std::string_view text, const std::string& source);
