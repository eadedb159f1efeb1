// The best-time table and every change of the settings file. The file is the
// truth about the records: the book reads it again before it judges a solve
// or shows the table, and changes it only in one locked read-modify-write
// (Profile::Edit), so two running games never write over each other. What
// the file did not take is told once per cause; the table in memory always
// says what the file says.
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

// What one change of the file came to: the file as it is after it, whether
// it holds the change, and the trouble to tell (only the first time for its
// cause).
struct FileChange {
  IniFile File;
  bool Saved = false;
  std::optional<CannotSave> Trouble;
};

class RecordBook {
 public:
  explicit RecordBook(Profile& settings) : settings_(settings) {}

  // Start-up: the table and the level read and written back in the same
  // change, so a missing file or key is created with its default and a
  // record another game stores meanwhile is not overwritten.
  FileChange Open();
  // Any change of the settings file goes through here.
  FileChange Change(Keeping what, const std::function<void(IniFile&)>& change);

  // A solve in seconds on a board dealt at level, judged against the file
  // as it is now: true when it beats the best time (an equal time is none)
  // and waits for a name.
  bool Judge(int32_t seconds, int level);
  // The name, fitted to 20 characters, and the pending time go to the
  // pending level in one change, if the time still beats what the file holds
  // by now. Nothing when no record waits.
  std::optional<FileChange> Confirm(std::string_view name);
  void Dismiss() { pending_.reset(); }
  // Every record cleared and the level set to beginner, as one change.
  FileChange Clear();
  // The table as the file holds it now; writes nothing.
  void Reread();

  const BestTimes& Table() const { return table_; }
  const std::optional<PendingRecord>& Pending() const { return pending_; }

 private:
  Profile& settings_;
  BestTimes table_ = EmptyBestTimes();
  std::optional<PendingRecord> pending_;
  std::vector<FileFailure> told_;
};

}  // namespace lumitile
