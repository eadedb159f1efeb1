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
  // Splits at LF, CR LF or a CR alone, in time linear in the size, and
  // indexes the sections and keys on the way, so a lookup costs the same in
  // a file of a few lines and in one of millions. A UTF-8 byte order mark at
  // the start (an editor's doing) is kept but not read as part of the first
  // line. Any bytes are accepted, up to 4 GiB.
  //
  // Memory stays linear in the file: the bytes once, 12 bytes a line, and
  // at most 22 bytes a distinct key of a section that can be found.
  static IniFile Parse(std::string_view bytes);

  // The trimmed value of the first matching key in the first matching
  // section. Names compare without regard to ASCII case.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;

  // Replaces the first matching key's line, or adds the key to the first
  // matching section, or adds the section at the end. The value is stored as
  // given; callers pass one line and names IsStorable*Name accepts. Lines
  // this touches or adds end in CR LF.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  std::string Bytes() const;

 private:
  enum class Ending : uint8_t { kNone, kLf, kCrLf, kCr };  // kNone: a last line without one
  enum class Kind : uint8_t { kOpaque, kHeader, kKey };
  // A line is a span of text_, which holds the file's bytes as read and then
  // the text of every line changed or added since. Runs of lines that are
  // neither headers nor keys (blank lines, comments) are one opaque span,
  // so a file of blank lines costs one entry.
  struct Line {
    uint32_t start;
    uint32_t size;
    Ending ending;
    Kind kind;
  };
  // Positions in lines_; sections are numbered in the file's order.
  struct Section {
    uint32_t header;
    uint32_t lastKey;  // where a new key goes after; the header while it has none
    bool first;        // the first section of its name: the only one lookups see
  };
  // Open addressing over numbers (section numbers, or line positions of
  // keys), at most three quarters full. Each slot keeps its number's hash,
  // so a lookup compares names only where the hashes agree and the table
  // grows without reading a name again.
  class Slots {
   public:
    template <typename Same>
    std::optional<uint32_t> Find(uint64_t hash, Same same) const;
    void Add(uint64_t hash, uint32_t value);
    // Every value at or after position moves one on, as a line goes in there.
    void ShiftFrom(uint32_t position);

   private:
    struct Slot {
      uint32_t value;
      uint32_t hash;
    };
    static constexpr uint32_t kEmpty = UINT32_MAX;
    std::vector<Slot> slots_;
    std::size_t used_ = 0;
  };

  static std::string_view EndingText(Ending ending);
  std::string_view Text(const Line& line) const { return std::string_view(text_).substr(line.start, line.size); }
  std::optional<uint32_t> FindSection(std::string_view section) const;
  std::optional<uint32_t> FindKey(uint32_t section, std::string_view key) const;
  void Index(uint32_t position, std::optional<uint32_t> section, std::string_view name);
  void InsertLine(uint32_t position, std::string_view text, Kind kind, std::optional<uint32_t> section);

  std::string byteOrderMark_;
  std::string text_;
  std::vector<Line> lines_;
  std::vector<Section> sections_;
  Slots sectionSlots_;  // the first section of each name
  Slots keySlots_;      // the first key of each name in each first section
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
