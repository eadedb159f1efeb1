#include "ui/canberra_sound_player.h"

#include <canberra.h>

#include <QLoggingCategory>
#include <cstdio>
#include <functional>
#include <system_error>

#include "core/data_files.h"

namespace lumitile {

namespace fs = std::filesystem;

namespace {

// Silent unless asked for (QT_LOGGING_RULES="lumitile.sound.debug=true"):
// a machine without sound is normal, not worth a message on every start.
Q_LOGGING_CATEGORY(soundLog, "lumitile.sound", QtInfoMsg)

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

}  // namespace

CanberraSoundPlayer::CanberraSoundPlayer(const std::vector<fs::path>& folders) {
  for (const Sound sound : {Sound::Pick, Sound::Solved}) {
    const auto found = FindDataFile(folders, SoundFileName(sound));
    if (!found) {
      qCDebug(soundLog) << "sound file not found:" << SoundFileName(sound);
      continue;
    }
    std::error_code error;
    fs::path file = fs::absolute(*found, error);
    if (error) file = *found;
    Entry& entry = entries_[Slot(sound)];
    entry.File = file.string();
    entry.EventId = CacheName(sound == Sound::Pick ? "pick" : "solved", file);
  }
  if (entries_[0].File.empty() && entries_[1].File.empty()) return;  // nothing to play

  ca_context* context = nullptr;
  if (int result = ca_context_create(&context); result != CA_SUCCESS) {
    qCDebug(soundLog) << "no sound:" << ca_strerror(result);
    return;
  }
  ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Lumitile", CA_PROP_APPLICATION_ID,
                          "lumitile", nullptr);
  if (int result = ca_context_open(context); result != CA_SUCCESS) {
    qCDebug(soundLog) << "no sound:" << ca_strerror(result);
    ca_context_destroy(context);
    return;
  }
  context_ = context;
  // Upload now, while the window is not up yet, so the first pick does not
  // pay for it. A backend without a cache (ALSA) says so and plays from the
  // file each time, which is fine.
  for (const Entry& entry : entries_) {
    if (entry.File.empty()) continue;
    ca_context_cache(context_, CA_PROP_EVENT_ID, entry.EventId.c_str(), CA_PROP_MEDIA_FILENAME,
                     entry.File.c_str(), CA_PROP_CANBERRA_CACHE_CONTROL, "permanent", nullptr);
  }
}

CanberraSoundPlayer::~CanberraSoundPlayer() {
  // A sound already started keeps playing in the server.
  if (context_) ca_context_destroy(context_);
}

bool CanberraSoundPlayer::CanPlay(Sound sound) const {
  return context_ != nullptr && !entries_[Slot(sound)].File.empty();
}

void CanberraSoundPlayer::Play(Sound sound) {
  if (!CanPlay(sound)) return;
  const Entry& entry = entries_[Slot(sound)];
  // Returns once the server has the request; the sound plays on without us.
  // A failure (the server went away, the device is busy) only means silence.
  ca_context_play(context_, 0, CA_PROP_EVENT_ID, entry.EventId.c_str(), CA_PROP_MEDIA_FILENAME,
                  entry.File.c_str(), CA_PROP_CANBERRA_CACHE_CONTROL, "permanent", nullptr);
}

}  // namespace lumitile
