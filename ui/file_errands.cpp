#include "ui/file_errands.h"

namespace lumitile {

ErrandThread::ErrandThread() : thread_([this] { Work(); }) {}

ErrandThread::~ErrandThread() {
  {
    const std::lock_guard lock(mutex_);
    ending_ = true;
  }
  waiting_.notify_all();
  thread_.join();
}

void ErrandThread::Run(FileErrand errand, Done done) {
  {
    const std::lock_guard lock(mutex_);
    queue_.emplace_back(std::move(errand), std::move(done));
  }
  waiting_.notify_all();
}

void ErrandThread::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    waiting_.wait(lock, [this] { return ending_ || !queue_.empty(); });
    if (queue_.empty()) return;
    auto [errand, done] = std::move(queue_.front());
    queue_.pop_front();
    lock.unlock();
    FileReply reply = errand.Run();
    // Posted in the order run, so replies arrive in the order ordered.
    QMetaObject::invokeMethod(
        &replies_, [done = std::move(done), reply = std::move(reply)]() mutable { done(std::move(reply)); },
        Qt::QueuedConnection);
    lock.lock();
  }
}

}  // namespace lumitile
