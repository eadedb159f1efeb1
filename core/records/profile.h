// The game's settings file as the core uses it: read whole, or changed in
// one locked read-modify-write, and the profile functions that find and set
// a value in what was read. Text crosses it as UTF-8; the file is CP932.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/records/file_store.h"
#include "core/records/ini_file.h"
#include "core/records/settings_transaction.h"

namespace lumitile {

// The key's value as a decimal integer, or fallback when the section or the
// key is missing or the value is no whole number.
int32_t ReadIniInt(const IniFile& file, std::string_view section, std::string_view key,
                   int32_t fallback);
// The key's value, cut to its first 127 bytes in the file, or fallback when
// the section or the key is missing.
std::string ReadIniString(const IniFile& file, std::string_view section, std::string_view key,
                          std::string_view fallback);
// Control characters in a value become spaces, characters CP932 cannot hold
// become '?'. False, with the file untouched, for a name that cannot be stored.
bool WriteIniString(IniFile& file, std::string_view section, std::string_view key,
                    std::string_view value);

class Profile {
 public:
  virtual ~Profile() = default;

  // The file as it is now, read and parsed once; empty when it cannot be read.
  virtual SettingsSnapshot Read() = 0;
  // The same without waiting for another game's change: never blocks on the lock.
  virtual SettingsSnapshot Peek() = 0;
  // Every write of the game goes through here: change gets the file as it is
  // now, under the lock, and what it leaves is written once. The step that
  // failed, or nothing when the file holds the change.
  [[nodiscard]] virtual std::optional<FileFailure> Edit(const std::function<void(IniFile&)>& change) = 0;
};

}  // namespace lumitile
