// Where the game's random numbers come from. The solution builder and the
// puzzle setup only ever ask for a uniform single-precision value in [0, 1);
// the game passes a generator seeded once from the time, tests pass a seeded
// or a scripted source.
#pragma once

#include <cstdint>
#include <random>

namespace lumitile {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A uniform value r with 0 <= r < 1, never 1.0: Int(r * 9 + 1) must stay 1 to 9.
  virtual float Next() = 0;
  // A seed for puzzles dealt beside the game, such as a printed set, read
  // from where the source stands without drawing from it: the game's next
  // deal stays the one it would have been.
  virtual uint64_t SideSeed() const = 0;
};

// A Mersenne Twister turned into floats with 24 random bits each, so every
// value is an exact multiple of 2^-24 below 1.
class SeededRandom final : public RandomSource {
 public:
  explicit SeededRandom(uint64_t seed);
  float Next() override;
  // The engine's next output, drawn from a copy.
  uint64_t SideSeed() const override;

 private:
  std::mt19937_64 engine_;
};

// A seed that differs from run to run, for the game itself.
uint64_t TimeSeed();

}  // namespace lumitile
