// Where the settings file's errands run (see core/records/record_book.h):
// off the window's thread, one after another in the order they came, so a
// lock held by a stuck process, a file of millions of lines or a disk that
// takes a second to flush never holds up the window.
#pragma once

#include <QObject>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

#include "core/records/record_book.h"

namespace lumitile {

class ErrandRunner {
 public:
  using Done = std::function<void(FileReply)>;
  virtual ~ErrandRunner() = default;
  // Runs errand after every errand given before it and hands its reply to
  // done on the window's thread.
  virtual void Run(FileErrand errand, Done done) = 0;
};

// One thread of its own. Replies come back through the event loop of the
// thread that made it. Errands still waiting when it goes are run to their
// end first, so a record confirmed as the window closes is not lost; their
// replies are dropped, as there is no window left to show them.
class ErrandThread final : public ErrandRunner {
 public:
  ErrandThread();
  ~ErrandThread() override;
  void Run(FileErrand errand, Done done) override;

 private:
  void Work();

  QObject replies_;  // lives on the window's thread; what is posted to it dies with it
  std::mutex mutex_;
  std::condition_variable waiting_;
  std::deque<std::pair<FileErrand, Done>> queue_;
  bool ending_ = false;
  std::thread thread_;
};

}  // namespace lumitile
