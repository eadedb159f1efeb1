#include "core/records/record_book.h"

#include <algorithm>
#include <utility>

namespace lumitile {

FileReply FileErrand::Run() const {
  FileReply reply{What, Solve, {}, std::nullopt};
  if (!What) {
    reply.File = Settings->Read().file;
    return reply;
  }
  std::optional<IniFile> changed;
  reply.Failure = Settings->Edit([&](IniFile& file) {
    Change(file);
    changed = file;
  });
  reply.File = reply.Failure ? Settings->Read().file : std::move(*changed);
  return reply;
}

IniFile RecordBook::Look() {
  IniFile file = settings_.Peek().file;
  table_ = LoadBestTimes(file);
  return file;
}

FileErrand RecordBook::Open() {
  return Change(Keeping::kSettings, [](IniFile& file) {
    SaveBestTimes(file, LoadBestTimes(file));
    SaveLevel(file, LoadLevel(file));
  });
}

FileErrand RecordBook::Change(Keeping what, std::function<void(IniFile&)> change) {
  return {&settings_, what, std::move(change), std::nullopt};
}

FileErrand RecordBook::Judge(int32_t seconds, int level) {
  return {&settings_, std::nullopt, nullptr, PendingRecord{seconds, level}};
}

std::optional<FileErrand> RecordBook::Confirm(std::string_view name) {
  if (!pending_) return std::nullopt;
  const PendingRecord record = *pending_;
  const BestTimeRow row{record.Seconds, FitName(name)};
  pending_.reset();
  return Change(Keeping::kRecord, [record, row](IniFile& file) {
    if (LoadBestTimes(file)[static_cast<std::size_t>(record.Level)].Seconds > record.Seconds) {
      SaveBestTime(file, record.Level, row);
    }
  });
}

FileErrand RecordBook::Clear() {
  return Change(Keeping::kClearedTable, [](IniFile& file) {
    // The level goes first, as it always has, so a file missing both
    // sections gets them in the same order as before.
    SaveLevel(file, 0);
    SaveBestTimes(file, EmptyBestTimes());
  });
}

FileErrand RecordBook::Reread() { return {&settings_, std::nullopt, nullptr, std::nullopt}; }

FileChange RecordBook::Take(const FileReply& reply) {
  table_ = LoadBestTimes(reply.File);
  FileChange taken;
  taken.Saved = reply.What && !reply.Failure;
  if (reply.Solve && table_[static_cast<std::size_t>(reply.Solve->Level)].Seconds > reply.Solve->Seconds) {
    pending_ = reply.Solve;
    taken.RecordWaiting = true;
  }
  const auto& failure = reply.Failure;
  if (reply.What && failure && std::find(told_.begin(), told_.end(), *failure) == told_.end()) {
    told_.push_back(*failure);
    taken.Trouble = CannotSave{*reply.What, *failure};
  }
  return taken;
}

}  // namespace lumitile
