// A file system held in memory, for the settings-file tests: files and
// folders, descriptors, flock, a disk that fills up, and a call that fails,
// or stops dead as a killed process would.
#pragma once

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/records/file_store.h"
#include "core/records/file_system.h"

namespace lumitile::testing_support {

class MemoryFileSystem final : public FileSystem {
 public:
  MemoryFileSystem() { MakeFolder("/"); }

  // Test set-up and inspection, with the parent folder assumed to exist.
  void Put(const std::string& path, std::string bytes) {
    entries_[path] = std::make_shared<Node>(Node{false, bytes, ++inodes_});
  }
  void MakeFolder(const std::string& path) { entries_[path] = std::make_shared<Node>(Node{true, {}, ++inodes_}); }
  std::optional<std::string> Get(const std::string& path) const {
    return !entries_.count(path) || IsFolder(path) ? std::nullopt : std::optional(entries_.at(path)->bytes);
  }
  // Call number `call` from now on (counting from 1) fails with EIO, ENOSPC
  // for a write. With kill, that call and every later one fail without
  // reaching the disk, which is then as a process killed there leaves it.
  void FailAt(int call, bool kill) { failAt_ = call; kill_ = kill; calls_ = 0; dead_ = false; }
  bool reached() const { return calls_ >= failAt_; }
  // What a process's death does: its descriptors close, its locks go, the fault plan ends.
  void ForgetOpenFiles() { open_.clear(); failAt_ = 0; dead_ = false; }
  std::optional<std::size_t> spaceLeft;  // bytes that may still be written; unset: no limit
  int pauses = 0;
  // What another process does just before every flock: removing or replacing the lock file.
  std::function<void()> beforeFlock;
  // What reached the disk, in order: "write", "fsync" and "close" of a
  // written file, "rename" and "unlink", each with its path.
  std::vector<std::string> journal;

  int Open(const std::string& path, int flags, mode_t) override {
    if (!Step(EIO)) return -1;
    const bool exists = entries_.count(path);
    if (!IsFolder(Parent(path)) || (!exists && !(flags & O_CREAT))) return Fail(ENOENT);
    if (exists && flags & O_CREAT && flags & O_EXCL) return Fail(EEXIST);
    if (!exists) Put(path, {});
    if (flags & O_TRUNC) entries_[path]->bytes.clear();  // in place: other descriptors see it
    open_[nextFd_] = OpenFile{entries_[path], path};
    return nextFd_++;
  }
  int Close(int fd) override {
    const bool passes = Step(EIO);
    if (dead_) return -1;
    if (open_.count(fd) && open_[fd].written) journal.push_back("close " + open_[fd].path);
    if (open_.erase(fd) != 1) return Fail(EBADF);  // a failed close still frees it
    return passes ? 0 : Fail(EIO);
  }
  int Fstat(int fd, struct stat& info) override {
    return Step(EIO) ? Describe(open_.count(fd) ? open_[fd].node.get() : nullptr, info) : -1;
  }
  int Stat(const std::string& path, struct stat& info) override {
    return Step(EIO) ? Describe(entries_.count(path) ? entries_[path].get() : nullptr, info) : -1;
  }
  ssize_t Read(int fd, void* buffer, std::size_t size) override {
    OpenFile* file = Find(fd, EIO);
    if (!file) return -1;
    const std::string part = file->node->bytes.substr(std::min(file->offset, file->node->bytes.size()), size);
    file->offset += part.copy(static_cast<char*>(buffer), part.size());
    return static_cast<ssize_t>(part.size());
  }
  ssize_t Write(int fd, const void* bytes, std::size_t size) override {
    OpenFile* file = Find(fd, ENOSPC);
    if (!file) return -1;
    const std::size_t fits = std::min(size, spaceLeft.value_or(size));
    if (fits == 0) return Fail(ENOSPC);
    if (spaceLeft) *spaceLeft -= fits;
    if (!file->written) journal.push_back("write " + file->path);
    file->written = true;
    file->node->bytes.replace(file->offset, fits, static_cast<const char*>(bytes), fits);
    file->offset += fits;
    return static_cast<ssize_t>(fits);
  }
  int Fsync(int fd) override {
    OpenFile* file = Find(fd, EIO);
    if (file) journal.push_back("fsync " + file->path);
    return file ? 0 : -1;
  }
  int Fchmod(int fd, mode_t) override { return Find(fd, EIO) ? 0 : -1; }
  int Flock(int fd, int operation) override {
    if (beforeFlock) beforeFlock();
    OpenFile* file = Find(fd, EIO);
    if (!file) return -1;
    for (const auto& [otherFd, other] : open_) {
      if (otherFd == fd || other.node != file->node || !other.locked) continue;
      if (operation & LOCK_NB) return Fail(EWOULDBLOCK);
      std::abort();  // would wait for ever: nobody else runs
    }
    file->locked = (operation & LOCK_EX) != 0;
    return 0;
  }
  int Rename(const std::string& from, const std::string& to) override {
    if (!Step(EIO)) return -1;
    if (!entries_.count(from) || !entries_.count(Parent(to))) return Fail(ENOENT);
    entries_[to] = entries_[from];
    entries_.erase(from);
    journal.push_back("rename " + from + " " + to);
    return 0;
  }
  int Unlink(const std::string& path) override {
    if (!Step(EIO)) return -1;
    if (entries_.erase(path) != 1) return Fail(ENOENT);
    journal.push_back("unlink " + path);
    return 0;
  }
  int Mkdir(const std::string& path, mode_t) override {
    if (!Step(EIO)) return -1;
    if (entries_.count(path)) return Fail(EEXIST);
    if (!entries_.count(Parent(path))) return Fail(ENOENT);
    MakeFolder(path);
    return 0;
  }
  int List(const std::string& folder, std::vector<std::string>& names) override {
    if (!Step(EIO)) return -1;
    if (!IsFolder(folder)) return Fail(ENOTDIR);
    names.clear();
    for (const auto& [path, node] : entries_)
      if (path != folder && Parent(path) == folder) names.push_back(std::filesystem::path(path).filename());
    return 0;
  }
  void Pause() override { ++pauses; }

 private:
  struct Node { bool folder; std::string bytes; ino_t inode; };
  struct OpenFile { std::shared_ptr<Node> node; std::string path; std::size_t offset = 0; bool locked = false, written = false; };

  static int Fail(int error) { errno = error; return -1; }
  // Whether this call goes through.
  bool Step(int error) {
    if (dead_) return Fail(EIO) == 0;
    if (++calls_ != failAt_) return true;
    dead_ = kill_;
    return Fail(error) == 0;
  }
  OpenFile* Find(int fd, int error) {
    if (!Step(error)) return nullptr;
    if (open_.count(fd)) return &open_[fd];
    Fail(EBADF);
    return nullptr;
  }
  static std::string Parent(const std::string& path) { return std::filesystem::path(path).parent_path().string(); }
  bool IsFolder(const std::string& path) const { return entries_.count(path) && entries_.at(path)->folder; }
  static int Describe(const Node* node, struct stat& info) {
    if (!node) return Fail(ENOENT);
    info = {};
    info.st_mode = node->folder ? S_IFDIR | 0755 : S_IFREG | 0644;
    info.st_size = static_cast<off_t>(node->bytes.size());
    info.st_ino = node->inode;
    return 0;
  }

  std::map<std::string, std::shared_ptr<Node>> entries_;
  std::map<int, OpenFile> open_;
  int nextFd_ = 3, failAt_ = 0, calls_ = 0;
  ino_t inodes_ = 0;
  bool kill_ = false, dead_ = false;
};

}  // namespace lumitile::testing_support
