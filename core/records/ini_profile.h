// The game's settings file behind the Profile interface: where it is found
// is worked out afresh for every operation, and every operation is one
// ReadSettings or one ChangeSettings over the given file system.
#pragma once

#include <functional>

#include "core/records/file_system.h"
#include "core/records/profile.h"
#include "core/records/settings_location.h"

namespace lumitile {

class IniProfile final : public Profile {
 public:
  // The file beside the program, or in the user's folder when that cannot be written.
  explicit IniProfile(ProgramPlace program, FileSystem& fs = SystemFileSystem());
  // Always these files.
  explicit IniProfile(SettingsFiles files, FileSystem& fs = SystemFileSystem());

  // The profile of the running executable; with its folder unknown, the
  // user's folder is used.
  static IniProfile ForThisProgram();

  SettingsSnapshot Read() override;
  SettingsSnapshot Peek() override;
  [[nodiscard]] std::optional<FileFailure> Edit(const std::function<void(IniFile&)>& change) override;

 private:
  std::function<SettingsFiles()> locate_;
  FileSystem* fs_;
};

}  // namespace lumitile
