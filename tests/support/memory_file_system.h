// A file system held in memory, for the settings-file tests and the fuzz
// target: files and folders, descriptors, flock, a disk that can fill up,
// and a call that fails, or stops dead as a killed process would.
#pragma once

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
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
  enum class Kind { kFile, kFolder };

  MemoryFileSystem() { Add("/", Kind::kFolder, {}); }

  // Test set-up and inspection, with the parent folder assumed to exist.
  void Put(const std::string& path, std::string bytes) { Add(path, Kind::kFile, std::move(bytes)); }
  void MakeFolder(const std::string& path) { Add(path, Kind::kFolder, {}); }
  std::optional<std::string> Get(const std::string& path) const {
    const auto found = entries_.find(path);
    if (found == entries_.end() || found->second->kind != Kind::kFile) return std::nullopt;
    return found->second->bytes;
  }
  std::vector<std::string> Names(const std::string& folder) const {
    std::vector<std::string> names;
    for (const auto& [path, node] : entries_) {
      if (path != folder && FolderOf(path) == folder) names.push_back(NameOf(path));
    }
    return names;
  }
  // Call number `call` from now on (counting from 1) fails with EIO, ENOSPC
  // for a write. With kill, that call and every later one fail without
  // reaching the disk, which is then as a process killed there leaves it.
  // ForgetOpenFiles ends the plan.
  void FailAt(int call, bool kill) {
    failAt_ = call;
    kill_ = kill;
    calls_ = 0;
    dead_ = false;
  }
  // Whether the calls got as far as the one set to fail.
  bool reached() const { return calls_ >= failAt_; }
  // What a process's death does: its descriptors close and its locks go.
  void ForgetOpenFiles() {
    open_.clear();
    failAt_ = 0;
    dead_ = false;
  }
  // Bytes that may still be written; unlimited when unset.
  std::optional<std::size_t> spaceLeft;
  int pauses = 0;

  int Open(const std::string& path, int flags, mode_t mode) override {
    if (!Step(EIO)) return -1;
    const auto parent = entries_.find(FolderOf(path));
    if (parent == entries_.end() || parent->second->kind != Kind::kFolder) return Fail(ENOENT);
    auto found = entries_.find(path);
    const bool writes = (flags & O_ACCMODE) != O_RDONLY;
    if (found == entries_.end()) {
      if (!(flags & O_CREAT)) return Fail(ENOENT);
      found = entries_.emplace(path, std::make_shared<Node>(Node{Kind::kFile, {}, mode & 0755})).first;
    } else if (flags & O_CREAT && flags & O_EXCL) {
      return Fail(EEXIST);
    }
    const Node& node = *found->second;
    if (flags & O_DIRECTORY && node.kind != Kind::kFolder) return Fail(ENOTDIR);
    if (node.kind == Kind::kFolder && writes) return Fail(EISDIR);
    if (flags & O_TRUNC) found->second->bytes.clear();
    open_[nextFd_] = OpenFile{found->second, 0};
    return nextFd_++;
  }
  int Close(int fd) override {
    const bool passes = Step(EIO);
    if (dead_) return -1;
    // A failed close still frees the descriptor.
    if (open_.erase(fd) != 1) return Fail(EBADF);
    return passes ? 0 : Fail(EIO);
  }
  int Fstat(int fd, struct stat& info) override {
    if (!Step(EIO)) return -1;
    const auto file = open_.find(fd);
    if (file == open_.end()) return Fail(EBADF);
    Describe(*file->second.node, info);
    return 0;
  }
  int Stat(const std::string& path, struct stat& info) override {
    if (!Step(EIO)) return -1;
    const auto found = entries_.find(path);
    if (found == entries_.end()) return Fail(ENOENT);
    Describe(*found->second, info);
    return 0;
  }
  ssize_t Read(int fd, void* buffer, std::size_t size) override {
    if (!Step(EIO)) return -1;
    const auto file = open_.find(fd);
    if (file == open_.end()) return Fail(EBADF);
    const Node& node = *file->second.node;
    if (node.kind == Kind::kFolder) return Fail(EISDIR);
    std::size_t& offset = file->second.offset;
    const std::size_t got = offset < node.bytes.size() ? std::min(size, node.bytes.size() - offset) : 0;
    if (got > 0) std::memcpy(buffer, node.bytes.data() + offset, got);
    offset += got;
    return static_cast<ssize_t>(got);
  }
  ssize_t Write(int fd, const void* bytes, std::size_t size) override {
    if (!Step(ENOSPC)) return -1;
    const auto file = open_.find(fd);
    if (file == open_.end()) return Fail(EBADF);
    std::size_t fits = size;
    if (spaceLeft) {
      if (*spaceLeft == 0) return Fail(ENOSPC);
      fits = std::min(size, *spaceLeft);
      *spaceLeft -= fits;
    }
    Node& node = *file->second.node;
    std::size_t& offset = file->second.offset;
    if (node.bytes.size() < offset + fits) node.bytes.resize(offset + fits);
    if (fits > 0) std::memcpy(node.bytes.data() + offset, bytes, fits);
    offset += fits;
    return static_cast<ssize_t>(fits);
  }
  int Fsync(int fd) override { return !Step(EIO) ? -1 : open_.count(fd) ? 0 : Fail(EBADF); }
  int Fchmod(int fd, mode_t mode) override {
    if (!Step(EIO)) return -1;
    const auto file = open_.find(fd);
    if (file == open_.end()) return Fail(EBADF);
    file->second.node->mode = mode;
    return 0;
  }
  int Flock(int fd, int operation) override {
    if (!Step(EIO)) return -1;
    const auto file = open_.find(fd);
    if (file == open_.end()) return Fail(EBADF);
    const Node* node = file->second.node.get();
    for (const auto& [otherFd, other] : open_) {
      if (otherFd != fd && other.node.get() == node && other.locked) {
        if (operation & LOCK_NB) return Fail(EWOULDBLOCK);
        std::abort();  // would wait for ever: nobody else runs
      }
    }
    file->second.locked = (operation & LOCK_EX) != 0;
    return 0;
  }
  int Rename(const std::string& from, const std::string& to) override {
    if (!Step(EIO)) return -1;
    const auto source = entries_.find(from);
    if (source == entries_.end()) return Fail(ENOENT);
    if (!entries_.count(FolderOf(to))) return Fail(ENOENT);
    const auto target = entries_.find(to);
    if (target != entries_.end() && target->second->kind == Kind::kFolder) return Fail(EISDIR);
    entries_[to] = source->second;
    entries_.erase(from);
    return 0;
  }
  int Unlink(const std::string& path) override {
    if (!Step(EIO)) return -1;
    const auto found = entries_.find(path);
    if (found == entries_.end()) return Fail(ENOENT);
    if (found->second->kind == Kind::kFolder) return Fail(EISDIR);
    entries_.erase(found);
    return 0;
  }
  int Mkdir(const std::string& path, mode_t) override {
    if (!Step(EIO)) return -1;
    if (entries_.count(path)) return Fail(EEXIST);
    if (!entries_.count(FolderOf(path))) return Fail(ENOENT);
    MakeFolder(path);
    return 0;
  }
  int List(const std::string& folder, std::vector<std::string>& names) override {
    if (!Step(EIO)) return -1;
    const auto found = entries_.find(folder);
    if (found == entries_.end() || found->second->kind != Kind::kFolder) return Fail(ENOTDIR);
    names = Names(folder);
    return 0;
  }
  void Pause() override { ++pauses; }

 private:
  struct Node {
    Kind kind;
    std::string bytes;
    mode_t mode;
  };
  struct OpenFile {
    std::shared_ptr<Node> node;
    std::size_t offset;
    bool locked = false;
  };

  static int Fail(int error) {
    errno = error;
    return -1;
  }
  // Whether this call goes through.
  bool Step(int error) {
    if (dead_) return Fail(EIO) == 0;
    if (++calls_ != failAt_) return true;
    dead_ = kill_;
    return Fail(error) == 0;
  }
  void Add(const std::string& path, Kind kind, std::string bytes) {
    entries_[path] = std::make_shared<Node>(Node{kind, std::move(bytes), 0644});
  }
  static void Describe(const Node& node, struct stat& info) {
    info = {};
    info.st_mode = (node.kind == Kind::kFile ? S_IFREG : S_IFDIR) | node.mode;
    info.st_size = static_cast<off_t>(node.bytes.size());
  }

  std::map<std::string, std::shared_ptr<Node>> entries_;
  std::map<int, OpenFile> open_;
  int nextFd_ = 3;
  int failAt_ = 0;
  bool kill_ = false;
  int calls_ = 0;
  bool dead_ = false;
};

}  // namespace lumitile::testing_support
