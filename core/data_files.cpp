#include "core/data_files.h"

#include <system_error>

#include "core/records/settings_location.h"

namespace lumitile {

namespace fs = std::filesystem;

std::vector<fs::path> DataFolders(const fs::path& executableFolder, const fs::path& installedDataFolder) {
  std::vector<fs::path> folders;
  if (!executableFolder.empty()) {
    folders.push_back(executableFolder);
    folders.push_back(executableFolder / "assets");
    folders.push_back((executableFolder / ".." / "share" / "lumitile").lexically_normal());
  }
  if (!installedDataFolder.empty()) folders.push_back(installedDataFolder);
  return folders;
}

std::optional<fs::path> FindDataFile(const std::vector<fs::path>& folders, std::string_view name) {
  for (const auto& folder : folders) {
    const fs::path candidate = folder / name;
    std::error_code error;
    if (fs::is_regular_file(candidate, error)) return candidate;
  }
  return std::nullopt;
}

fs::path ExecutableFolder() {
  const auto program = ThisProgram();
  return program ? fs::path(program->folder) : fs::path();
}

}  // namespace lumitile
