// Arbitrary bytes as a settings file, and as names and values handed to it.
// Beyond not crashing: a file reads back byte for byte, a change is found
// again and leaves other keys alone, text comes out as valid UTF-8 of the
// right length, the loaded table and level are usable and survive being
// written back, and a change through the profile on an in-memory disk,
// failed or stopped at any system call, leaves the old file or the new one.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "core/records/best_times.h"
#include "core/records/cannot_save.h"
#include "core/records/ini_file.h"
#include "core/records/ini_profile.h"
#include "core/records/shift_jis.h"
#include "core/records/utf8_text.h"
#include "support/memory_file_system.h"

namespace lumitile {
namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

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

// What the profile does to a value before it reaches the file.
std::string OneLine(std::string value) {
  for (char& c : value) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return value;
}

void CheckText(std::string_view bytes) {
  RequireValidUtf8(Cp932ToUtf8(bytes));
  const std::string_view prefix = Cp932Prefix(bytes, kMaxValueBytes);
  Require(prefix.size() <= kMaxValueBytes && bytes.starts_with(prefix));
  RequireValidUtf8(Cp932ToUtf8(prefix));
  Require(RequireValidUtf8(FitName(bytes)) == static_cast<std::size_t>(kNameLength));
  RequireValidUtf8(Cp932ToUtf8(Utf8ToCp932(bytes)));
  if (const auto number = ParseDecimalInt(bytes)) {
    // A number survives being written back as decimal text.
    Require(ParseDecimalInt(std::to_string(*number)) == number);
  }
}

void CheckChange(std::string_view fileBytes, const std::string& section, const std::string& key,
                 const std::string& value, const std::string& otherSection,
                 const std::string& otherKey) {
  IniFile file = IniFile::Parse(fileBytes);
  Require(file.Bytes() == fileBytes);
  if (!IsStorableSectionName(section) || !IsStorableKeyName(key)) return;
  const auto otherBefore = file.Find(otherSection, otherKey);
  file.Set(section, key, value);
  const std::string changed = file.Bytes();
  const IniFile reread = IniFile::Parse(changed);
  Require(reread.Bytes() == changed);
  Require(reread.Find(section, key) == TrimBlanks(value));
  const auto otherAfter = reread.Find(otherSection, otherKey);
  // Whether the other names address the key just set, under the same matching rules.
  const IniFile justTheKey = IniFile::Parse("[" + section + "]\n" + key + "=\n");
  if (!justTheKey.Find(otherSection, otherKey)) Require(otherBefore == otherAfter);
}

void CheckProfile(std::string_view fileBytes, const std::string& section, const std::string& key,
                  const std::string& value) {
  IniFile file = IniFile::Parse(fileBytes);
  const BestTimes loaded = LoadBestTimes(file);
  for (const BestTimeRow& row : loaded) {
    Require(row.Seconds >= 0 && row.Seconds <= kNoRecord);
    Require(RequireValidUtf8(row.Name) == static_cast<std::size_t>(kNameLength));
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

void CheckTransaction(const std::string& fileBytes, const std::string& section,
                      const std::string& key, const std::string& value, int failAt, bool kill) {
  if (!IsStorableSectionName(section) || !IsStorableKeyName(key)) return;
  testing_support::MemoryFileSystem disk;
  disk.MakeFolder("/g");
  disk.Put("/g/l.ini", fileBytes);
  const SettingsFiles files{"/g/l.ini", "/g/l.ini", "", false};
  IniFile expected = IniFile::Parse(fileBytes);
  expected.Set(section, key, value);
  const std::string after = expected.Bytes();

  disk.FailAt(failAt, kill);
  IniProfile profile(files, disk);
  const auto failure = profile.Edit([&](IniFile& file) { file.Set(section, key, value); });
  if (failure) RequireValidUtf8(CannotSaveText({Keeping::kRecord, *failure}));
  disk.ForgetOpenFiles();
  const auto now = disk.Get("/g/l.ini");
  Require(now == fileBytes || now == after);
  if (!kill) Require(now == (failure ? fileBytes : after));
  const SettingsSnapshot snapshot = IniProfile(files, disk).Read();
  Require(!snapshot.failure && snapshot.file.Bytes() == *now);
}

}  // namespace
}  // namespace lumitile

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(24);
  const std::string key = input.ConsumeRandomLengthString(24);
  const std::string value = lumitile::OneLine(input.ConsumeRandomLengthString(160));
  const std::string otherSection = input.ConsumeRandomLengthString(24);
  const std::string otherKey = input.ConsumeRandomLengthString(24);
  const int failAt = input.ConsumeIntegralInRange(0, 40);  // 0: nothing fails
  const bool kill = input.ConsumeBool();
  const std::string file = input.ConsumeRemainingBytesAsString();
  lumitile::CheckText(file);
  lumitile::CheckChange(file, section, key, value, otherSection, otherKey);
  lumitile::CheckProfile(file, section, key, value);
  lumitile::CheckTransaction(file, section, key, value, failAt, kill);
  return 0;
}
