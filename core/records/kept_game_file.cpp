#include "core/records/kept_game_file.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <filesystem>
#include <utility>

namespace lumitile {

namespace {

// "<folder>/.lumitile.sav.lock". Never removed: removing it would let a
// third copy lock a fresh file while the first still holds the old one.
std::string LockPathFor(const std::string& path) {
  std::filesystem::path lock(path);
  return lock.replace_filename("." + lock.filename().string() + ".lock").string();
}

}  // namespace

KeptGameFile::KeptGameFile(std::string path, bool createFolder, FileSystem& fs)
    : path_(std::move(path)), createFolder_(createFolder), fs_(&fs) {}

KeptGameFile KeptGameFile::For(const ProgramPlace& program) {
  const SettingsFiles files = LocateSettings(program);
  if (files.writePath.empty()) return KeptGameFile("");
  // Beside the settings file's name, never beside a link's target.
  const std::filesystem::path kept = std::filesystem::path(files.NamePath()).replace_filename(kKeptGameFileName);
  return KeptGameFile(FollowLink(kept.string()), files.createFolder);
}

KeptGameFile KeptGameFile::ForThisProgram() { return For(ThisProgram().value_or(ProgramPlace{"", "lumitile"})); }

KeptGameFile::~KeptGameFile() {
  if (lock_ >= 0) fs_->Close(lock_);
}

KeptGameFile::KeptGameFile(KeptGameFile&& other) noexcept
    : path_(std::move(other.path_)),
      createFolder_(other.createFolder_),
      fs_(other.fs_),
      owner_(other.owner_),
      claimFailure_(std::move(other.claimFailure_)),
      lock_(std::exchange(other.lock_, -1)) {}

KeptGameOwner KeptGameFile::Claim() {
  if (owner_) return *owner_;
  // Every failure names the kept game's file: that is the file the player knows.
  const auto refused = [this](KeptGameOwner owner, FileStep step, int error) {
    claimFailure_ = FileFailure{step, error, path_};
    return *(owner_ = owner);
  };
  if (path_.empty()) return refused(KeptGameOwner::kNobody, FileStep::kMakeFolder, ENOENT);
  if (createFolder_ && !MakeFolders(std::filesystem::path(path_).parent_path().string(), *fs_)) {
    return refused(KeptGameOwner::kNobody, FileStep::kMakeFolder, errno);
  }
  lock_ = fs_->Open(LockPathFor(path_), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
  if (lock_ < 0) return refused(KeptGameOwner::kNobody, FileStep::kLock, errno);
  // Held for the whole run, so never waited for: the other copy may play on for hours.
  if (fs_->Flock(lock_, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    fs_->Close(std::exchange(lock_, -1));
    return refused(error == EWOULDBLOCK ? KeptGameOwner::kAnotherCopy : KeptGameOwner::kNobody, FileStep::kLock,
                   error);
  }
  RemoveLeftTemporaryFiles(path_, *fs_);
  return *(owner_ = KeptGameOwner::kThisCopy);
}

std::string KeptGameFile::Read(std::size_t maxBytes) {
  if (path_.empty() || Claim() == KeptGameOwner::kAnotherCopy) return {};
  FileContent content = ReadFileBytes(path_, *fs_);
  if (content.state != FileContent::State::kRead || content.bytes.size() > maxBytes) return {};
  return std::move(content.bytes);
}

std::optional<FileFailure> KeptGameFile::MayWrite() {
  if (Claim() == KeptGameOwner::kThisCopy) return std::nullopt;
  return claimFailure_;
}

std::optional<FileFailure> KeptGameFile::Keep(std::string_view bytes) {
  if (auto refused = MayWrite()) return refused;
  // A folder or a device in the file's place is left as it is, as the
  // settings file's would be, and said so.
  struct stat info {};
  if (fs_->Stat(path_, info) == 0 && !S_ISREG(info.st_mode)) return FileFailure{FileStep::kNotRegularFile, 0, path_};
  return ReplaceFile(path_, bytes, *fs_);
}

std::optional<FileFailure> KeptGameFile::Forget() {
  if (auto refused = MayWrite()) return refused;
  if (fs_->Unlink(path_) != 0 && errno != ENOENT) return FileFailure{FileStep::kRemove, errno, path_};
  return std::nullopt;
}

}  // namespace lumitile
