#include "core/records/settings_location.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>

#include "core/records/ascii.h"
#include "core/records/file_store.h"

namespace lumitile {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUserFolderName = "lumitile";

// Set by the build for a package installed under /usr (CMake option of the same name).
#ifndef LUMITILE_SHARED_INSTALL
#define LUMITILE_SHARED_INSTALL 0
#endif

bool Exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}


// The existing file under any case of its name, or the lower-case name to create.
std::string SettingsFileIn(const std::string& folder, std::string_view fileName) {
  if (const auto found = FindIgnoringCase(folder, fileName)) return (fs::path(folder) / *found).string();
  return (fs::path(folder) / LowerAscii(fileName)).string();
}

bool IsAccessible(const std::string& path, int mode) {
  return ::faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) == 0;
}

// The settings file by its name: read and written where a link points.
SettingsFiles Named(const std::string& name, bool createFolder = false) {
  const std::string file = FollowLink(name);
  return {file, file, {}, createFolder, name};
}

// A link's target may be writable where its name's folder is not, and the
// lock and the kept game go beside the name.
bool CanKeepAt(const std::string& name) {
  return CanReplace(FollowLink(name)) && CanReplace(name);
}

}  // namespace

std::string IniFilePath(std::string_view folder, std::string_view programName) {
  return ((fs::path(folder) / fs::path(programName).stem()) += ".ini").string();
}

std::optional<ProgramPlace> ThisProgram() {
  char buffer[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length <= 0) return std::nullopt;
  std::string path(buffer, static_cast<std::size_t>(length));
  // The kernel marks an executable replaced while running; the name is still the game's.
  constexpr std::string_view kDeleted = " (deleted)";
  if (path.ends_with(kDeleted)) path.resize(path.size() - kDeleted.size());
  const fs::path program(path);
  return ProgramPlace{program.parent_path().string(), program.filename().string(), LUMITILE_SHARED_INSTALL != 0};
}

std::optional<std::string> FindIgnoringCase(const std::string& folder, std::string_view name) {
  if (Exists((fs::path(folder) / name).string())) return std::string(name);
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
    return (fs::path(xdgConfigHome) / kUserFolderName).string();
  }
  if (home != nullptr && home[0] == '/') {
    return (fs::path(home) / ".config" / kUserFolderName).string();
  }
  return std::nullopt;
}

bool CanReplace(const std::string& path) {
  // access() rather than permission bits: it answers for this process,
  // including root, and reports a read-only mount.
  if (!IsAccessible(fs::path(path).parent_path().string(), W_OK | X_OK)) return false;
  return !Exists(path) || IsAccessible(path, W_OK);
}

SettingsFiles LocateSettings(const ProgramPlace& program) {
  const std::string fileName = IniFilePath("", program.name);
  const bool programFolderKnown = !program.folder.empty();
  const std::string besideProgram =
      programFolderKnown ? SettingsFileIn(program.folder, fileName) : std::string();
  if (programFolderKnown && !program.shared && CanKeepAt(besideProgram)) return Named(besideProgram);
  const auto userFolder = UserSettingsFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
  if (!userFolder) {
    SettingsFiles files = Named(besideProgram);
    // With no user folder a shared install keeps nothing, and says so.
    if (program.shared) files.writePath = files.namePath = {};
    return files;
  }
  SettingsFiles files = Named(SettingsFileIn(*userFolder, fileName), true);
  if (Exists(files.namePath) || besideProgram.empty() || !Exists(besideProgram)) return files;
  files.readPath = files.seedPath = FollowLink(besideProgram);
  return files;
}

}  // namespace lumitile
