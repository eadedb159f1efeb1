#include "core/records/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

namespace lumitile {
namespace {

class PosixFileSystem final : public FileSystem {
 public:
  int Open(const std::string& path, int flags, mode_t mode) override {
    int fd;
    do fd = ::open(path.c_str(), flags, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
  }
  int Close(int fd) override { return ::close(fd); }
  int Fstat(int fd, struct stat& info) override { return ::fstat(fd, &info); }
  int Stat(const std::string& path, struct stat& info) override {
    return ::stat(path.c_str(), &info);
  }
  ssize_t Read(int fd, void* buffer, std::size_t size) override {
    ssize_t got;
    do got = ::read(fd, buffer, size);
    while (got < 0 && errno == EINTR);
    return got;
  }
  ssize_t Write(int fd, const void* bytes, std::size_t size) override {
    ssize_t written;
    do written = ::write(fd, bytes, size);
    while (written < 0 && errno == EINTR);
    return written;
  }
  int Fsync(int fd) override { return ::fsync(fd); }
  int Fchmod(int fd, mode_t mode) override { return ::fchmod(fd, mode); }
  int Flock(int fd, int operation) override {
    int result;
    do result = ::flock(fd, operation);
    while (result < 0 && errno == EINTR);
    return result;
  }
  int Rename(const std::string& from, const std::string& to) override {
    return ::rename(from.c_str(), to.c_str());
  }
  int Unlink(const std::string& path) override { return ::unlink(path.c_str()); }
  int Mkdir(const std::string& path, mode_t mode) override { return ::mkdir(path.c_str(), mode); }
  int List(const std::string& folder, std::vector<std::string>& names) override {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return -1;
    names.clear();
    while (const dirent* entry = ::readdir(dir)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(dir);
    return 0;
  }
  void Pause() override {
    const timespec pause{0, 20'000'000};
    ::nanosleep(&pause, nullptr);
  }
};

}  // namespace

FileSystem& SystemFileSystem() {
  static PosixFileSystem fs;
  return fs;
}

}  // namespace lumitile
