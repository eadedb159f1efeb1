// The system calls the settings file is read and written with, behind an
// interface: the game passes SystemFileSystem(), tests pass one held in
// memory that can fail, or stop dead as a killed process would, at any call.
// Every call answers as the system call does: -1 with errno set on failure.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <string>
#include <vector>

namespace lumitile {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual int Open(const std::string& path, int flags, mode_t mode) = 0;
  virtual int Close(int fd) = 0;
  virtual int Fstat(int fd, struct stat& info) = 0;
  virtual int Stat(const std::string& path, struct stat& info) = 0;
  virtual ssize_t Read(int fd, void* buffer, std::size_t size) = 0;
  virtual ssize_t Write(int fd, const void* bytes, std::size_t size) = 0;
  virtual int Fsync(int fd) = 0;
  virtual int Fchmod(int fd, mode_t mode) = 0;
  virtual int Flock(int fd, int operation) = 0;
  virtual int Rename(const std::string& from, const std::string& to) = 0;
  virtual int Unlink(const std::string& path) = 0;
  virtual int Mkdir(const std::string& path, mode_t mode) = 0;
  // The names in folder, without "." and ".."; -1 when it cannot be listed.
  virtual int List(const std::string& folder, std::vector<std::string>& names) = 0;
  // Waits a moment before a busy lock is tried again.
  virtual void Pause() = 0;
};

FileSystem& SystemFileSystem();

// Closes the descriptor it owns when it goes out of scope.
class Descriptor {
 public:
  Descriptor(FileSystem& fs, int fd) : fs_(&fs), fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) fs_->Close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now; -1 with errno when the close reports a failed write.
  int Close() {
    const int fd = fd_;
    fd_ = -1;
    return fs_->Close(fd);
  }

 private:
  FileSystem* fs_;
  int fd_;
};

}  // namespace lumitile
