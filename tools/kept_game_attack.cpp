// Attacks the game in progress the way a desktop does: the real game, wired
// as app/ wires it (offscreen, silent), plays moves at a human pace in a
// scratch folder while this driver kills it, signals it, or starts a second
// copy beside it. Every worker prints each state it reaches with the moment
// it did; after each round lumitile.sav is read back and judged:
//   kill -9   the kept game must be a state the game was in at most about a
//             second before the kill (its age: from when the state was left
//             to the kill), never torn, missing or unknown
//   signals   SIGTERM, SIGHUP and SIGINT end the game normally, the last
//             state kept
//   2 copies  the second starts a fresh game; the file only ever holds the
//             first copy's states, its last one when it ended by a signal
//   temporaries  what kills leave half written is gone after the next start
// Not part of the test run: a few minutes at the default counts.
//
//   kept_game_attack [kill rounds (150)] [signal rounds (45)] [two-copy rounds (30)] [folder]
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/end_signals.h"
#include "app/game.h"
#include "core/random_source.h"
#include "core/records/ini_profile.h"
#include "core/records/kept_game_file.h"
#include "core/saved_game.h"
#include "core/tick_source.h"
#include "ui/sound_player.h"
#include "tools/worker_process.h"

namespace lumitile {
namespace {

int64_t NowMs() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return int64_t{now.tv_sec} * 1000 + now.tv_nsec / 1'000'000;
}

// A state without its time, which moves on by itself.
std::string KeyOf(SavedGame game) {
  game.Seconds = 0;
  std::ostringstream key;
  key << std::hex << std::hash<std::string>{}(WriteSavedGame(game));
  return key.str();
}

void Say(const std::string& line) {
  const std::string text = line + "\n";
  // Unbuffered: a line is out before anything that follows can be killed.
  if (::write(STDOUT_FILENO, text.data(), text.size()) < 0) std::_Exit(2);
}

struct Silence final : SoundPlayer {
  void Play(Sound) override {}
};

// The game as main.cpp starts it, in folder, playing by itself.
int Worker(const std::string& folder, uint64_t seed) {
  int argc = 1;
  char name[] = "kept_game_attack";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  SeededRandom random(seed);
  SteadyTickSource ticks;
  Silence sounds;
  const ProgramPlace place{folder, "lumitile"};
  IniProfile settings(place);
  KeptGameFile kept = KeptGameFile::For(place);
  const Ask tell = [](QWidget*, const Question& question) {
    Say("T " + question.Text.simplified().toStdString());
    return true;
  };
  Game game({random, ticks, settings, sounds, {}, tell, 1.0, &kept});
  OnEndSignals(&game.Window(), [&game] { game.EndUnattended(); });
  const auto report = [&](char kind) {
    const auto state = game.Session().GameToKeep();
    Say(std::string(1, kind) + " " + std::to_string(NowMs()) + " " + (state ? KeyOf(*state) : "none") + " " +
        std::to_string(game.Session().ElapsedSeconds()));
  };
  game.Show();
  report('S');

  std::mt19937_64 choose(seed);
  QTimer mover;
  mover.setSingleShot(true);
  QObject::connect(&mover, &QTimer::timeout, [&] {
    GameSession& session = game.Session();
    std::vector<Cell> empty;
    for (int i = 0; i < kBoardSize * kBoardSize; ++i) {
      const Cell cell{i / kBoardSize, i % kBoardSize};
      if (session.CellAt(cell).Kind == CellKind::Empty) empty.push_back(cell);
    }
    // Never the solving move: every state stays one the file can hold.
    if (empty.size() <= 1) {
      game.Window().NewGame();
    } else {
      const Cell cell = empty[choose() % empty.size()];
      const int number = session.CurrentBoard().SolutionAt(cell);
      game.Window().PickItem(Pick::Panel(number - 1));
      if (choose() % 4 == 0 && !(session.MarksShown(cell) & MarkBit(number))) {
        game.Window().RightClickCell(cell.Row, cell.Column);
      } else {
        game.Window().ClickCell(cell.Row, cell.Column);
      }
    }
    report('M');
    mover.start(static_cast<int>(30 + choose() % 700));
  });
  mover.start(static_cast<int>(30 + choose() % 300));
  return app.exec();
}

struct State {
  int64_t at;
  std::string key;
  int seconds;
};

struct Running {
  pid_t pid = -1;
  int output = -1;
  std::string pending;
  std::vector<State> states;
  std::vector<std::string> told;
  int status = 0;
};

Running Spawn(const std::string& folder, uint64_t seed) {
  const tools::WorkerProcess worker = tools::SpawnWorker("kept_game_attack", folder, seed, [] {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // As a desktop starts it, whatever this driver was started under (nohup, &).
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) ::signal(signal, SIG_DFL);
    if (!std::getenv("ATTACK_VERBOSE")) std::freopen("/dev/null", "w", stderr);
  });
  Running running;
  running.pid = worker.pid;
  running.output = worker.output;
  return running;
}

