// The game's settings file behind the Profile interface: an INI file in code
// page 932 that reads like the Windows profile functions read it and is
// replaced atomically on every write.
#pragma once

#include <optional>
#include <string>

#include "core/records/file_store.h"
#include "core/records/profile.h"
#include "core/records/settings_location.h"

namespace lumitile {

class IniProfile final : public Profile {
 public:
  explicit IniProfile(ProgramPlace program, FileWriter& writer = SystemFileWriter());

  // The profile of the running executable; with its folder unknown, the
  // user's folder is used.
  static IniProfile ForThisProgram();

  int32_t ReadIniInt(std::string_view section, std::string_view key, int32_t fallback) override;
  std::string ReadIniString(std::string_view section, std::string_view key,
                            std::string_view fallback) override;
  // Control characters in a value become spaces; characters CP932 cannot
  // hold become '?'. A name that cannot be stored fails the whole change.
  [[nodiscard]] bool Change(std::span<const Setting> settings) override;

 private:
  // The raw CP932 value, or nothing when the file, section or key is missing.
  std::optional<std::string> Lookup(std::string_view section, std::string_view key) const;

  ProgramPlace program_;
  FileWriter* writer_;
};

}  // namespace lumitile
