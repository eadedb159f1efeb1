// The game's sounds through libcanberra, which hands them to the desktop's
// sound server (PulseAudio or PipeWire) or, failing that, to ALSA.
//
// Both files are looked up once, when the player is made, and uploaded to the
// server's sample cache so a click only sends a short "play" request: Play
// never waits for a sound to end. A missing file, no sound server or no sound
// device leaves the game silent and otherwise unchanged.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "ui/sound_player.h"

struct ca_context;

namespace lumitile {

class CanberraSoundPlayer final : public SoundPlayer {
 public:
  // folders: where to look for the sound files, in order (see DataFolders).
  explicit CanberraSoundPlayer(const std::vector<std::filesystem::path>& folders);
  ~CanberraSoundPlayer() override;
  CanberraSoundPlayer(const CanberraSoundPlayer&) = delete;
  CanberraSoundPlayer& operator=(const CanberraSoundPlayer&) = delete;

  void Play(Sound sound) override;

  // Whether Play can be heard: the sound output opened and the file was found.
  bool CanPlay(Sound sound) const;

 private:
  struct Entry {
    std::string File;     // absolute path, empty when the file was not found
    std::string EventId;  // the name of the sample in the server's cache
  };
  static std::size_t Slot(Sound sound) { return sound == Sound::Pick ? 0 : 1; }

  ca_context* context_ = nullptr;  // null when no sound output could be opened
  std::array<Entry, 2> entries_;
};

}  // namespace lumitile
