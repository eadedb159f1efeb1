// Where the game finds the files it reads at run time (the sounds, the help
// document): beside the executable in a build or portable folder, otherwise
// in the installed data folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace lumitile {

// The folders searched, in order: the executable's folder, its assets/
// subfolder (a build tree), ../share/lumitile relative to it (an installed
// tree moved as a whole), then the data folder the game was installed to.
std::vector<std::filesystem::path> DataFolders(const std::filesystem::path& executableFolder,
                                               const std::filesystem::path& installedDataFolder);

// The first existing regular file of that name in the folders, if any.
std::optional<std::filesystem::path> FindDataFile(const std::vector<std::filesystem::path>& folders,
                                                  std::string_view name);

// The running executable's folder, empty if unknown.
std::filesystem::path ExecutableFolder();

}  // namespace lumitile
