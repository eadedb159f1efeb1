#include "core/records/record_book.h"

#include <algorithm>
#include <utility>

namespace lumitile {

FileChange RecordBook::Open() {
  return Change(Keeping::kSettings, [](IniFile& file) {
    SaveBestTimes(file, LoadBestTimes(file));
    SaveLevel(file, LoadLevel(file));
  });
}

FileChange RecordBook::Change(Keeping what, const std::function<void(IniFile&)>& change) {
  std::optional<IniFile> changed;
  const auto failure = settings_.Edit([&](IniFile& file) {
    change(file);
    changed = file;
  });
  FileChange after{failure ? settings_.Read().file : std::move(*changed), !failure, std::nullopt};
  table_ = LoadBestTimes(after.File);
  if (failure && std::find(told_.begin(), told_.end(), *failure) == told_.end()) {
    told_.push_back(*failure);
    after.Trouble = CannotSave{what, *failure};
  }
  return after;
}

bool RecordBook::Judge(int32_t seconds, int level) {
  Reread();
  if (table_[static_cast<std::size_t>(level)].Seconds <= seconds) return false;
  pending_ = PendingRecord{seconds, level};
  return true;
}

std::optional<FileChange> RecordBook::Confirm(std::string_view name) {
  if (!pending_) return std::nullopt;
  const PendingRecord record = *pending_;
  const BestTimeRow row{record.Seconds, FitName(name)};
  pending_.reset();
  return Change(Keeping::kRecord, [&](IniFile& file) {
    if (LoadBestTimes(file)[static_cast<std::size_t>(record.Level)].Seconds > record.Seconds) {
      SaveBestTime(file, record.Level, row);
    }
  });
}

FileChange RecordBook::Clear() {
  return Change(Keeping::kClearedTable, [](IniFile& file) {
    // The level goes first, as it always has, so a file missing both
    // sections gets them in the same order as before.
    SaveLevel(file, 0);
    SaveBestTimes(file, EmptyBestTimes());
  });
}

void RecordBook::Reread() { table_ = LoadBestTimes(settings_.Read().file); }

}  // namespace lumitile
