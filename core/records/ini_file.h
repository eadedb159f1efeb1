// A settings file held as its lines, in the file's own bytes (CP932). Only the
// line a change is about is touched: comments, unknown lines, other sections,
// their order and their line endings come back out byte for byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumitile {

// Values longer than this come back cut, as the game's 128-byte buffer did.
inline constexpr std::size_t kMaxValueBytes = 127;

class IniFile {
 public:
  // Splits at LF; a CR before the LF belongs to the ending. Any bytes are accepted.
  static IniFile Parse(std::string_view bytes);

  // The trimmed value of the first matching key in the first matching
  // section. Names compare without regard to ASCII case.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;

  // Replaces the first matching key's line, or adds the key to the first
  // matching section, or adds the section at the end. The value is stored as
  // given; callers pass one line. Lines this touches or adds end in CR LF.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  std::string Bytes() const;

 private:
  struct Line {
    std::string text;
    std::string ending;  // "\r\n", "\n", or "" for a last line without one
  };
  struct SectionRange {
    std::size_t header;
    std::size_t end;  // one past the section's last line
  };

  std::optional<SectionRange> FindSection(std::string_view section) const;
  std::optional<std::size_t> FindKey(SectionRange range, std::string_view key) const;
  std::size_t InsertionPoint(SectionRange range) const;
  void InsertLine(std::size_t index, std::string text);

  std::vector<Line> lines_;
};

// Whether a name can be written as a section or key and found again. Empty
// names, control characters and characters the line format gives meaning to
// (']' in a section, '=' in a key, a key starting with '[' or ';') cannot.
bool IsStorableSectionName(std::string_view cp932);
bool IsStorableKeyName(std::string_view cp932);

// The surrounding blanks the profile functions ignore in names and values.
std::string_view TrimBlanks(std::string_view bytes);

// Leading optional sign and digits as an integer; 0 when there are no digits,
// clamped to the 32-bit range.
int32_t ParseLeadingInt(std::string_view text);

}  // namespace lumitile
