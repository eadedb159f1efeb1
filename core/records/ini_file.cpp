#include "core/records/ini_file.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/records/ascii.h"
#include "core/records/shift_jis.h"

namespace lumitile {
namespace {

// Most bytes of a settings file are ASCII: those need no look at the next byte.
inline std::size_t CharacterLength(std::string_view bytes, std::size_t pos) {
  return static_cast<unsigned char>(bytes[pos]) < 0x80 ? 1 : Cp932CharacterLength(bytes, pos);
}

// Position of the first single-byte ch in bytes, skipping double-byte characters.
std::size_t FindSingleByte(std::string_view bytes, char ch) {
  for (std::size_t pos = 0; pos < bytes.size(); pos += CharacterLength(bytes, pos)) {
    if (bytes[pos] == ch) return pos;
  }
  return std::string_view::npos;
}

// Case is ignored only for ASCII letters that stand alone, never for the
// second byte of a double-byte character.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t pos = 0; pos < a.size();) {
    const std::size_t length = CharacterLength(a, pos);
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
  for (std::size_t pos = 0; pos < bytes.size(); pos += CharacterLength(bytes, pos)) {
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
  for (; pos < bytes.size(); pos += CharacterLength(bytes, pos)) last = pos;
  return !bytes.empty() && IsCp932LeadByte(static_cast<unsigned char>(bytes[last])) &&
         last + 1 == bytes.size();
}

bool IsStorableName(std::string_view cp932) {
  return !cp932.empty() && TrimBlanks(cp932) == cp932 && !HasControlByte(cp932) &&
         !EndsInsideCharacter(cp932);
}

}  // namespace

std::string_view TrimBlanks(std::string_view bytes) {
  // By hand: a settings file of a million lines trims every one of them.
  const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r' && c != '\n'); };
  while (!bytes.empty() && blank(bytes.front())) bytes.remove_prefix(1);
  while (!bytes.empty() && blank(bytes.back())) bytes.remove_suffix(1);
  return bytes;
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

namespace {

// FNV-1a over the name as SameName sees it, mixed so that its low bits,
// which pick the slot, depend on every byte.
uint64_t NameHash(std::string_view name, uint64_t seed = 0) {
  uint64_t hash = 14695981039346656037ull ^ seed;
  for (std::size_t pos = 0; pos < name.size();) {
    const std::size_t length = CharacterLength(name, pos);
    for (std::size_t i = 0; i < length; ++i) {
      hash ^= static_cast<unsigned char>(length == 1 ? LowerAscii(name[pos]) : name[pos + i]);
      hash *= 1099511628211ull;
    }
    pos += length;
  }
  hash ^= hash >> 33;
  hash *= 0xff51afd7ed558ccdull;
  return hash ^ (hash >> 33);
}

uint64_t KeyHash(uint32_t section, std::string_view key) {
  return NameHash(key, (section + 1) * 0x9E3779B97F4A7C15ull);
}

}  // namespace

template <typename Same>
std::optional<uint32_t> IniFile::Slots::Find(uint64_t hash, Same same) const {
  if (slots_.empty()) return std::nullopt;
  const std::size_t mask = slots_.size() - 1;
  const auto tag = static_cast<uint32_t>(hash);
  for (std::size_t i = tag & mask; slots_[i].value != kEmpty; i = (i + 1) & mask) {
    if (slots_[i].hash == tag && same(slots_[i].value)) return slots_[i].value;
  }
  return std::nullopt;
}

void IniFile::Slots::Add(uint64_t hash, uint32_t value) {
  if ((used_ + 1) * 4 > slots_.size() * 3) {
    std::vector<Slot> old(std::max<std::size_t>(16, slots_.size() * 2), Slot{kEmpty, 0});
    old.swap(slots_);
    used_ = 0;
    for (const Slot& kept : old) {
      if (kept.value != kEmpty) Add(kept.hash, kept.value);
    }
  }
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = static_cast<uint32_t>(hash) & mask;
  while (slots_[i].value != kEmpty) i = (i + 1) & mask;
  slots_[i] = {value, static_cast<uint32_t>(hash)};
  ++used_;
}

void IniFile::Slots::ShiftFrom(uint32_t position) {
  for (Slot& slot : slots_) {
    if (slot.value != kEmpty && slot.value >= position) ++slot.value;
  }
}

IniFile IniFile::Parse(std::string_view bytes) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  IniFile file;
  if (bytes.starts_with(kByteOrderMark)) {
    file.byteOrderMark_ = kByteOrderMark;
    bytes.remove_prefix(kByteOrderMark.size());
  }
  file.text_ = bytes;
  // Reserved, not touched: the pages of entries never used cost nothing, and
  // a file of short keys is not copied at every growth.
  file.lines_.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t end = pos;
    while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r') ++end;
    const std::string_view text = bytes.substr(pos, end - pos);
    Ending ending = Ending::kNone;
    if (end < bytes.size()) {
      const bool crlf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
      ending = crlf ? Ending::kCrLf : bytes[end] == '\r' ? Ending::kCr : Ending::kLf;
    }
    const auto header = SectionNameOf(text);
    const auto key = header ? std::nullopt : KeyLineOf(text);
    const Kind kind = header ? Kind::kHeader : key ? Kind::kKey : Kind::kOpaque;
    if (kind == Kind::kOpaque && !file.lines_.empty() && file.lines_.back().kind == Kind::kOpaque) {
      Line& run = file.lines_.back();
      run.size = static_cast<uint32_t>(end - run.start);
      run.ending = ending;
    } else {
      file.lines_.push_back({static_cast<uint32_t>(pos), static_cast<uint32_t>(text.size()), ending, kind});
      const auto position = static_cast<uint32_t>(file.lines_.size() - 1);
      const auto section =
          file.sections_.empty() ? std::nullopt : std::optional(static_cast<uint32_t>(file.sections_.size() - 1));
      file.Index(position, section, header ? *header : key ? key->name : std::string_view());
    }
    pos = end + EndingText(ending).size();
  }
  return file;
}

