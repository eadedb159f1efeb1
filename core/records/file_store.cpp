#include "core/records/file_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace lumitile {
namespace {

class PosixFileWriter final : public FileWriter {
 public:
  bool WriteAll(int fd, std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t written = ::write(fd, bytes.data(), bytes.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
  }
  bool Sync(int fd) override { return ::fsync(fd) == 0; }
};

// Closes the descriptor it owns when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// A hidden name beside the target that no other writer picks: the process id
// and a counter keep two games and two calls apart.
std::string TemporaryPathFor(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return JoinPath(FolderOf(path), "." + NameOf(path) + "." + std::to_string(::getpid()) + "." +
                                      std::to_string(counter++) + ".tmp");
}

int CreateTemporaryFile(const std::string& path, std::string& temporaryPath) {
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporaryPath = TemporaryPathFor(path);
    const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool KeepPermissionsOf(const std::string& path, int fd) {
  struct stat old {};
  if (::stat(path.c_str(), &old) != 0) return errno == ENOENT;
  return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// Makes the rename itself durable; a folder that cannot be synced is not a failure.
void SyncFolder(const std::string& folder) {
  const Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) ::fsync(fd.get());
}

bool WriteTemporaryFile(const std::string& path, int fd, std::string_view bytes,
                        FileWriter& writer) {
  return KeepPermissionsOf(path, fd) && writer.WriteAll(fd, bytes) && writer.Sync(fd);
}

}  // namespace

FileContent ReadFileBytes(const std::string& path) {
  const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) {
    return {errno == ENOENT ? FileContent::State::kMissing : FileContent::State::kUnreadable, {}};
  }
  std::string bytes;
  char buffer[8192];
  for (;;) {
    const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return {FileContent::State::kUnreadable, {}};
    if (got == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
    if (bytes.size() > kMaxSettingsFileBytes) return {FileContent::State::kUnreadable, {}};
  }
  return {FileContent::State::kRead, std::move(bytes)};
}

FileWriter& SystemFileWriter() {
  static PosixFileWriter writer;
  return writer;
}

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes, FileWriter& writer) {
  std::string temporaryPath;
  Descriptor fd(CreateTemporaryFile(path, temporaryPath));
  if (fd.get() < 0) return false;
  const bool written = WriteTemporaryFile(path, fd.get(), bytes, writer);
  if (!fd.Close() || !written || ::rename(temporaryPath.c_str(), path.c_str()) != 0) {
    ::unlink(temporaryPath.c_str());
    return false;
  }
  SyncFolder(FolderOf(path));
  return true;
}

bool MakeFolders(const std::string& folder) {
  if (folder.empty()) return false;
  struct stat info {};
  if (::stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
  const std::string parent = FolderOf(folder);
  if (parent != folder && !MakeFolders(parent)) return false;
  return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

std::string FolderOf(const std::string& path) {
  std::string trimmed = path;
  while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
  const std::size_t slash = trimmed.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return trimmed.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != '/') path += '/';
  path += name;
  return path;
}

}  // namespace lumitile
