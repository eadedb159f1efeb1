// A settings file held as its lines, in the file's own bytes (CP932). Only the
// line a change is about is touched: comments, unknown lines, other sections,
// their order and their line endings come back out byte for byte.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumitile {

// Values longer than this come back cut, as the game's 128-byte buffer did.
inline constexpr std::size_t kMaxValueBytes = 127;

class IniFile {
 public:
  // Splits at LF, CR LF or a CR alone, in time linear in the size. A UTF-8
  // byte order mark at the start (an editor's doing) is kept but not read as
  // part of the first line. Any bytes are accepted.
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
  enum class Ending : uint8_t { kNone, kLf, kCrLf, kCr };  // kNone: a last line without one
  // Runs of lines that are neither headers nor keys (blank lines, comments)
  // are held as one opaque entry, so a file of blank lines costs one entry.
  struct Line {
    std::string text;
    Ending ending;
    bool opaque;
  };
  struct SectionRange {
    std::size_t header;
    std::size_t end;  // one past the section's last line
  };

  static std::string_view EndingText(Ending ending);
  std::optional<SectionRange> FindSection(std::string_view section) const;
  std::optional<std::size_t> FindKey(SectionRange range, std::string_view key) const;
  std::size_t InsertionPoint(SectionRange range) const;
  void InsertLine(std::size_t index, std::string text);

  std::string byteOrderMark_;
  std::vector<Line> lines_;
};

// Whether a name can be written as a section or key and found again. Empty
// names, control characters and characters the line format gives meaning to
// (']' in a section, '=' in a key, a key starting with '[' or ';') cannot.
bool IsStorableSectionName(std::string_view cp932);
bool IsStorableKeyName(std::string_view cp932);

// The surrounding blanks the profile functions ignore in names and values.
std::string_view TrimBlanks(std::string_view bytes);

// A whole decimal number: blanks, an optional sign, digits, blanks, and
// nothing else. Anything else (abc, 0x10, 1e3, 12abc, empty) is not a number:
// a damaged value must not pass for a small one. A number beyond the 32-bit
// range saturates at its end, so a huge time still reads as "no record yet".
std::optional<int32_t> ParseDecimalInt(std::string_view text);

}  // namespace lumitile
