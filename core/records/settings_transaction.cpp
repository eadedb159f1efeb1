#include "core/records/settings_transaction.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <filesystem>
#include <utility>

namespace lumitile {
namespace {

// Holds the lock from Take until it goes out of scope; closing the
// descriptor releases it, also when the process dies.
class SettingsLock {
 public:
  SettingsLock(FileSystem& fs, std::string path)
      : fs_(fs),
        path_(std::move(path)),
        fd_(fs, fs.Open(path_, O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666)),
        openError_(fd_.get() < 0 ? errno : 0) {}

  std::optional<FileFailure> Take() {
    if (fd_.get() < 0) return FileFailure{FileStep::kLock, openError_, path_};
    for (int attempt = 1;; ++attempt) {
      if (fs_.Flock(fd_.get(), LOCK_EX | LOCK_NB) == 0) return std::nullopt;
      if (errno != EWOULDBLOCK || attempt == kLockAttempts) {
        return FileFailure{FileStep::kLock, errno, path_};
      }
      fs_.Pause();
    }
  }

 private:
  FileSystem& fs_;
  std::string path_;
  Descriptor fd_;
  int openError_;
};

void RemoveStaleTemporaryFiles(const std::string& settingsPath, FileSystem& fs) {
  const std::filesystem::path settings(settingsPath), folder = settings.parent_path();
  std::vector<std::string> entries;
  if (fs.List(folder.string(), entries) != 0) return;
  // Under the lock no other game is writing one, so every match is left over.
  for (const std::string& entry : entries) {
    if (IsTemporaryFileFor(entry, settings.filename().string())) fs.Unlink((folder / entry).string());
  }
}

}  // namespace

std::string LockPathFor(const std::string& settingsName) {
  std::filesystem::path lock(settingsName);
  return lock.replace_filename("." + lock.filename().string() + ".lock").string();
}

SettingsSnapshot ReadSettings(const SettingsFiles& files, FileSystem& fs) {
  std::optional<SettingsLock> lock;
  if (!files.writePath.empty()) lock.emplace(fs, LockPathFor(files.NamePath())).Take();
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
  RemoveStaleTemporaryFiles(path, fs);

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
