#include "core/records/settings_location.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "core/records/ascii.h"
#include "core/records/file_store.h"

namespace lumitile {
namespace {

constexpr std::string_view kUserFolderName = "lumitile";

bool Exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

// A settings file that is a link is written through to where it points, so
// the link survives the rename that replaces the file.
std::string FollowLink(const std::string& path) {
  char resolved[PATH_MAX];
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  if (::realpath(path.c_str(), resolved) == nullptr) return path;
  return resolved;
}

// The existing file under any case of its name, or the lower-case name to create.
std::string SettingsFileIn(const std::string& folder, std::string_view fileName) {
  if (const auto found = FindIgnoringCase(folder, fileName)) {
    return FollowLink(JoinPath(folder, *found));
  }
  return JoinPath(folder, LowerAscii(fileName));
}

bool IsAccessible(const std::string& path, int mode) {
  return ::faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) == 0;
}

}  // namespace

std::string IniFilePath(std::string_view folder, std::string_view programName) {
  std::string_view stem = programName;
  const std::size_t dot = stem.rfind('.');
  if (dot != std::string_view::npos && dot != 0) stem = stem.substr(0, dot);
  return JoinPath(folder, std::string(stem) + ".ini");
}

std::optional<ProgramPlace> ThisProgram() {
  char buffer[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length <= 0) return std::nullopt;
  std::string path(buffer, static_cast<std::size_t>(length));
  // The kernel marks an executable replaced while running; the name is still the game's.
  constexpr std::string_view kDeleted = " (deleted)";
  if (path.ends_with(kDeleted)) path.resize(path.size() - kDeleted.size());
  return ProgramPlace{FolderOf(path), NameOf(path)};
}

std::optional<std::string> FindIgnoringCase(const std::string& folder, std::string_view name) {
  if (Exists(JoinPath(folder, name))) return std::string(name);
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return std::nullopt;
  const std::string wanted = LowerAscii(name);
  std::optional<std::string> best;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string candidate = entry->d_name;
    // Directory order is arbitrary; the smallest name makes the pick repeatable.
    if (LowerAscii(candidate) == wanted && (!best || candidate < *best)) best = candidate;
  }
  ::closedir(dir);
  return best;
}

std::optional<std::string> UserSettingsFolder(const char* xdgConfigHome, const char* home) {
  if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') {
    return JoinPath(xdgConfigHome, kUserFolderName);
  }
  if (home != nullptr && home[0] == '/') {
    return JoinPath(JoinPath(home, ".config"), kUserFolderName);
  }
  return std::nullopt;
}

bool CanReplace(const std::string& path) {
  // access() rather than permission bits: it answers for this process,
  // including root, and reports a read-only mount.
  if (!IsAccessible(FolderOf(path), W_OK | X_OK)) return false;
  return !Exists(path) || IsAccessible(path, W_OK);
}

SettingsFiles LocateSettings(const ProgramPlace& program) {
  const std::string fileName = NameOf(IniFilePath("", program.name));
  const bool programFolderKnown = !program.folder.empty();
  const std::string besideProgram =
      programFolderKnown ? SettingsFileIn(program.folder, fileName) : std::string();
  if (programFolderKnown && CanReplace(besideProgram)) {
    return {besideProgram, besideProgram, {}, false};
  }
  const auto userFolder = UserSettingsFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
  if (!userFolder) return {besideProgram, besideProgram, {}, false};
  const std::string userFile = SettingsFileIn(*userFolder, fileName);
  if (Exists(userFile) || besideProgram.empty() || !Exists(besideProgram)) {
    return {userFile, userFile, {}, true};
  }
  return {besideProgram, userFile, besideProgram, true};
}

}  // namespace lumitile
