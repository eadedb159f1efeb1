#include "core/records/ini_file.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/records/ascii.h"
#include "core/records/shift_jis.h"

namespace lumitile {
namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";

// Position of the first single-byte ch in bytes, skipping double-byte characters.
std::size_t FindSingleByte(std::string_view bytes, char ch) {
  for (std::size_t pos = 0; pos < bytes.size(); pos += Cp932CharacterLength(bytes, pos)) {
    if (bytes[pos] == ch) return pos;
  }
  return std::string_view::npos;
}

// Case is ignored only for ASCII letters that stand alone, never for the
// second byte of a double-byte character.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t pos = 0; pos < a.size();) {
    const std::size_t length = Cp932CharacterLength(a, pos);
    if (length == 2) {
      if (a.substr(pos, 2) != b.substr(pos, 2)) return false;
    } else if (LowerAscii(a[pos]) != LowerAscii(b[pos])) {
      return false;
    }
    pos += length;
  }
  return true;
}

bool HasControlByte(std::string_view bytes) {
  for (std::size_t pos = 0; pos < bytes.size(); pos += Cp932CharacterLength(bytes, pos)) {
    const auto byte = static_cast<unsigned char>(bytes[pos]);
    if (byte < 0x20 || byte == 0x7F) return true;
  }
  return false;
}

// The name inside "[name]", if the line is a section header.
std::optional<std::string_view> SectionNameOf(std::string_view text) {
  const std::string_view trimmed = TrimBlanks(text);
  if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
  const std::string_view inside = trimmed.substr(1);
  const std::size_t close = FindSingleByte(inside, ']');
  if (close == std::string_view::npos) return std::nullopt;
  return TrimBlanks(inside.substr(0, close));
}

struct KeyLine {
  std::string_view name;
  std::string_view value;
};

std::optional<KeyLine> KeyLineOf(std::string_view text) {
  const std::string_view trimmed = TrimBlanks(text);
  if (trimmed.empty() || trimmed.front() == ';' || SectionNameOf(text)) return std::nullopt;
  const std::size_t equals = FindSingleByte(trimmed, '=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyLine{TrimBlanks(trimmed.substr(0, equals)), TrimBlanks(trimmed.substr(equals + 1))};
}

std::string KeyLineText(std::string_view key, std::string_view value) {
  std::string text(key);
  text += '=';
  text += value;
  return text;
}

// A name cut after a lead byte would swallow the ']' or '=' written after it.
bool EndsInsideCharacter(std::string_view bytes) {
  std::size_t pos = 0;
  std::size_t last = 0;
  for (; pos < bytes.size(); pos += Cp932CharacterLength(bytes, pos)) last = pos;
  return !bytes.empty() && IsCp932LeadByte(static_cast<unsigned char>(bytes[last])) &&
         last + 1 == bytes.size();
}

bool IsStorableName(std::string_view cp932) {
  return !cp932.empty() && TrimBlanks(cp932) == cp932 && !HasControlByte(cp932) &&
         !EndsInsideCharacter(cp932);
}

}  // namespace

std::string_view TrimBlanks(std::string_view bytes) {
  const std::size_t first = bytes.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = bytes.find_last_not_of(kBlanks);
  return bytes.substr(first, last - first + 1);
}

std::optional<int32_t> ParseDecimalInt(std::string_view text) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  // Accumulating past the 32-bit range into 64 bits and stopping there keeps
  // any number of digits free of overflow.
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  int64_t magnitude = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    if (magnitude <= kLimit) magnitude = magnitude * 10 + (c - '0');
  }
  const int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

bool IsStorableSectionName(std::string_view cp932) {
  return IsStorableName(cp932) && FindSingleByte(cp932, ']') == std::string_view::npos;
}

bool IsStorableKeyName(std::string_view cp932) {
  return IsStorableName(cp932) && cp932.front() != '[' && cp932.front() != ';' &&
         FindSingleByte(cp932, '=') == std::string_view::npos;
}