// A header opens the next section; a key is found again only in the first
// section of its name, and only as the first key of its name there.
void IniFile::Index(uint32_t position, std::optional<uint32_t> section, std::string_view name) {
  if (lines_[position].kind == Kind::kHeader) {
    const auto number = static_cast<uint32_t>(sections_.size());
    const bool first = !FindSection(name);
    sections_.push_back({position, position, first});
    if (first) sectionSlots_.Add(NameHash(name), number);
    return;
  }
  if (lines_[position].kind != Kind::kKey || !section) return;
  sections_[*section].lastKey = position;
  if (!sections_[*section].first || FindKey(*section, name)) return;
  keySlots_.Add(KeyHash(*section, name), position);
}

std::optional<uint32_t> IniFile::FindSection(std::string_view section) const {
  return sectionSlots_.Find(NameHash(section), [&](uint32_t s) {
    return SameName(*SectionNameOf(Text(lines_[sections_[s].header])), section);
  });
}

std::optional<uint32_t> IniFile::FindKey(uint32_t section, std::string_view key) const {
  const uint32_t header = sections_[section].header;
  const uint32_t end = section + 1 < sections_.size() ? sections_[section + 1].header : UINT32_MAX;
  return keySlots_.Find(KeyHash(section, key), [&](uint32_t p) {
    return p > header && p < end && SameName(KeyLineOf(Text(lines_[p]))->name, key);
  });
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
  const auto found = FindSection(section);
  if (!found) return std::nullopt;
  const auto position = FindKey(*found, key);
  if (!position) return std::nullopt;
  return std::string(KeyLineOf(Text(lines_[*position]))->value);
}

void IniFile::InsertLine(uint32_t position, std::string_view text, Kind kind, std::optional<uint32_t> section) {
  // A last line without an ending would otherwise run into the new one.
  if (position > 0 && lines_[position - 1].ending == Ending::kNone) lines_[position - 1].ending = Ending::kCrLf;
  const Line line{static_cast<uint32_t>(text_.size()), static_cast<uint32_t>(text.size()), Ending::kCrLf, kind};
  text_ += text;
  if (position < lines_.size()) {
    keySlots_.ShiftFrom(position);
    for (Section& later : sections_) {
      if (later.header >= position) ++later.header;
      if (later.lastKey >= position) ++later.lastKey;
    }
  }
  lines_.insert(lines_.begin() + position, line);
  const std::string_view inserted = std::string_view(text_).substr(line.start, line.size);
  Index(position, section, kind == Kind::kHeader ? *SectionNameOf(inserted) : KeyLineOf(inserted)->name);
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  const auto found = FindSection(section);
  if (!found) {
    std::string header = "[";
    header.append(section) += ']';
    InsertLine(static_cast<uint32_t>(lines_.size()), header, Kind::kHeader, std::nullopt);
    InsertLine(static_cast<uint32_t>(lines_.size()), KeyLineText(key, value), Kind::kKey,
               static_cast<uint32_t>(sections_.size() - 1));
    return;
  }
  if (const auto position = FindKey(*found, key)) {
    Line& line = lines_[*position];
    // The name keeps the spelling the file already has.
    const std::string text = KeyLineText(KeyLineOf(Text(line))->name, value);
    line = {static_cast<uint32_t>(text_.size()), static_cast<uint32_t>(text.size()), Ending::kCrLf, Kind::kKey};
    text_ += text;
    return;
  }
  // After the section's last key, so blank lines and a comment that
  // introduce the next section stay with it.
  InsertLine(sections_[*found].lastKey + 1, KeyLineText(key, value), Kind::kKey, *found);
}

std::string IniFile::Bytes() const {
  std::string out = byteOrderMark_;
  out.reserve(byteOrderMark_.size() + text_.size() + lines_.size());
  for (const Line& line : lines_) {
    out += Text(line);
    out += EndingText(line.ending);
  }
  return out;
}

}  // namespace lumitile
