// Where the clock's time comes from: a monotonic millisecond count. The game
// passes the steady clock; tests pass a fake they move by hand.
#pragma once

#include <chrono>
#include <cstdint>

namespace lumitile {

class TickSource {
 public:
  virtual ~TickSource() = default;
  // Milliseconds on a clock that never goes back and never wraps.
  virtual int64_t NowMs() = 0;
};

class SteadyTickSource final : public TickSource {
 public:
  int64_t NowMs() override {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  }
};

}  // namespace lumitile
