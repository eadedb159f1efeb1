#include "ui/canberra_sound_player.h"

#include <canberra.h>

#include <QLoggingCategory>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include "core/data_files.h"

namespace lumitile {

namespace fs = std::filesystem;

namespace {

// Silent unless asked for (QT_LOGGING_RULES="lumitile.sound.debug=true"):
// a machine without sound is normal, not worth a message on every start.
Q_LOGGING_CATEGORY(soundLog, "lumitile.sound", QtInfoMsg)

// Every sound is played under this one id, so cancelling it stops whichever
// sound is still playing.
constexpr uint32_t kPlayId = 1;

struct Entry {
  std::string File;     // absolute path, empty when the file was not found
  std::string EventId;  // the name of the sample in the server's cache
};

std::size_t Slot(Sound sound) { return sound == Sound::Pick ? 0 : 1; }

// The server keeps a "permanent" sample for as long as it runs, across
// restarts of the game. Naming the sample after the file's path, size and
// time stamp makes a changed or moved file upload afresh instead of the
// server playing what an older copy of the game left there.
std::string CacheName(const char* stem, const fs::path& file) {
  std::error_code error;
  const auto size = fs::file_size(file, error);
  const auto stamp = fs::last_write_time(file, error).time_since_epoch().count();
  const std::size_t key = std::hash<std::string>{}(file.string() + '\n' + std::to_string(size) +
                                                   '\n' + std::to_string(stamp));
  char name[64];
  std::snprintf(name, sizeof name, "lumitile-%s-%016zx", stem, key);
  return name;
}

ca_context* OpenOutput(const std::array<Entry, 2>& entries) {
  ca_context* context = nullptr;
  if (int result = ca_context_create(&context); result != CA_SUCCESS) {
    qCDebug(soundLog) << "no sound:" << ca_strerror(result);
    return nullptr;
  }
  ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Lumitile", CA_PROP_APPLICATION_ID,
                          "lumitile", nullptr);
  if (int result = ca_context_open(context); result != CA_SUCCESS) {
    qCDebug(soundLog) << "no sound:" << ca_strerror(result);
    ca_context_destroy(context);
    return nullptr;
  }
  // Uploaded before the first pick, so it only sends a short "play"
  // request. A backend without a cache (ALSA) says so and plays from the
  // file each time, which is fine.
  for (const Entry& entry : entries) {
    if (entry.File.empty()) continue;
    ca_context_cache(context, CA_PROP_EVENT_ID, entry.EventId.c_str(), CA_PROP_MEDIA_FILENAME,
                     entry.File.c_str(), CA_PROP_CANBERRA_CACHE_CONTROL, "permanent", nullptr);
  }
  return context;
}

}  // namespace

// What the player and its thread share. The thread holds it too, so a thread
// left behind by the destructor still finds it.
struct CanberraSoundPlayer::Shared {
  std::array<Entry, 2> entries;  // fixed before the thread starts

  mutable std::mutex mutex;
  mutable std::condition_variable changed;
  Output output = Output::kOpening;
  std::optional<Sound> pending;
  bool stopping = false;
  bool finished = false;

  void Run() {
    ca_context* context = OpenOutput(entries);
    std::unique_lock lock(mutex);
    output = context ? Output::kOpen : Output::kSilent;
    changed.notify_all();
    while (context) {
      changed.wait(lock, [&] { return stopping || pending; });
      if (stopping) break;
      const Entry& entry = entries[Slot(*pending)];
      pending.reset();
      lock.unlock();
      // A failure (the server went away, the device is busy) only means silence.
      ca_context_cancel(context, kPlayId);
      ca_context_play(context, kPlayId, CA_PROP_EVENT_ID, entry.EventId.c_str(),
                      CA_PROP_MEDIA_FILENAME, entry.File.c_str(), CA_PROP_CANBERRA_CACHE_CONTROL,
                      "permanent", nullptr);
      lock.lock();
    }
    lock.unlock();
    // A sound already started keeps playing in the server.
    if (context) ca_context_destroy(context);
    lock.lock();
    finished = true;
    changed.notify_all();
  }
};

CanberraSoundPlayer::CanberraSoundPlayer(const std::vector<fs::path>& folders)
    : shared_(std::make_shared<Shared>()) {
  for (const Sound sound : {Sound::Pick, Sound::Solved}) {
    const auto found = FindDataFile(folders, SoundFileName(sound));
    if (!found) {
      qCDebug(soundLog) << "sound file not found:" << SoundFileName(sound);
      continue;
    }
    std::error_code error;
    fs::path file = fs::absolute(*found, error);
    if (error) file = *found;
    Entry& entry = shared_->entries[Slot(sound)];
    entry.File = file.string();
    entry.EventId = CacheName(sound == Sound::Pick ? "pick" : "solved", file);
  }
  if (shared_->entries[0].File.empty() && shared_->entries[1].File.empty()) {
    shared_->output = Output::kSilent;  // nothing to play
    shared_->finished = true;
    return;
  }
  std::thread([shared = shared_] { shared->Run(); }).detach();
}

CanberraSoundPlayer::~CanberraSoundPlayer() {
  std::unique_lock lock(shared_->mutex);
  shared_->stopping = true;
  shared_->changed.notify_all();
  // Quitting may wait this long for a server that hangs; the thread ends on
  // its own once the server lets go, or with the process.
  shared_->changed.wait_for(lock, std::chrono::seconds(1), [&] { return shared_->finished; });
}

void CanberraSoundPlayer::Play(Sound sound) {
  const std::lock_guard lock(shared_->mutex);
  if (shared_->output != Output::kOpen || shared_->entries[Slot(sound)].File.empty()) return;
  shared_->pending = sound;
  shared_->changed.notify_all();
}

CanberraSoundPlayer::Output CanberraSoundPlayer::State() const {
  const std::lock_guard lock(shared_->mutex);
  return shared_->output;
}

bool CanberraSoundPlayer::CanPlay(Sound sound) const {
  return State() == Output::kOpen && !shared_->entries[Slot(sound)].File.empty();
}

CanberraSoundPlayer::Output CanberraSoundPlayer::WaitWhileOpening(
    std::chrono::milliseconds limit) const {
  std::unique_lock lock(shared_->mutex);
  shared_->changed.wait_for(lock, limit, [&] { return shared_->output != Output::kOpening; });
  return shared_->output;
}

}  // namespace lumitile
