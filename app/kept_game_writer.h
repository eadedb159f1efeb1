// Keeps the game in progress on a thread of its own, so the window never
// waits on the disk: the window hands over the game's bytes after each move,
// and the writer puts the newest on disk, at most once a second. A crash, a
// kill or a power cut then loses at most the last second of play.
#pragma once

#include <QObject>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "core/records/file_store.h"

namespace lumitile {

class KeptGameFile;

class KeptGameWriter : public QObject {
  Q_OBJECT

 public:
  static constexpr std::chrono::milliseconds kLeastGap{1000};

  explicit KeptGameWriter(KeptGameFile& file, std::chrono::milliseconds leastGap = kLeastGap,
                          QObject* parent = nullptr);
  // What was handed over and not yet written is written first.
  ~KeptGameWriter() override;

  // The game to keep now, or nothing when the file should go. Written at
  // once when the last write is leastGap old, else then; a newer game
  // handed over meanwhile takes its place.
  void Keep(std::optional<std::string> bytes);
  // Bytes known to be in the file already, so they are not written again.
  void OnDisk(std::string bytes);
  // Waits until what was handed over is on disk, without the gap; what
  // failed, when the last write did.
  std::optional<FileFailure> Flush();

 signals:
  // A write failed; delivered on the thread that made the writer.
  void Failed(const FileFailure& failure);

 private:
  using Bytes = std::optional<std::string>;  // nothing: the file goes
  void Run();

  KeptGameFile& file_;
  const std::chrono::milliseconds leastGap_;
  std::mutex mutex_;
  std::condition_variable changed_;
  Bytes wanted_;
  Bytes onDisk_;  // what the file holds, when known
  bool onDiskKnown_ = false;
  uint64_t handed_ = 0, done_ = 0, flushTo_ = 0;  // numbered hand-overs
  std::optional<FileFailure> lastFailure_;
  std::chrono::steady_clock::time_point lastWrite_{};
  bool ending_ = false;
  std::thread thread_;
};

}  // namespace lumitile
