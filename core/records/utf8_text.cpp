#include "core/records/utf8_text.h"

namespace lumitile {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

struct SequenceShape {
  std::size_t length;
  char32_t lowestValue;  // anything below is an overlong form
  char32_t leadBits;
};

// 0 length for a byte that cannot start a sequence.
SequenceShape ShapeOf(unsigned char lead) {
  if (lead < 0x80) return {1, 0, lead};
  if ((lead & 0xE0) == 0xC0) return {2, 0x80, lead & 0x1Fu};
  if ((lead & 0xF0) == 0xE0) return {3, 0x800, lead & 0x0Fu};
  if ((lead & 0xF8) == 0xF0) return {4, 0x10000, lead & 0x07u};
  return {0, 0, 0};
}

}  // namespace

DecodedCharacter DecodeUtf8At(std::string_view text, std::size_t pos) {
  const SequenceShape shape = ShapeOf(static_cast<unsigned char>(text[pos]));
  if (shape.length == 0) return {kReplacementCharacter, 1};
  char32_t value = shape.leadBits;
  for (std::size_t i = 1; i < shape.length; ++i) {
    // A sequence cut short consumes only the bytes that belonged to it, so
    // the next valid character is not swallowed.
    if (pos + i >= text.size() || !IsContinuation(static_cast<unsigned char>(text[pos + i]))) {
      return {kReplacementCharacter, i};
    }
    value = (value << 6) | (static_cast<unsigned char>(text[pos + i]) & 0x3Fu);
  }
  const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
  if (value < shape.lowestValue || value > 0x10FFFF || surrogate) {
    return {kReplacementCharacter, shape.length};
  }
  return {value, shape.length};
}

void AppendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    codePoint = kReplacementCharacter;
  }
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (codePoint >> 18));
    out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

bool IsControlCharacter(char32_t codePoint) {
  return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
}

}  // namespace lumitile
