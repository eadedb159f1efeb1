// The file a game in progress waits in between runs: "lumitile.sav" in the
// folder the settings file is written to, so a copy of the game on a stick
// keeps its game beside its records. It is a file of its own: keeping or
// dropping a game never touches the settings file's bytes.
//
// A kept game belongs to one running copy. The first copy to start on a
// folder takes a lock beside the file (".lumitile.sav.lock", flock, never
// waited for) and holds it until it ends; a second copy on the same folder
// neither reads nor writes the file, so it can never resume the first
// copy's game or write over it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/records/file_store.h"
#include "core/records/file_system.h"
#include "core/records/settings_location.h"

namespace lumitile {

inline constexpr std::string_view kKeptGameFileName = "lumitile.sav";

enum class KeptGameOwner {
  kThisCopy,
  kAnotherCopy,  // a running copy holds the lock: hands off
  kNobody,       // the lock could not be taken at all; the game is read but not kept
};

class KeptGameFile {
 public:
  // path empty: nothing is read or kept.
  explicit KeptGameFile(std::string path, bool createFolder = false, FileSystem& fs = SystemFileSystem());
  // Beside the settings file the program's settings location rules choose,
  // through a link in its place as the settings file's is.
  static KeptGameFile For(const ProgramPlace& program);
  static KeptGameFile ForThisProgram();
  ~KeptGameFile();
  KeptGameFile(KeptGameFile&& other) noexcept;
  KeptGameFile& operator=(KeptGameFile&&) = delete;

  // Takes the lock for as long as this object lives, once; as the owner,
  // removes the temporary files a killed keep left behind.
  KeptGameOwner Claim();
  // The file's bytes; empty when it is missing, unreadable, larger than
  // maxBytes or another copy's.
  std::string Read(std::size_t maxBytes);
  // Replaces the file atomically; what failed when it could not. Only the
  // owner writes: otherwise the failure is why this copy is not the owner.
  std::optional<FileFailure> Keep(std::string_view bytes);
  // No game to keep: the file goes.
  std::optional<FileFailure> Forget();

 private:
  // Nothing when this copy owns the file, else why it may not write it.
  std::optional<FileFailure> MayWrite();

  std::string path_;
  bool createFolder_;
  FileSystem* fs_;
  std::optional<KeptGameOwner> owner_;  // unset until claimed
  std::optional<FileFailure> claimFailure_;
  int lock_ = -1;
};

}  // namespace lumitile
