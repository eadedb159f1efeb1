// The best-time table and every change of the settings file. The file is the
// truth about the records: the book reads it again before it judges a solve
// or shows the table, and changes it only in one locked read-modify-write
// (Profile::Edit), so two running games never write over each other. What
// the file did not take is told once per cause; the table in memory always
// says what the file said last.
//
// Every trip to the file that may wait (for another game's lock, or a slow
// disk) leaves the book as a FileErrand: the view runs it off its own
// thread, in the order the errands came, and hands the reply back through
// Take. Until then the table shows what the file held before: a record shows
// once it is on disk.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "core/records/best_times.h"
#include "core/records/cannot_save.h"
#include "core/records/profile.h"

namespace lumitile {

// A record that waits for its holder's name: the solve time exactly as it
// was judged, and the level it was judged at.
struct PendingRecord {
  int32_t Seconds = 0;
  int Level = 0;
  bool operator==(const PendingRecord&) const = default;
};

// What an errand came to: the file as it is after it, and for a write the
// step that failed.
struct FileReply {
  std::optional<Keeping> What;
  std::optional<PendingRecord> Solve;
  IniFile File;
  std::optional<FileFailure> Failure;
};

// One trip to the settings file, holding all it needs, so it runs on any
// thread while the book goes on.
struct FileErrand {
  Profile* Settings = nullptr;
  std::optional<Keeping> What;           // nothing: a read, which writes nothing
  std::function<void(IniFile&)> Change;  // a write's change of the file as it is then
  std::optional<PendingRecord> Solve;    // a solve to judge against the file as read

  // Waits for the lock and the disk as long as they take.
  FileReply Run() const;
};

// What one reply came to: whether the file holds the change, the trouble
// to tell (only the first time for its cause), and a solve that beat the
// file's best time and now waits for a name.
struct FileChange {
  bool Saved = false;
  std::optional<CannotSave> Trouble;
  bool RecordWaiting = false;
};

class RecordBook {
 public:
  explicit RecordBook(Profile& settings) : settings_(settings) {}

  // Start-up's first look, without waiting for another game's lock: the
  // file as it is, and the table read from it.
  IniFile Look();
  // Start-up's change: the table and the level read and written back in the
  // same change, so a missing file or key is created with its default and a
  // record another game stores meanwhile is not overwritten.
  FileErrand Open();
  // Any change of the settings file goes through here.
  FileErrand Change(Keeping what, std::function<void(IniFile&)> change);

  // A solve in seconds on a board dealt at level, to be judged against the
  // file as it is by then: it waits for a name when it beats the best time
  // (an equal time is none).
  FileErrand Judge(int32_t seconds, int level);
  // The name, fitted to 20 characters, and the pending time go to the
  // pending level in one change, if the time still beats what the file holds
  // by then. Nothing when no record waits.
  std::optional<FileErrand> Confirm(std::string_view name);
  void Dismiss() { pending_.reset(); }
  // Every record cleared and the level set to beginner, as one change.
  FileErrand Clear();
  // The table as the file holds it; writes nothing.
  FileErrand Reread();

  // An errand's reply taken in: the table as the file held it, the solve
  // judged, the trouble told once per cause.
  FileChange Take(const FileReply& reply);

  const BestTimes& Table() const { return table_; }
  const std::optional<PendingRecord>& Pending() const { return pending_; }

 private:
  Profile& settings_;
  BestTimes table_ = EmptyBestTimes();
  std::optional<PendingRecord> pending_;
  std::vector<FileFailure> told_;
};

}  // namespace lumitile