// Reads what the worker said within waitMs; false at its end.
bool Pump(Running& game, int waitMs) {
  pollfd ready{game.output, POLLIN, 0};
  if (::poll(&ready, 1, waitMs) <= 0) return true;
  char buffer[4096];
  const ssize_t got = ::read(game.output, buffer, sizeof buffer);
  if (got <= 0) return false;
  game.pending.append(buffer, static_cast<std::size_t>(got));
  for (std::size_t end; (end = game.pending.find('\n')) != std::string::npos;) {
    const std::string line = game.pending.substr(0, end);
    game.pending.erase(0, end + 1);
    char kind = 0;
    long long at = 0;
    char key[64] = {};
    int seconds = 0;
    if (line.starts_with("T ")) {
      game.told.push_back(line.substr(2));
    } else if (std::sscanf(line.c_str(), "%c %lld %63s %d", &kind, &at, key, &seconds) == 4) {
      game.states.push_back({at, key, seconds});
    }
  }
  return true;
}

void RunFor(std::vector<Running*> games, int ms) {
  const int64_t until = NowMs() + ms;
  while (NowMs() < until) {
    for (Running* game : games) Pump(*game, 0);
    ::poll(nullptr, 0, 5);
  }
}

void WaitForStart(Running& game) {
  const int64_t until = NowMs() + 20'000;
  while (game.states.empty() && NowMs() < until && Pump(game, 20)) {
  }
}

// Waits for the worker's end; one still running after 15 s is killed and counted.
int hung = 0;
void Finish(Running& game) {
  const int64_t until = NowMs() + 15'000;
  bool killed = false;
  while (Pump(game, 100)) {
    if (!killed && NowMs() > until) {
      killed = true;
      ++hung;
      ::kill(game.pid, SIGKILL);
    }
  }
  ::close(game.output);
  ::waitpid(game.pid, &game.status, 0);
}

struct Kept {
  bool read;
  std::string key;
  int seconds;
};

// Read past the game's own lock, which would also clear the temporaries counted here.
Kept ReadKept(const std::string& path) {
  const auto game = ReadSavedGame(ReadFileBytes(path).bytes);
  if (!game) return {false, "", 0};
  return {true, KeyOf(*game), game->Seconds};
}

int Temporaries(const std::string& folder, pid_t except = -1) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (IsTemporaryFileFor(name, kKeptGameFileName) &&
        name.find("." + std::to_string(except) + ".") == std::string::npos) {
      ++count;
    }
  }
  return count;
}

double Percentile(std::vector<int64_t> values, double share) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[std::min(values.size() - 1, static_cast<std::size_t>(share * static_cast<double>(values.size())))] /
         1000.0;
}

