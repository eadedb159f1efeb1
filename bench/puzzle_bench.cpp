// How long the puzzle generator takes: one solution build, the open-cell
// decision per level, and a plain randomized backtracking fill of a 9 x 9
// board as the floor that the build is compared against. Run with
//   --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
// and read the medians.
//
// The deals of levels 3 to 5 retry until a puzzle fits, so their time has
// a long tail: BM_Deal times every deal of each level on a seed of its own
// and reports the median and 99th percentile in milliseconds (p50_ms,
// p99_ms) and the share of deals per open count (open=NN), with the
// full-board build alone (BM_FullBoard) timed the same way beside them.
// Their own percentiles need no repetitions, so they run once.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/board.h"
#include "core/level_table.h"
#include "core/random_source.h"
#include "core/puzzle/logic_solver.h"
#include "core/puzzle/puzzle_setup.h"
#include "core/puzzle/step.h"
#include "core/puzzle/solution_builder.h"
#include "core/puzzle/unique_puzzle.h"

namespace {

using lumitile::SeededRandom;

void BM_MakeSolution(benchmark::State& bench) {
  SeededRandom random(20240611);
  lumitile::Grid grid{};
  for (auto _ : bench) {
    lumitile::MakeSolution(grid, random);
    benchmark::DoNotOptimize(grid);
  }
}
BENCHMARK(BM_MakeSolution);

void BM_OpenCells(benchmark::State& bench) {
  const auto parameters = lumitile::LevelParametersFor(static_cast<int>(bench.range(0)));
  if (!parameters) {
    bench.SkipWithError("no such level");
    return;
  }
  SeededRandom random(7);
  lumitile::Board board;
  lumitile::MakeSolution(board.Solution, random);
  for (auto _ : bench) {
    lumitile::OpenCells(board, *parameters, random);
    benchmark::DoNotOptimize(board.Givens);
  }
}
BENCHMARK(BM_OpenCells)->ArgName("level")->DenseRange(0, 2);

// Every deal on a seed of its own, timed alone: the median, the 99th
// percentile and the slowest in milliseconds, and the share of deals per
// open count. `deal` returns the open count, or -1 when it has none.
template <typename Deal>
void TimeDeals(benchmark::State& bench, Deal deal) {
  std::vector<double> millis;
  std::map<int, int> opens;
  uint64_t seed = 1;
  for (auto _ : bench) {
    SeededRandom random(seed++);
    const auto start = std::chrono::steady_clock::now();
    const int open = deal(random);
    const auto stop = std::chrono::steady_clock::now();
    millis.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    if (open >= 0) ++opens[open];
  }
  std::sort(millis.begin(), millis.end());
  const auto at = [&](double share) { return millis[static_cast<std::size_t>(share * static_cast<double>(millis.size() - 1))]; };
  bench.counters["p50_ms"] = at(0.5);
  bench.counters["p99_ms"] = at(0.99);
  bench.counters["max_ms"] = millis.back();
  for (const auto& [open, count] : opens) {
    bench.counters["open=" + std::to_string(open)] = static_cast<double>(count) / static_cast<double>(millis.size());
  }
}

// MakeSolution alone, the first step of every deal.
void BM_FullBoard(benchmark::State& bench) {
  TimeDeals(bench, [](lumitile::RandomSource& random) {
    benchmark::DoNotOptimize(lumitile::BuildFullGrid(random));
    return -1;
  });
}
BENCHMARK(BM_FullBoard)->Iterations(2000)->Repetitions(1)->Unit(benchmark::kMillisecond);

// The whole deal of each level, as a new game makes it.
void BM_Deal(benchmark::State& bench) {
  const int level = static_cast<int>(bench.range(0));
  TimeDeals(bench, [level](lumitile::RandomSource& random) {
    if (const auto parameters = lumitile::LevelParametersFor(level)) {
      lumitile::Board board;
      lumitile::NewPuzzle(board, *parameters, random);
      int open = 0;
      for (const auto& row : board.Givens) open += static_cast<int>(std::count(row.begin(), row.end(), 0));
      return open;
    }
    return lumitile::OpenCount(lumitile::DealUniquePuzzle(level, random)->givens);
  });
}
BENCHMARK(BM_Deal)->ArgName("level")->DenseRange(0, 5)->Iterations(2000)->Repetitions(1)->Unit(benchmark::kMillisecond);

// The thread's own processor time, which a loaded machine does not inflate
// the way it does the wall clock's.
double ThreadMillis() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// 名人 deals by the hardest technique each needed, as shares (hardest=N is
// Technique N, see logic_solver.h), and the next step along each deal's
// solution, timed step by step: the next-step aid runs it on the window's
// thread, so its median and worst matter, by the wall clock (step_p50_ms,
// step_max_ms) and in processor time (step_cpu_p50_ms, step_cpu_max_ms).
void BM_GrandMasterGrade(benchmark::State& bench) {
  std::map<int, int> hardest;
  std::vector<double> stepMillis;
  std::vector<double> stepCpuMillis;
  uint64_t seed = 1;
  for (auto _ : bench) {
    SeededRandom random(seed++);
    const auto puzzle = lumitile::DealUniquePuzzle(lumitile::kGrandMasterLevel, random);
    lumitile::CandidateBoard board(puzzle->givens);
    int worst = 0;
    for (;;) {
      const double cpuStart = ThreadMillis();
      const auto start = std::chrono::steady_clock::now();
      const auto step = lumitile::NextStep(board, lumitile::TechniqueSet::kAll);
      stepMillis.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
      stepCpuMillis.push_back(ThreadMillis() - cpuStart);
      if (!step) break;
      worst = std::max(worst, static_cast<int>(step->technique));
      board.Apply(*step);
    }
    ++hardest[worst];
  }
  for (auto* millis : {&stepMillis, &stepCpuMillis}) std::sort(millis->begin(), millis->end());
  bench.counters["step_p50_ms"] = stepMillis[stepMillis.size() / 2];
  bench.counters["step_max_ms"] = stepMillis.back();
  bench.counters["step_cpu_p50_ms"] = stepCpuMillis[stepCpuMillis.size() / 2];
  bench.counters["step_cpu_max_ms"] = stepCpuMillis.back();
  for (const auto& [technique, count] : hardest) {
    bench.counters["hardest=" + std::to_string(technique)] = static_cast<double>(count) / static_cast<double>(bench.iterations());
  }
}
BENCHMARK(BM_GrandMasterGrade)->Iterations(1000)->Repetitions(1)->Unit(benchmark::kMillisecond);

// The floor: fill the board cell by cell in reading order, trying the
// numbers in a random order at each cell and backing up when none fits.
// The order is a Fisher-Yates shuffle drawn lazily and only over the numbers
// that fit, which tries them in the same order as shuffling 1..9 and
// skipping the others but spends a draw only per try. Draws come from the
// same source the builder uses, so the comparison is of the search and not
// of the generator.
class BacktrackingFill {
 public:
  explicit BacktrackingFill(lumitile::RandomSource& random) : random_(random) {}

