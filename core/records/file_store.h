// Whole-file reads and atomic replacement for the settings file. A write goes
// to a temporary file in the same folder, is flushed to disk, and only then
// renamed over the old file, so a crash or a full disk at any point leaves
// either the old file or the new one, never a mix.
//
// Only regular files are settings files: a FIFO, a device or a folder in the
// file's place is never read (it could block for ever or never end) and never
// replaced. A link to a regular file is followed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/records/file_system.h"

namespace lumitile {

// Files larger than this are not settings files; they are left alone.
inline constexpr std::size_t kMaxSettingsFileBytes = 4u << 20;

// The step at which reading or writing the settings file or the kept game failed.
enum class FileStep {
  kMakeFolder,       // creating the folder the file goes into
  kLock,             // taking the lock beside the file
  kLockNotFile,      // the lock's place holds a folder, a link, a FIFO or a device
  kOpen,             // opening the file to read it
  kNotRegularFile,   // the file is a FIFO, a device or a folder
  kRead,
  kTooLarge,         // over kMaxSettingsFileBytes
  kCreateTemporary,  // creating the temporary file beside it
  kKeepPermissions,
  kWrite,            // a full disk shows here
  kSync,
  kClose,
  kRename,
  kRemove,           // removing a file that is no longer wanted
};

struct FileFailure {
  FileStep step;
  int error;         // errno, 0 where the step is not a system call
  std::string path;  // the settings file, or the folder or lock file the step was about

  bool operator==(const FileFailure&) const = default;
};

struct FileContent {
  enum class State { kRead, kMissing, kUnreadable };
  State state;
  std::string bytes;                   // empty unless kRead
  std::optional<FileFailure> failure;  // set when kUnreadable
};

FileContent ReadFileBytes(const std::string& path, FileSystem& fs = SystemFileSystem());

// Replaces path with bytes, keeping the old file's permissions. On failure
// the old file is untouched and no temporary file remains.
std::optional<FileFailure> ReplaceFile(const std::string& path, std::string_view bytes,
                                       FileSystem& fs = SystemFileSystem());

// Whether name is one of the temporary files ReplaceFile makes for target's
// name; a process killed mid-write leaves these behind.
bool IsTemporaryFileFor(std::string_view name, std::string_view targetName);

// Removes the temporary files ReplaceFile made for path and a killed writer
// left behind. Only while nobody else can be writing path: under its lock.
void RemoveLeftTemporaryFiles(const std::string& path, FileSystem& fs = SystemFileSystem());

// Where path leads when it is a link, so that a write goes through the link
// and the link survives the rename that replaces the file; path itself when
// it is no link or the link cannot be followed.
std::string FollowLink(const std::string& path);

// Creates folder and any missing parents, private to the user.
bool MakeFolders(const std::string& folder, FileSystem& fs = SystemFileSystem());

}  // namespace lumitile
