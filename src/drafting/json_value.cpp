#include "drafting/json_value.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace {

class JsonReader {
 public:
  JsonReader(std::string_view text, const std::string& source) : text_(text), source_(source) {}

  JsonValue document() {
    JsonValue value = valueAt(0);
    skipBlanks();
    if (at_ != text_.size()) fail("more after the value");
    return value;
  }

 private:
  [[noreturn]] void fail(const std::string& what) const {
    throw JsonError(source_ + ": bad JSON at byte " + std::to_string(at_) + ": " + what);
  }

  void skipBlanks() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
      ++at_;
  }

  char peek() {
    skipBlanks();
    if (at_ >= text_.size()) fail("the text ends too soon");
    return text_[at_];
  }

  void expect(char c) {
    if (peek() != c) fail(std::string("expected '") + c + "'");
    ++at_;
  }

  void word(std::string_view w) {
    if (text_.substr(at_, w.size()) != w) fail("unknown word");
    at_ += w.size();
  }

  JsonValue valueAt(int depth) {
    if (depth >= kMostJsonDepth) fail("nested too deep");
    JsonValue value;
    const char c = peek();
    if (c == '{') {
      value.kind = JsonValue::Kind::Object;
      readObject(value, depth);
    } else if (c == '[') {
      value.kind = JsonValue::Kind::Array;
      readArray(value, depth);
    } else if (c == '"') {
      value.kind = JsonValue::Kind::String;
      value.text = string();
    } else if (c == 't' || c == 'f') {
      value.kind = JsonValue::Kind::Boolean;
      value.boolean = c == 't';
      word(c == 't' ? "true" : "false");
    } else if (c == 'n') {
      word("null");
    } else {
      value.kind = JsonValue::Kind::Number;
      value.number = number();
    }
    return value;
  }

  void readObject(JsonValue& value, int depth) {
    ++at_;
    if (peek() == '}') {
      ++at_;
      return;
    }
    while (true) {
      if (peek() != '"') fail("expected a member name");
      std::string name = string();
      expect(':');
      if (value.members.contains(name)) fail("member \"" + name + "\" given twice");
      value.members.emplace(std::move(name), valueAt(depth + 1));
      if (peek() == '}') {
        ++at_;
        return;
      }
      expect(',');
    }
  }

  void readArray(JsonValue& value, int depth) {
    ++at_;
    if (peek() == ']') {
      ++at_;
      return;
    }
    while (true) {
      value.items.push_back(valueAt(depth + 1));
      if (peek() == ']') {
        ++at_;
        return;
      }
      expect(',');
    }
  }

  unsigned hexDigits() {
    if (at_ + 4 > text_.size()) fail("the text ends in an escape");
    unsigned v = 0;
    const auto [end, ec] = std::from_chars(text_.data() + at_, text_.data() + at_ + 4, v, 16);
    if (ec != std::errc() || end != text_.data() + at_ + 4) fail("bad \\u escape");
    at_ += 4;
    return v;
  }

  uint32_t escaped() {
    const char e = text_[at_++];
    switch (e) {
      case '"':
        return '"';
      case '\\':
        return '\\';
      case '/':
        return '/';
      case 'b':
        return '\b';
      case 'f':
        return '\f';
      case 'n':
        return '\n';
      case 'r':
        return '\r';
      case 't':
        return '\t';
      case 'u':
        break;
      default:
        fail("bad escape");
    }
    uint32_t c = hexDigits();
    if (c >= 0xDC00 && c < 0xE000) fail("a lone low surrogate");
    if (c >= 0xD800 && c < 0xDC00) {
      if (text_.substr(at_, 2) != "\\u") fail("a lone high surrogate");
      at_ += 2;
      const uint32_t low = hexDigits();
      if (low < 0xDC00 || low >= 0xE000) fail("a lone high surrogate");
      c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
    }
    return c;
  }

  std::string string() {
    ++at_;
    std::string out;
    while (true) {
      if (at_ >= text_.size()) fail("the text ends in a string");
      const char c = text_[at_];
      if (c == '"') {
        ++at_;
        return out;
      }
      if (static_cast<unsigned char>(c) < 0x20) fail("a control character in a string");
      ++at_;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ >= text_.size()) fail("the text ends in an escape");
      appendUtf8(out, escaped());
    }
  }

  double number() {
    const size_t start = at_;
    const auto digits = [&] {
      const size_t from = at_;
      while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
      return at_ - from;
    };
    if (at_ < text_.size() && text_[at_] == '-') ++at_;
    if (at_ < text_.size() && text_[at_] == '0') {
      ++at_;
    } else if (digits() == 0) {
      fail("expected a value");
    }
    if (at_ < text_.size() && text_[at_] == '.') {
      ++at_;
      if (digits() == 0) fail("no digits after the decimal point");
    }
    if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
      ++at_;
      if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) ++at_;
      if (digits() == 0) fail("no digits in the exponent");
    }
    double v = 0;
    const auto [end, ec] = std::from_chars(text_.data() + start, text_.data() + at_, v);
    if (ec != std::errc() || end != text_.data() + at_ || !std::isfinite(v))
      fail("a number out of range");
    return v;
  }

  std::string_view text_;
  const std::string& source_;
  size_t at_ = 0;
};

}  // namespace

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

const JsonValue* JsonValue::member(const std::string& name) const {
  if (kind != Kind::Object) return nullptr;
  const auto found = members.find(name);
  return found == members.end() ? nullptr : &found->second;
}

JsonValue readJson(std::string_view text, const std::string& source) {
  return JsonReader(text, source).document();
}
