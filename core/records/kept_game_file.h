// The file a game in progress waits in between runs: "lumitile.sav" in the
// folder the settings file is written to, so a copy of the game on a stick
// keeps its game beside its records. It is a file of its own: keeping or
// dropping a game never touches the settings file's bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/records/settings_location.h"

namespace lumitile {

inline constexpr std::string_view kKeptGameFileName = "lumitile.sav";

class KeptGameFile {
 public:
  // path empty: nothing is read or kept.
  explicit KeptGameFile(std::string path, bool createFolder = false);
  // Beside the settings file the program's settings location rules choose.
  static KeptGameFile For(const ProgramPlace& program);
  static KeptGameFile ForThisProgram();

  // The file's bytes; empty when it is missing, unreadable or larger than maxBytes.
  std::string Read(std::size_t maxBytes) const;
  // Replaces the file atomically; false when it could not.
  bool Keep(std::string_view bytes);
  // No game to keep: the file goes.
  void Forget();

 private:
  std::string path_;
  bool createFolder_;
};

}  // namespace lumitile
