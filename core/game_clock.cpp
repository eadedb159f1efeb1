#include "core/game_clock.h"

#include <algorithm>

namespace lumitile {

GameClock::GameClock(TickSource& ticks) : ticks_(ticks) {}

void GameClock::Start(int32_t capSeconds) { StartFrom(0, capSeconds); }

void GameClock::StartFrom(int32_t seconds, int32_t capSeconds) {
  capMs_ = std::max<int64_t>(capSeconds, 0) * 1000;
  frozenMs_ = std::clamp<int64_t>(int64_t{seconds} * 1000, 0, capMs_);
  startTick_ = ticks_.NowMs() - frozenMs_;
  state_ = State::kRunning;
}

void GameClock::Stop() {
  if (Running()) frozenMs_ = ElapsedMs();
  state_ = State::kStopped;
}

void GameClock::Pause() {
  if (!Running()) return;
  frozenMs_ = ElapsedMs();
  state_ = State::kPaused;
}

void GameClock::Resume() {
  if (!Paused()) return;
  startTick_ = ticks_.NowMs() - frozenMs_;
  state_ = State::kRunning;
}

void GameClock::ChargeHintTime() { startTick_ -= kHintChargeMs; }

int64_t GameClock::ElapsedMs() const {
  if (!Running()) return frozenMs_;
  // A tick before the start (a fake clock moved back) counts as no time.
  return std::clamp<int64_t>(ticks_.NowMs() - startTick_, 0, capMs_);
}

int32_t GameClock::ElapsedSeconds() const { return static_cast<int32_t>(ElapsedMs() / 1000); }

int64_t GameClock::MsUntilNextSecond() const {
  if (!Running()) return -1;
  const int64_t elapsed = ElapsedMs();
  if (elapsed >= capMs_) return -1;
  return 1000 - elapsed % 1000;
}

std::array<int, 3> ShowTime(int32_t seconds) {
  const int32_t shown = std::clamp(seconds, 0, kMaxShownSeconds);
  return {shown / 100, shown % 100 / 10, shown % 10};
}

std::array<int, 4> ShowMinutes(int32_t seconds) {
  const int32_t shown = std::clamp(seconds, 0, kMaxShownMinutesSeconds);
  const int32_t minutes = shown / 60;
  return {minutes < 10 ? kUnlitDigit : minutes / 10, minutes % 10, shown % 60 / 10, shown % 10};
}

}  // namespace lumitile
