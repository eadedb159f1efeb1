// Whole-file reads and atomic replacement for the settings file. A write goes
// to a temporary file in the same folder, is flushed to disk, and only then
// renamed over the old file, so a crash or a full disk at any point leaves
// either the old file or the new one, never a mix.
#pragma once

#include <string>
#include <string_view>

namespace lumitile {

// Files larger than this are not settings files; they are left alone.
inline constexpr std::size_t kMaxSettingsFileBytes = 4u << 20;

struct FileContent {
  enum class State { kRead, kMissing, kUnreadable };
  State state;
  std::string bytes;  // empty unless kRead
};

FileContent ReadFileBytes(const std::string& path);

// How the bytes reach the temporary file. The game uses SystemFileWriter();
// tests pass one that fails part way, as a full disk would.
class FileWriter {
 public:
  virtual ~FileWriter() = default;
  // Writes all of bytes to fd; false with errno set when it could not.
  virtual bool WriteAll(int fd, std::string_view bytes) = 0;
  // Flushes fd to the disk; false when it could not.
  virtual bool Sync(int fd) = 0;
};

FileWriter& SystemFileWriter();

// Replaces path with bytes, keeping the old file's permissions. On failure
// the old file is untouched and no temporary file remains.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes, FileWriter& writer);

// Creates folder and any missing parents, private to the user.
bool MakeFolders(const std::string& folder);

std::string FolderOf(const std::string& path);
std::string NameOf(const std::string& path);
std::string JoinPath(std::string_view folder, std::string_view name);

}  // namespace lumitile
