#include "core/records/ini_profile.h"

#include <utility>

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

// The raw CP932 value, or nothing when the section or key is missing.
std::optional<std::string> Lookup(const IniFile& file, std::string_view section,
                                  std::string_view key) {
  const auto names = FileNames(section, key);
  if (!names) return std::nullopt;
  return file.Find(names->section, names->key);
}

}  // namespace

int32_t ReadIniInt(const IniFile& file, std::string_view section, std::string_view key,
                   int32_t fallback) {
  const auto value = Lookup(file, section, key);
  // A value that is not a number (empty included) counts as missing.
  if (!value) return fallback;
  return ParseDecimalInt(*value).value_or(fallback);
}

std::string ReadIniString(const IniFile& file, std::string_view section, std::string_view key,
                          std::string_view fallback) {
  const auto value = Lookup(file, section, key);
  if (!value) return std::string(fallback);
  return Cp932ToUtf8(Cp932Prefix(*value, kMaxValueBytes));
}

bool WriteIniString(IniFile& file, std::string_view section, std::string_view key,
                    std::string_view value) {
  const auto names = FileNames(section, key);
  if (!names) return false;
  file.Set(names->section, names->key, Utf8ToCp932(ControlsToSpaces(value)));
  return true;
}

IniProfile::IniProfile(ProgramPlace program, FileSystem& fs)
    : locate_([program = std::move(program)] { return LocateSettings(program); }), fs_(&fs) {}

IniProfile::IniProfile(SettingsFiles files, FileSystem& fs)
    : locate_([files = std::move(files)] { return files; }), fs_(&fs) {}

IniProfile IniProfile::ForThisProgram() {
  return IniProfile(ThisProgram().value_or(ProgramPlace{"", "lumitile"}));
}

SettingsSnapshot IniProfile::Read() { return ReadSettings(locate_(), *fs_); }

SettingsSnapshot IniProfile::Peek() { return PeekSettings(locate_(), *fs_); }

std::optional<FileFailure> IniProfile::Edit(const std::function<void(IniFile&)>& change) {
  return ChangeSettings(locate_(), change, *fs_);
}

}  // namespace lumitile