std::string_view IniFile::EndingText(Ending ending) {
  switch (ending) {
    case Ending::kLf: return "\n";
    case Ending::kCrLf: return "\r\n";
    case Ending::kCr: return "\r";
    case Ending::kNone: break;
  }
  return {};
}

IniFile IniFile::Parse(std::string_view bytes) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  IniFile file;
  if (bytes.starts_with(kByteOrderMark)) {
    file.byteOrderMark_ = kByteOrderMark;
    bytes.remove_prefix(kByteOrderMark.size());
  }
  // Reserved, not touched: the pages of entries never used cost nothing, and
  // a file of short keys is not copied at every growth.
  file.lines_.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
  while (!bytes.empty()) {
    const std::size_t end = bytes.find_first_of("\r\n");
    const std::string_view text = bytes.substr(0, end);
    Ending ending = Ending::kNone;
    if (end != std::string_view::npos) {
      const bool crlf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
      ending = crlf ? Ending::kCrLf : bytes[end] == '\r' ? Ending::kCr : Ending::kLf;
    }
    bytes.remove_prefix(text.size() + EndingText(ending).size());
    const bool opaque = !SectionNameOf(text) && !KeyLineOf(text);
    if (opaque && !file.lines_.empty() && file.lines_.back().opaque) {
      Line& run = file.lines_.back();
      run.text += EndingText(run.ending);
      run.text += text;
      run.ending = ending;
    } else {
      file.lines_.push_back({std::string(text), ending, opaque});
    }
  }
  return file;
}

std::optional<IniFile::SectionRange> IniFile::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].opaque) continue;
    const auto name = SectionNameOf(lines_[i].text);
    if (!name || !SameName(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines_.size() && (lines_[end].opaque || !SectionNameOf(lines_[end].text))) ++end;
    return SectionRange{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> IniFile::FindKey(SectionRange range, std::string_view key) const {
  for (std::size_t i = range.header + 1; i < range.end; ++i) {
    if (lines_[i].opaque) continue;
    const auto line = KeyLineOf(lines_[i].text);
    if (line && SameName(line->name, key)) return i;
  }
  return std::nullopt;
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
  const auto range = FindSection(section);
  if (!range) return std::nullopt;
  const auto index = FindKey(*range, key);
  if (!index) return std::nullopt;
  return std::string(KeyLineOf(lines_[*index].text)->value);
}

// After the section's last key, so blank lines and a comment that introduce
// the next section stay with it.
std::size_t IniFile::InsertionPoint(SectionRange range) const {
  std::size_t point = range.header + 1;
  for (std::size_t i = range.header + 1; i < range.end; ++i) {
    if (!lines_[i].opaque && KeyLineOf(lines_[i].text)) point = i + 1;
  }
  return point;
}

void IniFile::InsertLine(std::size_t index, std::string text) {
  // A last line without an ending would otherwise run into the new one.
  if (index > 0 && lines_[index - 1].ending == Ending::kNone) lines_[index - 1].ending = Ending::kCrLf;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index),
                Line{std::move(text), Ending::kCrLf, false});
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  const auto range = FindSection(section);
  if (!range) {
    InsertLine(lines_.size(), "[" + std::string(section) + "]");
    InsertLine(lines_.size(), KeyLineText(key, value));
    return;
  }
  if (const auto index = FindKey(*range, key)) {
    Line& line = lines_[*index];
    // The name keeps the spelling the file already has.
    line.text = KeyLineText(KeyLineOf(line.text)->name, value);
    line.ending = Ending::kCrLf;
    return;
  }
  InsertLine(InsertionPoint(*range), KeyLineText(key, value));
}

std::string IniFile::Bytes() const {
  std::string out = byteOrderMark_;
  for (const Line& line : lines_) {
    out += line.text;
    out += EndingText(line.ending);
  }
  return out;
}

}  // namespace lumitile
