// How long the solving aids take on 達人 boards, which are the slowest to
// reason about: the next step through the session (its first use in a game
// also asks whether the givens have one solution), the next step at every
// position of a game followed step by step from the candidates, and the
// candidate fill, and beside them the next step where no technique is left
// to find anything. Each reports the median, the 99th percentile and the worst
// in milliseconds (p50_ms, p99_ms, max_ms); the goal is a median under 5 ms
// and a worst under 20 ms, so that both feel instant.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "core/game_session.h"
#include "core/move.h"
#include "core/next_step.h"
#include "core/puzzle/unique_puzzle.h"
#include "core/random_source.h"

namespace {

using namespace lumitile;

struct StillTicks : TickSource {
  int64_t NowMs() override { return 0; }
};

// A settings file that is never there and takes nothing.
struct NoFile : Profile {
  SettingsSnapshot Read() override { return {}; }
  std::optional<FileFailure> Edit(const std::function<void(IniFile&)>&) override { return std::nullopt; }
};

Board MasterBoard(uint64_t seed) {
  SeededRandom random(seed);
  const auto puzzle = DealUniquePuzzle(kMasterLevel, random);
  Board board;
  for (std::size_t i = 0; i < 81; ++i) {
    board.Solution[i / 9][i % 9] = puzzle->solution[i];
    board.Givens[i / 9][i % 9] = puzzle->givens[i];
  }
  return board;
}

template <typename Work>
double Millis(Work work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void Report(benchmark::State& bench, std::vector<double> millis) {
  std::sort(millis.begin(), millis.end());
  const auto at = [&](double share) {
    return millis[static_cast<std::size_t>(share * static_cast<double>(millis.size() - 1))];
  };
  bench.counters["p50_ms"] = at(0.5);
  bench.counters["p99_ms"] = at(0.99);
  bench.counters["max_ms"] = millis.back();
  bench.counters["timed"] = static_cast<double>(millis.size());
}

// 次の一手 as the player asks it, first thing on a freshly dealt board.
void BM_NextStepFirstInAGame(benchmark::State& bench) {
  SeededRandom random(1);
  StillTicks ticks;
  NoFile file;
  GameSession game(random, ticks, file);
  game.Execute(cmd::Start{});
  std::vector<double> millis;
  uint64_t seed = 1;
  for (auto _ : bench) {
    bench.PauseTiming();
    game.Execute(cmd::NewGameOn{MasterBoard(seed++)});
    bench.ResumeTiming();
    millis.push_back(Millis([&] { benchmark::DoNotOptimize(game.Execute(cmd::NextStep{})); }));
  }
  Report(bench, millis);
}
BENCHMARK(BM_NextStepFirstInAGame)->Iterations(200)->Unit(benchmark::kMillisecond);

// The next step at every position of a game followed from the candidates
// to the solution, as the core test walks it.
void BM_NextStepAlongAGame(benchmark::State& bench) {
  std::vector<double> millis;
  uint64_t seed = 1;
  for (auto _ : bench) {
    Board board = MasterBoard(seed++);
    Apply(board, FillCandidates(board));
    while (!IsSolved(board)) {
      NextStepHelp help;
      millis.push_back(Millis([&] { help = NextStepOn(board, {}, true); }));
      if (help.What != NextStepHelp::Kind::Deduction) break;
      const Step& step = help.Found;
      if (step.Places()) {
        Apply(board, PutNumber(board, {step.cell / 9, step.cell % 9}, static_cast<int16_t>(step.digit)));
      } else {
        for (int i = 0; i < 81; ++i) {
          board.Marks[i / 9][i % 9] &= static_cast<uint16_t>(~(step.eliminations[static_cast<std::size_t>(i)] << 1));
        }
      }
    }
  }
  Report(bench, millis);
}
BENCHMARK(BM_NextStepAlongAGame)->Iterations(100)->Unit(benchmark::kMillisecond);

// Where every technique is tried and none finds anything: an open board,
// the longest search the next step makes.
void BM_NextStepWhereNoneIsLeft(benchmark::State& bench) {
  Board open;
  open.Solution = MasterBoard(1).Solution;
  std::vector<double> millis;
  for (auto _ : bench) millis.push_back(Millis([&] { benchmark::DoNotOptimize(NextStepOn(open, {}, false)); }));
  Report(bench, millis);
}
BENCHMARK(BM_NextStepWhereNoneIsLeft)->Iterations(50)->Unit(benchmark::kMillisecond);

// 候補をすべて記入 on a freshly dealt board.
void BM_FillCandidates(benchmark::State& bench) {
  std::vector<double> millis;
  uint64_t seed = 1;
  for (auto _ : bench) {
    bench.PauseTiming();
    Board board = MasterBoard(seed++);
    bench.ResumeTiming();
    millis.push_back(Millis([&] { Apply(board, FillCandidates(board)); }));
    benchmark::DoNotOptimize(board.Marks);
  }
  Report(bench, millis);
}
BENCHMARK(BM_FillCandidates)->Iterations(200)->Unit(benchmark::kMillisecond);

}  // namespace
