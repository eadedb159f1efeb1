#include "app/kept_game_writer.h"

#include "core/records/kept_game_file.h"

namespace lumitile {

KeptGameWriter::KeptGameWriter(KeptGameFile& file, std::chrono::milliseconds leastGap, QObject* parent)
    : QObject(parent), file_(file), leastGap_(leastGap), thread_([this] { Run(); }) {}

KeptGameWriter::~KeptGameWriter() {
  {
    const std::lock_guard lock(mutex_);
    ending_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void KeptGameWriter::Keep(std::optional<std::string> bytes) {
  {
    const std::lock_guard lock(mutex_);
    wanted_ = std::move(bytes);
    ++handed_;
  }
  changed_.notify_all();
}

void KeptGameWriter::OnDisk(std::string bytes) {
  const std::lock_guard lock(mutex_);
  onDisk_ = std::move(bytes);
  onDiskKnown_ = true;
}

std::optional<FileFailure> KeptGameWriter::Flush() {
  std::unique_lock lock(mutex_);
  flushTo_ = handed_;
  changed_.notify_all();
  changed_.wait(lock, [this] { return done_ >= flushTo_; });
  return lastFailure_;
}

void KeptGameWriter::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return ending_ || handed_ > done_; });
    if (handed_ == done_) return;
    // Moves come far faster than a disk wants flushing: the newest game
    // handed over within the gap is the one written.
    const auto due = lastWrite_ + leastGap_;
    while (!ending_ && flushTo_ <= done_ && std::chrono::steady_clock::now() < due) changed_.wait_until(lock, due);
    const uint64_t number = handed_;
    const Bytes bytes = wanted_;
    const bool written = onDiskKnown_ && onDisk_ == bytes;
    std::optional<FileFailure> failure;
    if (!written) {
      lastWrite_ = std::chrono::steady_clock::now();
      lock.unlock();
      failure = bytes ? file_.Keep(*bytes) : file_.Forget();
      lock.lock();
      onDisk_ = bytes;
      onDiskKnown_ = !failure;
    }
    // Posted before a waiting Flush returns, so its caller's next turn of
    // the event loop hears of it.
    if (failure) QMetaObject::invokeMethod(this, [this, told = *failure] { emit Failed(told); }, Qt::QueuedConnection);
    done_ = number;
    lastFailure_ = failure;
    changed_.notify_all();
  }
}

}  // namespace lumitile
