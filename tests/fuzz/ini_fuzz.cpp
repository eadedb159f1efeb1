// Arbitrary bytes as a settings file, and as names and values handed to it.
// Beyond not crashing: a file reads back byte for byte, a change is found
// again and leaves other keys alone, text comes out as valid UTF-8 of the
// right length, and the loaded table and level are usable and survive being
// written back.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "core/records/best_times.h"
#include "core/records/ini_file.h"
#include "core/records/profile.h"
#include "core/records/shift_jis.h"
#include "core/records/utf8_text.h"

namespace lumitile {
namespace {

void Require(bool condition) { if (!condition) std::abort(); }

// Valid UTF-8 re-encodes to itself; counts the characters.
std::size_t RequireValidUtf8(std::string_view text) {
  std::size_t characters = 0;
  for (std::size_t pos = 0; pos < text.size(); ++characters) {
    const DecodedCharacter character = DecodeUtf8At(text, pos);
    std::string again;
    AppendUtf8(again, character.codePoint);
    Require(again == text.substr(pos, character.length));
    pos += character.length;
  }
  return characters;
}

void CheckText(std::string_view bytes) {
  RequireValidUtf8(Cp932ToUtf8(bytes));
  const std::string_view prefix = Cp932Prefix(bytes, kMaxValueBytes);
  Require(prefix.size() <= kMaxValueBytes && bytes.starts_with(prefix));
  Require(RequireValidUtf8(FitName(bytes)) == static_cast<std::size_t>(kNameLength));
  RequireValidUtf8(Cp932ToUtf8(Utf8ToCp932(bytes)));
  // A number survives being written back as decimal text.
  if (const auto number = ParseDecimalInt(bytes)) Require(ParseDecimalInt(std::to_string(*number)) == number);
}

void CheckChange(std::string_view fileBytes, const std::string& section, const std::string& key,
                 const std::string& value, const std::string& otherSection, const std::string& otherKey) {
  IniFile file = IniFile::Parse(fileBytes);
  Require(file.Bytes() == fileBytes);
  if (!IsStorableSectionName(section) || !IsStorableKeyName(key)) return;
  const auto otherBefore = file.Find(otherSection, otherKey);
  file.Set(section, key, value);
  const IniFile reread = IniFile::Parse(file.Bytes());
  Require(reread.Bytes() == file.Bytes() && reread.Find(section, key) == TrimBlanks(value));
  // Unless the other names address the key just set, under the same matching rules.
  if (!IniFile::Parse("[" + section + "]\n" + key + "=\n").Find(otherSection, otherKey))
    Require(reread.Find(otherSection, otherKey) == otherBefore);
}

void CheckProfile(std::string_view fileBytes, const std::string& section, const std::string& key,
                  const std::string& value) {
  IniFile file = IniFile::Parse(fileBytes);
  const BestTimes loaded = LoadBestTimes(file);
  for (int at = 0; at < kLevelCount; ++at) {
    const BestTimeRow& row = loaded[static_cast<std::size_t>(at)];
    Require(row.Seconds >= 0 && row.Seconds <= NoRecord(at) && RequireValidUtf8(row.Name) == std::size_t{kNameLength});
  }
  const int level = LoadLevel(file);
  Require(level >= 0 && level < kLevelCount);
  // Written back, the times and the level load as they were; a name settles
  // after one round (a read drops blanks at its ends, CP932 has no U+FFFD).
  SaveBestTimes(file, loaded);
  SaveLevel(file, level);
  IniFile again = IniFile::Parse(file.Bytes());
  const BestTimes once = LoadBestTimes(again);
  for (std::size_t i = 0; i < once.size(); ++i) Require(once[i].Seconds == loaded[i].Seconds);
  Require(LoadLevel(again) == level);
  SaveBestTimes(again, once);
  Require(LoadBestTimes(again) == once);

  RequireValidUtf8(ReadIniString(file, section, key, ""));
  if (WriteIniString(file, section, key, value)) {
    const std::string read = ReadIniString(file, section, key, "");
    RequireValidUtf8(read);
    Require(Utf8ToCp932(read).size() <= kMaxValueBytes);
  }
}

}  // namespace
}  // namespace lumitile

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(24);
  const std::string key = input.ConsumeRandomLengthString(24);
  std::string value = input.ConsumeRandomLengthString(160);
  // One line, as the profile makes a value before it reaches the file.
  std::replace_if(value.begin(), value.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; }, ' ');
  const std::string otherSection = input.ConsumeRandomLengthString(24);
  const std::string otherKey = input.ConsumeRandomLengthString(24);
  const std::string file = input.ConsumeRemainingBytesAsString();
  lumitile::CheckText(file);
  lumitile::CheckChange(file, section, key, value, otherSection, otherKey);
  lumitile::CheckProfile(file, section, key, value);
  return 0;
}
