#include "core/records/ini_profile.h"

#include <utility>

#include "core/records/ini_file.h"
#include "core/records/shift_jis.h"
#include "core/records/utf8_text.h"

namespace lumitile {
namespace {

struct Names {
  std::string section;
  std::string key;
};

// Names as the file spells them, or nothing when they cannot be stored.
std::optional<Names> FileNames(std::string_view section, std::string_view key) {
  auto sectionBytes = Utf8ToCp932Exactly(TrimBlanks(section));
  auto keyBytes = Utf8ToCp932Exactly(TrimBlanks(key));
  if (!sectionBytes || !keyBytes || !IsStorableSectionName(*sectionBytes) ||
      !IsStorableKeyName(*keyBytes)) {
    return std::nullopt;
  }
  return Names{std::move(*sectionBytes), std::move(*keyBytes)};
}

// A value must stay on its one line.
std::string ControlsToSpaces(std::string_view utf8) {
  std::string out;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const DecodedCharacter character = DecodeUtf8At(utf8, pos);
    if (IsControlCharacter(character.codePoint)) {
      out += ' ';
    } else {
      out.append(utf8.substr(pos, character.length));
    }
    pos += character.length;
  }
  return out;
}

struct StartingContent {
  std::string bytes;
  bool isTheWrittenFile;  // false when the file does not exist yet
};

// The content a write starts from; nothing when an existing file cannot be
// read, since writing then would drop whatever it holds.
std::optional<StartingContent> ReadStartingContent(const SettingsFiles& files) {
  FileContent current = ReadFileBytes(files.writePath);
  const bool exists = current.state != FileContent::State::kMissing;
  if (!exists && !files.seedPath.empty()) current = ReadFileBytes(files.seedPath);
  if (current.state == FileContent::State::kUnreadable) return std::nullopt;
  return StartingContent{std::move(current.bytes), exists};
}

}  // namespace

IniProfile::IniProfile(ProgramPlace program, FileWriter& writer)
    : program_(std::move(program)), writer_(&writer) {}

IniProfile IniProfile::ForThisProgram() {
  return IniProfile(ThisProgram().value_or(ProgramPlace{"", "lumitile"}));
}

std::optional<std::string> IniProfile::Lookup(std::string_view section,
                                              std::string_view key) const {
  const auto names = FileNames(section, key);
  if (!names) return std::nullopt;
  const SettingsFiles files = LocateSettings(program_);
  const FileContent content = ReadFileBytes(files.readPath);
  if (content.state != FileContent::State::kRead) return std::nullopt;
  return IniFile::Parse(content.bytes).Find(names->section, names->key);
}

int32_t IniProfile::ReadIniInt(std::string_view section, std::string_view key, int32_t fallback) {
  const auto value = Lookup(section, key);
  // A value that is not a number (empty included) counts as missing.
  if (!value) return fallback;
  return ParseDecimalInt(*value).value_or(fallback);
}

std::string IniProfile::ReadIniString(std::string_view section, std::string_view key,
                                      std::string_view fallback) {
  const auto value = Lookup(section, key);
  if (!value) return std::string(fallback);
  return Cp932ToUtf8(Cp932Prefix(*value, kMaxValueBytes));
}

bool IniProfile::Change(std::span<const Setting> settings) {
  const SettingsFiles files = LocateSettings(program_);
  if (files.writePath.empty()) return false;
  const auto content = ReadStartingContent(files);
  if (!content) return false;
  IniFile file = IniFile::Parse(content->bytes);
  for (const Setting& setting : settings) {
    // One unstorable name spoils the whole change, so nothing is half written.
    const auto names = FileNames(setting.Section, setting.Key);
    if (!names) return false;
    file.Set(names->section, names->key, Utf8ToCp932(ControlsToSpaces(setting.Value)));
  }
  std::string bytes = file.Bytes();
  // Start-up writes back every value it has just read; a file that already
  // says exactly this is left alone rather than replaced and flushed again.
  if (content->isTheWrittenFile && bytes == content->bytes) return true;
  if (files.createFolder && !MakeFolders(FolderOf(files.writePath))) return false;
  return ReplaceFileAtomically(files.writePath, bytes, *writer_);
}

}  // namespace lumitile
