#include "core/records/file_store.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

namespace lumitile {
namespace {

constexpr std::string_view kTemporarySuffix = ".tmp";

// A hidden name beside the target that no other writer picks: the process id
// and a counter keep two games and two calls apart.
std::string TemporaryPathFor(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  std::filesystem::path temporary(path);
  temporary.replace_filename("." + temporary.filename().string() + "." + std::to_string(::getpid()) + "." +
                             std::to_string(counter++) + std::string(kTemporarySuffix));
  return temporary.string();
}

int CreateTemporaryFile(FileSystem& fs, const std::string& path, std::string& temporaryPath) {
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporaryPath = TemporaryPathFor(path);
    const int fd = fs.Open(temporaryPath, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

FileFailure Failure(FileStep step, const std::string& path, int error = errno) {
  return {step, error, path};
}

std::optional<FileFailure> KeepPermissionsOf(FileSystem& fs, const std::string& path, int fd) {
  struct stat old {};
  if (fs.Stat(path, old) != 0) {
    if (errno == ENOENT) return std::nullopt;
    return Failure(FileStep::kKeepPermissions, path);
  }
  if (fs.Fchmod(fd, old.st_mode & 07777) != 0) return Failure(FileStep::kKeepPermissions, path);
  return std::nullopt;
}

std::optional<FileFailure> WriteAll(FileSystem& fs, int fd, std::string_view bytes,
                                    const std::string& path) {
  while (!bytes.empty()) {
    const ssize_t written = fs.Write(fd, bytes.data(), bytes.size());
    if (written < 0) return Failure(FileStep::kWrite, path);
    if (written == 0) return Failure(FileStep::kWrite, path, ENOSPC);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return std::nullopt;
}

std::optional<FileFailure> WriteTemporaryFile(FileSystem& fs, const std::string& path, int fd,
                                              std::string_view bytes) {
  if (auto failure = KeepPermissionsOf(fs, path, fd)) return failure;
  if (auto failure = WriteAll(fs, fd, bytes, path)) return failure;
  if (fs.Fsync(fd) != 0) return Failure(FileStep::kSync, path);
  return std::nullopt;
}

// Makes the rename itself durable; a folder that cannot be synced is not a failure.
void SyncFolder(FileSystem& fs, const std::string& folder) {
  const Descriptor fd(fs, fs.Open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
  if (fd.get() >= 0) fs.Fsync(fd.get());
}

}  // namespace

FileContent ReadFileBytes(const std::string& path, FileSystem& fs) {
  const auto unreadable = [&](FileStep step, int error) {
    return FileContent{FileContent::State::kUnreadable, {}, FileFailure{step, error, path}};
  };
  // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
  const Descriptor fd(fs, fs.Open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0));
  if (fd.get() < 0) {
    if (errno == ENOENT) return {FileContent::State::kMissing, {}, std::nullopt};
    return unreadable(FileStep::kOpen, errno);
  }
  struct stat info {};
  if (fs.Fstat(fd.get(), info) != 0) return unreadable(FileStep::kOpen, errno);
  if (!S_ISREG(info.st_mode)) return unreadable(FileStep::kNotRegularFile, 0);
  if (info.st_size > static_cast<off_t>(kMaxSettingsFileBytes)) {
    return unreadable(FileStep::kTooLarge, EFBIG);
  }
  std::string bytes;
  char buffer[8192];
  for (;;) {
    const ssize_t got = fs.Read(fd.get(), buffer, sizeof buffer);
    if (got < 0) return unreadable(FileStep::kRead, errno);
    if (got == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
    // The file may grow while it is read.
    if (bytes.size() > kMaxSettingsFileBytes) return unreadable(FileStep::kTooLarge, EFBIG);
  }
  return {FileContent::State::kRead, std::move(bytes), std::nullopt};
}

std::optional<FileFailure> ReplaceFile(const std::string& path, std::string_view bytes,
                                       FileSystem& fs) {
  std::string temporaryPath;
  Descriptor fd(fs, CreateTemporaryFile(fs, path, temporaryPath));
  // Failures name the file being replaced, not the temporary one: that is the
  // file the player knows, and the same cause always reads the same.
  if (fd.get() < 0) return Failure(FileStep::kCreateTemporary, path);
  std::optional<FileFailure> failure = WriteTemporaryFile(fs, path, fd.get(), bytes);
  if (fd.Close() != 0 && !failure) failure = Failure(FileStep::kClose, path);
  if (!failure && fs.Rename(temporaryPath, path) != 0) failure = Failure(FileStep::kRename, path);
  if (failure) {
    fs.Unlink(temporaryPath);
    return failure;
  }
  SyncFolder(fs, std::filesystem::path(path).parent_path().string());
  return std::nullopt;
}

bool IsTemporaryFileFor(std::string_view name, std::string_view targetName) {
  // "." target "." pid "." counter ".tmp"
  const std::string prefix = "." + std::string(targetName) + ".";
  if (!name.starts_with(prefix) || !name.ends_with(kTemporarySuffix)) return false;
  std::string_view middle = name.substr(prefix.size());
  if (middle.size() < kTemporarySuffix.size()) return false;
  middle.remove_suffix(kTemporarySuffix.size());
  const std::size_t dot = middle.find('.');
  const auto allDigits = [](std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
  };
  return dot != std::string_view::npos && allDigits(middle.substr(0, dot)) &&
         allDigits(middle.substr(dot + 1));
}

void RemoveLeftTemporaryFiles(const std::string& path, FileSystem& fs) {
  const std::filesystem::path file(path), folder = file.parent_path();
  std::vector<std::string> entries;
  if (fs.List(folder.string(), entries) != 0) return;
  for (const std::string& entry : entries) {
    if (IsTemporaryFileFor(entry, file.filename().string())) fs.Unlink((folder / entry).string());
  }
}

std::string FollowLink(const std::string& path) {
  char resolved[PATH_MAX];
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  if (::realpath(path.c_str(), resolved) == nullptr) return path;
  return resolved;
}

bool MakeFolders(const std::string& folder, FileSystem& fs) {
  if (folder.empty()) return false;
  struct stat info {};
  if (fs.Stat(folder, info) == 0) {
    if (S_ISDIR(info.st_mode)) return true;
    errno = ENOTDIR;
    return false;
  }
  // A relative path runs out of parents at "": the working folder is there.
  const std::string parent = std::filesystem::path(folder).parent_path().string();
  if (!parent.empty() && parent != folder && !MakeFolders(parent, fs)) return false;
  return fs.Mkdir(folder, 0700) == 0 || errno == EEXIST;
}

}  // namespace lumitile
