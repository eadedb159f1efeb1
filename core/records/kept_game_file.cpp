#include "core/records/kept_game_file.h"

#include <cstdio>
#include <filesystem>
#include <utility>

#include "core/records/file_store.h"

namespace lumitile {

namespace {

// The one place the kept game reaches the disk, written as the settings file is.
bool ReplaceKeptGame(const std::string& path, std::string_view bytes) {
  return !ReplaceFile(path, bytes).has_value();
}

}  // namespace

KeptGameFile::KeptGameFile(std::string path, bool createFolder)
    : path_(std::move(path)), createFolder_(createFolder) {}

KeptGameFile KeptGameFile::For(const ProgramPlace& program) {
  const SettingsFiles files = LocateSettings(program);
  if (files.writePath.empty()) return KeptGameFile("");
  const std::filesystem::path kept = std::filesystem::path(files.writePath).replace_filename(kKeptGameFileName);
  return KeptGameFile(kept.string(), files.createFolder);
}

KeptGameFile KeptGameFile::ForThisProgram() { return For(ThisProgram().value_or(ProgramPlace{"", "lumitile"})); }

std::string KeptGameFile::Read(std::size_t maxBytes) const {
  if (path_.empty()) return {};
  FileContent content = ReadFileBytes(path_);
  if (content.state != FileContent::State::kRead || content.bytes.size() > maxBytes) return {};
  return std::move(content.bytes);
}

bool KeptGameFile::Keep(std::string_view bytes) {
  if (path_.empty()) return false;
  if (createFolder_ && !MakeFolders(std::filesystem::path(path_).parent_path().string())) return false;
  return ReplaceKeptGame(path_, bytes);
}

void KeptGameFile::Forget() {
  if (!path_.empty()) std::remove(path_.c_str());
}

}  // namespace lumitile