int Driver(int killRounds, int signalRounds, int copyRounds, std::string folder) {
  if (folder.empty()) {
    // On the real disk, where a keep's fsync takes real time.
    folder = std::filesystem::current_path() / "kept-game-attack";
    std::filesystem::remove_all(folder);
  }
  std::filesystem::create_directories(folder);
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  const std::string path = (std::filesystem::path(folder) / kKeptGameFileName).string();
  std::mt19937_64 choose(static_cast<uint64_t>(std::time(nullptr)));
  int failures = 0;

  // kill -9 at random moments of play.
  std::vector<int64_t> ages;
  int torn = 0, unknown = 0, overSecond = 0, moves = 0, leftByKills = 0, leftAfterStart = 0, told = 0;
  for (int round = 0; round < killRounds; ++round) {
    Running game = Spawn(folder, choose());
    WaitForStart(game);
    leftAfterStart += Temporaries(folder, game.pid);
    RunFor({&game}, static_cast<int>(200 + choose() % 4000));
    // Every other kill lands just after a move, when its keep is on the way to the disk.
    if (round % 2 == 1) {
      const std::size_t seen = game.states.size();
      const int64_t until = NowMs() + 2000;
      while (game.states.size() == seen && NowMs() < until && Pump(game, 5)) {
      }
      const timespec pause{0, static_cast<long>(choose() % 4'000'000)};
      ::nanosleep(&pause, nullptr);
    }
    const int64_t killedAt = NowMs();
    ::kill(game.pid, SIGKILL);
    Finish(game);
    leftByKills += Temporaries(folder);
    moves += static_cast<int>(game.states.size()) - 1;
    told += static_cast<int>(game.told.size());
    const Kept kept = ReadKept(path);
    if (!kept.read) {
      ++torn;
      continue;
    }
    const auto last = std::find_if(game.states.rbegin(), game.states.rend(),
                                   [&](const State& state) { return state.key == kept.key; });
    if (last == game.states.rend()) {
      ++unknown;
      continue;
    }
    const auto next = last.base();  // the state that followed the kept one
    const int64_t age = next == game.states.end() || next->at > killedAt ? 0 : killedAt - next->at;
    ages.push_back(age);
    overSecond += age > 1000;
  }
  std::printf("kill -9 during play: %d rounds, %d moves; kept game age median %.3f s, 90%% %.3f s, max %.3f s; "
              "older than 1 s %d; torn or missing %d, unknown %d; told %d\n",
              killRounds, moves, Percentile(ages, 0.5), Percentile(ages, 0.9), Percentile(ages, 1.0), overSecond,
              torn, unknown, told);
  std::printf("kept-game temporaries left by the kills %d, still there after the next start %d\n", leftByKills,
              leftAfterStart);
  failures += overSecond + torn + unknown + leftAfterStart + told;

  // SIGTERM, SIGHUP, SIGINT.
  const int endSignals[] = {SIGTERM, SIGHUP, SIGINT};
  int endedNormally = 0, keptLast = 0;
  for (int round = 0; round < signalRounds; ++round) {
    Running game = Spawn(folder, choose());
    WaitForStart(game);
    RunFor({&game}, static_cast<int>(200 + choose() % 3000));
    ::kill(game.pid, endSignals[round % 3]);
    Finish(game);
    endedNormally += WIFEXITED(game.status) && WEXITSTATUS(game.status) == 0;
    const Kept kept = ReadKept(path);
    keptLast += kept.read && !game.states.empty() && kept.key == game.states.back().key &&
                kept.seconds >= game.states.back().seconds;
  }
  std::printf("SIGTERM, SIGHUP, SIGINT: %d rounds, ended normally %d, kept the last state with its time %d\n",
              signalRounds, endedNormally, keptLast);
  failures += 2 * signalRounds - endedNormally - keptLast;

  // Two copies on one folder.
  int resumedOthers = 0, overwritten = 0, firstLost = 0;
  for (int round = 0; round < copyRounds; ++round) {
    Running first = Spawn(folder, choose());
    WaitForStart(first);
    Running second = Spawn(folder, choose());
    WaitForStart(second);
    RunFor({&first, &second}, static_cast<int>(500 + choose() % 3000));
    const bool firstKilled = choose() % 2 == 0, firstEndsFirst = choose() % 2 == 0;
    Running* order[] = {firstEndsFirst ? &first : &second, firstEndsFirst ? &second : &first};
    for (Running* game : order) {
      ::kill(game->pid, game == &first && firstKilled ? SIGKILL : endSignals[choose() % 3]);
      Finish(*game);
      if (game == order[0]) RunFor({order[1]}, static_cast<int>(choose() % 1500));
    }
    if (!first.states.empty() && !second.states.empty() && second.states.front().key == first.states.front().key) {
      ++resumedOthers;
    }
    const Kept kept = ReadKept(path);
    const auto holds = [&](const Running& game) {
      return std::any_of(game.states.begin(), game.states.end(), [&](const State& state) { return state.key == kept.key; });
    };
    overwritten += !kept.read || holds(second) || !holds(first);
    firstLost += !firstKilled && !first.states.empty() && kept.key != first.states.back().key;
  }
  std::printf("two copies: %d rounds; the second resumed the first's game %d; the file held the second's game or "
              "none %d; the first's last state lost at a signal %d\n",
              copyRounds, resumedOthers, overwritten, firstLost);
  failures += resumedOthers + overwritten + firstLost;

  std::printf("workers that did not end within 15 s %d\nfolder %s\n", hung, folder.c_str());
  return failures + hung == 0 ? 0 : 1;
}

}  // namespace
}  // namespace lumitile

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "worker") {
    return lumitile::Worker(argv[2], std::strtoull(argv[3], nullptr, 10));
  }
  const auto count = [&](int at, int fallback) { return argc > at ? std::atoi(argv[at]) : fallback; };
  return lumitile::Driver(count(1, 150), count(2, 45), count(3, 30), argc > 4 ? argv[4] : "");
}
