// Soaks the record path with two running games on one settings file, one of
// them killed at a random moment, over and over. Each game is this program
// run as a worker: a real game session over the real settings file, dealing
// and solving puzzles, storing records under names that carry their times,
// and showing the table. After every round the file is checked:
//   torn   a time stored under another record's name, or a file that cannot be read
//   lost   a record a game saw stored is beaten by a worse time in the file
//   stale  a time a game saw in the table, or the file held after the last
//          round, is beaten by a worse time in the file (an old copy written back)
// All three must stay 0. Not part of the test run: 300 rounds take about 20 s.
//
//   record_soak [rounds (200)] [folder (a new one under /tmp)]
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/game_session.h"
#include "core/records/ini_profile.h"
#include "tools/worker_process.h"

namespace lumitile {
namespace {

constexpr int kSolvesPerWorker = 30;
constexpr int kRoundsPerFile = 5;   // then the file starts afresh, so records keep coming

struct HandTicks final : TickSource {
  int64_t now = 0;
  int64_t NowMs() override { return now; }
};

void Say(const std::string& line) {
  const std::string text = line + "\n";
  // Unbuffered: a line is out before anything that follows can be killed.
  if (::write(STDOUT_FILENO, text.data(), text.size()) < 0) std::_Exit(2);
}

std::string NameFor(int32_t seconds) { return "t" + std::to_string(seconds); }

int Worker(const std::string& folder, uint64_t seed) {
  IniProfile file(ProgramPlace{folder, "lumitile"});
  SeededRandom random(seed);
  HandTicks ticks;
  std::mt19937_64 choose(seed);
  GameSession game(random, ticks, file);
  ExecuteAndWait(game, cmd::Start{});
  for (int solve = 0; solve < kSolvesPerWorker; ++solve) {
    if (choose() % 4 == 0) ExecuteAndWait(game, cmd::SelectLevel{static_cast<int>(choose() % kLevelCount)});
    ExecuteAndWait(game, cmd::NewGame{});
    std::vector<Cell> open;
    for (int r = 0; r < kBoardSize; ++r) {
      for (int c = 0; c < kBoardSize; ++c) {
        if (game.CellAt({r, c}).Kind != CellKind::Given) open.push_back({r, c});
      }
    }
    const auto seconds = static_cast<int32_t>(1 + choose() % 998);
    Outcome last;
    for (std::size_t i = 0; i < open.size(); ++i) {
      if (i + 1 == open.size()) ticks.now += seconds * 1000;
      ExecuteAndWait(game, cmd::PickItem{Pick::Panel(game.CurrentBoard().SolutionAt(open[i]) - 1)});
      last = ExecuteAndWait(game, cmd::ApplyPick{open[i]});
    }
    if (last.RecordWaiting) {
      // The player types a name meanwhile; the other game goes on.
      const timespec typing{0, static_cast<long>(choose() % 3'000'000)};
      ::nanosleep(&typing, nullptr);
      const PendingRecord record = *game.Pending();
      ExecuteAndWait(game, cmd::ConfirmRecord{NameFor(record.Seconds)});
      // The table in memory says what the file says: this is a record on disk.
      if (game.BestTimeTable()[static_cast<std::size_t>(record.Level)] ==
          BestTimeRow{record.Seconds, FitName(NameFor(record.Seconds))}) {
        Say("S " + std::to_string(record.Level) + " " + std::to_string(record.Seconds));
      }
    }
    if (choose() % 3 == 0) {
      ExecuteAndWait(game, cmd::ReadBestTimes{});
      for (int level = 0; level < kLevelCount; ++level) {
        Say("V " + std::to_string(level) + " " +
            std::to_string(game.BestTimeTable()[static_cast<std::size_t>(level)].Seconds));
      }
    }
  }
  return 0;
}

using Running = tools::WorkerProcess;

Running Spawn(const std::string& folder, uint64_t seed) { return tools::SpawnWorker("record_soak", folder, seed); }

std::string ReadAll(int fd) {
  std::string text;
  char buffer[4096];
  for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(got));
  ::close(fd);
  return text;
}

struct Tally {
  int rounds = 0, killedMidRun = 0, stores = 0, views = 0, torn = 0, lost = 0, stale = 0, temporaries = 0;
};

int Driver(int rounds, std::string folder) {
  if (folder.empty()) {
    char pattern[] = "/tmp/lumitile-soak-XXXXXX";
    folder = ::mkdtemp(pattern);
  }
  std::filesystem::create_directories(folder);
  const std::string path = folder + "/lumitile.ini";
  std::mt19937_64 choose(static_cast<uint64_t>(std::time(nullptr)));
  Tally tally;
  std::array<int32_t, kLevelCount> before{};
  for (int round = 0; round < rounds; ++round) {
    if (round % kRoundsPerFile == 0) {
      std::filesystem::remove(path);
      before.fill(kNoRecord);
    }
    Running games[2] = {Spawn(folder, choose()), Spawn(folder, choose())};
    const timespec pause{0, static_cast<long>(choose() % 60'000'000)};
    ::nanosleep(&pause, nullptr);
    const Running& victim = games[choose() % 2];
    int status = 0;
    if (::waitpid(victim.pid, &status, WNOHANG) == 0) {
      ::kill(victim.pid, SIGKILL);
      ++tally.killedMidRun;
    }
    std::vector<std::string> lines;
    for (const Running& game : games) {
      std::istringstream text(ReadAll(game.output));
      for (std::string line; std::getline(text, line);) lines.push_back(line);
      ::waitpid(game.pid, &status, 0);
    }

    const SettingsSnapshot now = IniProfile(ProgramPlace{folder, "lumitile"}).Read();
    const BestTimes table = LoadBestTimes(now.file);
    if (now.failure) ++tally.torn;
    for (int level = 0; level < kLevelCount; ++level) {
      const BestTimeRow& row = table[static_cast<std::size_t>(level)];
      const std::string name = row.Seconds == kNoRecord ? std::string(kNoName) : NameFor(row.Seconds);
      if (row.Name != FitName(name)) ++tally.torn;
      if (row.Seconds > before[static_cast<std::size_t>(level)]) ++tally.stale;
      before[static_cast<std::size_t>(level)] = row.Seconds;
    }
    for (const std::string& line : lines) {
      char kind = 0;
      int level = 0, seconds = 0;
      if (std::sscanf(line.c_str(), "%c %d %d", &kind, &level, &seconds) != 3) continue;
      const bool worse = table[static_cast<std::size_t>(level)].Seconds > seconds;
      if (kind == 'S') {
        ++tally.stores;
        tally.lost += worse;
      } else {
        ++tally.views;
        tally.stale += worse;
      }
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      tally.temporaries += IsTemporaryFileFor(entry.path().filename().string(), "lumitile.ini");
    }
    ++tally.rounds;
  }
  // The next change removes what a killed game left half written.
  (void)IniProfile(ProgramPlace{folder, "lumitile"}).Edit([](IniFile& file) { SaveLevel(file, 0); });
  int leftAtEnd = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    leftAtEnd += IsTemporaryFileFor(entry.path().filename().string(), "lumitile.ini");
  }
  std::printf("rounds %d, killed mid-run %d, records stored %d, table values seen %d\n", tally.rounds,
              tally.killedMidRun, tally.stores, tally.views);
  std::printf("torn %d, lost %d, stale %d\n", tally.torn, tally.lost, tally.stale);
  std::printf("temporary files seen after rounds %d, left after the next change %d\n", tally.temporaries,
              leftAtEnd);
  std::printf("folder %s\n", folder.c_str());
  return tally.torn + tally.lost + tally.stale + leftAtEnd == 0 ? 0 : 1;
}

}  // namespace
}  // namespace lumitile

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "worker") {
    return lumitile::Worker(argv[2], std::strtoull(argv[3], nullptr, 10));
  }
  return lumitile::Driver(argc > 1 ? std::atoi(argv[1]) : 200, argc > 2 ? argv[2] : "");
}
