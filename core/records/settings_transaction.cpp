#include "core/records/settings_transaction.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <filesystem>
#include <utility>

namespace lumitile {
namespace {

// Holds the lock from Take until it goes out of scope; closing the
// descriptors releases it, also when the process dies.
//
// The lock is two flocks: on the lock file, which is what every game that
// shares the file has always taken, and on the folder that holds it. The
// lock file alone cannot be made safe: once someone removes it while it is
// held, the next game creates a fresh one and locks that. The folder cannot
// be removed while it holds the settings file, so its lock keeps a second
// change out whatever happens to the lock file.
class SettingsLock {
 public:
  SettingsLock(FileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}

  std::optional<FileFailure> Take() {
    std::optional<FileFailure> failure;
    for (int attempt = 1; attempt <= kLockAttempts; ++attempt) {
      failure = TryOnce();
      if (!failure || failure->step != FileStep::kLock) return failure;
      if (failure->error == EWOULDBLOCK) {
        if (attempt < kLockAttempts) fs_.Pause();
      } else if (failure->error != ESTALE) {
        return failure;
      }
    }
    return failure;
  }

 private:
  FileFailure Failure(int error) const { return {FileStep::kLock, error, path_}; }

  // The lock file, then its folder; ESTALE asks for another try at once.
  std::optional<FileFailure> TryOnce() {
    if (!fileHeld_) {
      if (!file_) {
        if (auto failure = OpenFile()) return failure;
      }
      if (fs_.Flock(file_->get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EBADF || writable_) return Failure(errno);
        // A network disk takes flock as a lock on a byte range, and an
        // exclusive one there needs the file open for writing.
        writable_ = true;
        file_.reset();
        return Failure(ESTALE);
      }
      // Removed or replaced since it was opened: whoever opens the lock now
      // gets another file, which holding this one does not keep them from.
      if (!StillAtItsPath()) {
        file_.reset();
        return Failure(ESTALE);
      }
      fileHeld_ = true;
    }
    if (!folder_) {
      const std::string folder = std::filesystem::path(path_).parent_path().string();
      folder_.emplace(fs_, fs_.Open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
    }
    // A folder this game may not read, or a disk without folder locks,
    // leaves the lock file as the whole lock, as it always was.
    if (folder_->get() < 0 || fs_.Flock(folder_->get(), LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK) {
      return std::nullopt;
    }
    return Failure(EWOULDBLOCK);
  }

  std::optional<FileFailure> OpenFile() {
    // Read-only where it can be: flock needs no write access, so a lock
    // file another user made, or one left read-only, still serves. Only a
    // plain file is the lock: a link is not followed out of the folder, and
    // a FIFO does not block the open.
    const int flags = (writable_ ? O_RDWR : O_RDONLY) | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    file_.emplace(fs_, fs_.Open(path_, flags, 0666));
    if (file_->get() < 0) {
      const int error = errno;
      file_.reset();
      // A folder refuses with EISDIR, a link with ELOOP, a socket with ENXIO.
      if (error == EISDIR || error == ELOOP || error == ENXIO) return FileFailure{FileStep::kLockNotFile, 0, path_};
      return Failure(error);
    }
    if (fs_.Fstat(file_->get(), opened_) != 0) return Failure(errno);
    if (!S_ISREG(opened_.st_mode)) return FileFailure{FileStep::kLockNotFile, 0, path_};
    return std::nullopt;
  }

  bool StillAtItsPath() {
    struct stat now {};
    return fs_.Stat(path_, now) == 0 && now.st_dev == opened_.st_dev && now.st_ino == opened_.st_ino;
  }

  FileSystem& fs_;
  std::string path_;
  std::optional<Descriptor> file_, folder_;
  struct stat opened_ {};
  bool writable_ = false, fileHeld_ = false;
};

}  // namespace

std::string LockPathFor(const std::string& settingsName) {
  std::filesystem::path lock(settingsName);
  return lock.replace_filename("." + lock.filename().string() + ".lock").string();
}

SettingsSnapshot ReadSettings(const SettingsFiles& files, FileSystem& fs) {
  std::optional<SettingsLock> lock;
  if (!files.writePath.empty()) lock.emplace(fs, LockPathFor(files.NamePath())).Take();
  return PeekSettings(files, fs);
}

SettingsSnapshot PeekSettings(const SettingsFiles& files, FileSystem& fs) {
  const FileContent content = ReadFileBytes(files.readPath, fs);
  if (content.state == FileContent::State::kUnreadable) return {IniFile(), content.failure};
  return {IniFile::Parse(content.bytes), std::nullopt};
}

std::optional<FileFailure> ChangeSettings(const SettingsFiles& files,
                                          const std::function<void(IniFile&)>& change,
                                          FileSystem& fs) {
  const std::string& path = files.writePath;
  if (path.empty()) return FileFailure{FileStep::kMakeFolder, ENOENT, path};
  const std::string folder = std::filesystem::path(path).parent_path().string();
  if (files.createFolder && !MakeFolders(folder, fs)) return FileFailure{FileStep::kMakeFolder, errno, folder};
  SettingsLock lock(fs, LockPathFor(files.NamePath()));
  if (auto failure = lock.Take()) return failure;
  // Under the lock no other game is writing one, so every match is left over.
  RemoveLeftTemporaryFiles(path, fs);

  FileContent current = ReadFileBytes(path, fs);
  const bool exists = current.state != FileContent::State::kMissing;
  // A first write into the user's folder starts from the file kept beside the game.
  if (!exists && !files.seedPath.empty()) current = ReadFileBytes(files.seedPath, fs);
  if (current.state == FileContent::State::kUnreadable) return current.failure;

  IniFile file = IniFile::Parse(current.bytes);
  change(file);
  const std::string bytes = file.Bytes();
  // Start-up writes back every value it has just read; a file that already
  // says exactly this is left alone rather than replaced and flushed again.
  // A change that decided against changing anything (a time that is no
  // record) creates no empty file either.
  if (bytes == current.bytes && (exists || bytes.empty())) return std::nullopt;
  if (bytes.size() > kMaxSettingsFileBytes) return FileFailure{FileStep::kTooLarge, EFBIG, path};
  return ReplaceFile(path, bytes, fs);
}

}  // namespace lumitile