  bool Fill() {
    rows_.fill(0);
    columns_.fill(0);
    blocks_.fill(0);
    return Place(0);
  }

  const std::array<std::array<int, 9>, 9>& Board() const { return board_; }

 private:
  bool Place(int cell) {
    if (cell == 81) return true;
    const int row = cell / 9;
    const int column = cell % 9;
    const int block = row / 3 * 3 + column / 3;
    const unsigned used = rows_[row] | columns_[column] | blocks_[block];
    std::array<int, 9> order{};
    int count = 0;
    for (unsigned fits = ~used & 0x3FEu; fits != 0; fits &= fits - 1) {
      order[static_cast<std::size_t>(count++)] = std::countr_zero(fits);
    }
    for (int tried = 0; tried < count; ++tried) {
      const int pick = tried + static_cast<int>(random_.Next() * static_cast<float>(count - tried));
      std::swap(order[static_cast<std::size_t>(tried)], order[static_cast<std::size_t>(pick)]);
      const int number = order[static_cast<std::size_t>(tried)];
      const auto bit = static_cast<uint16_t>(1u << number);
      rows_[row] |= bit;
      columns_[column] |= bit;
      blocks_[block] |= bit;
      board_[row][column] = number;
      if (Place(cell + 1)) return true;
      rows_[row] &= static_cast<uint16_t>(~bit);
      columns_[column] &= static_cast<uint16_t>(~bit);
      blocks_[block] &= static_cast<uint16_t>(~bit);
    }
    return false;
  }

  lumitile::RandomSource& random_;
  std::array<std::array<int, 9>, 9> board_{};
  std::array<uint16_t, 9> rows_{};
  std::array<uint16_t, 9> columns_{};
  std::array<uint16_t, 9> blocks_{};
};

void BM_BacktrackingFloor(benchmark::State& bench) {
  SeededRandom random(20240611);
  BacktrackingFill fill(random);
  for (auto _ : bench) {
    if (!fill.Fill()) std::abort();  // an empty board always has a completion
    benchmark::DoNotOptimize(fill.Board());
  }
}
BENCHMARK(BM_BacktrackingFloor);

}  // namespace
