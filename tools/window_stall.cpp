// Measures how long the window's event loop stands still while the settings
// file is at its worst: the real game, wired as app/ wires it (offscreen,
// silent), over a settings file of 4 MiB of key lines inside [ハイスコア],
// its lock held by a stuck process, on a disk whose every fsync takes a
// second. A timer ticks every millisecond; the longest gap between two ticks
// is the longest stall. The player's part is scripted: start-up, levels, the
// zoom, the table shown, a solve with a record and its name, the table
// cleared; halfway through, the stuck process dies, so the later changes
// land, each behind two one-second flushes. At the end the file must hold
// the last level chosen and the record, and each cause must have been told
// once. Not part of the test run: about 20 s.
//
//   window_stall [--no-faults]   (the same script on a small file and a
//                                 plain disk: the machine's own noise floor)
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/game.h"
#include "core/random_source.h"
#include "core/records/ini_profile.h"
#include "core/records/settings_transaction.h"
#include "core/tick_source.h"
#include "ui/sound_player.h"

namespace lumitile {
namespace {

constexpr int kSlowFsyncMs = 1000;

struct Silence final : SoundPlayer {
  void Play(Sound) override {}
};

// A network home folder on a bad day: every flush takes a second.
class SlowDisk final : public FileSystem {
 public:
  explicit SlowDisk(bool slow) : slow_(slow) {}
  int Open(const std::string& path, int flags, mode_t mode) override { return real_.Open(path, flags, mode); }
  int Close(int fd) override { return real_.Close(fd); }
  int Fstat(int fd, struct stat& info) override { return real_.Fstat(fd, info); }
  int Stat(const std::string& path, struct stat& info) override { return real_.Stat(path, info); }
  ssize_t Read(int fd, void* buffer, std::size_t size) override { return real_.Read(fd, buffer, size); }
  ssize_t Write(int fd, const void* bytes, std::size_t size) override { return real_.Write(fd, bytes, size); }
  int Fsync(int fd) override {
    if (slow_) ::usleep(kSlowFsyncMs * 1000);
    return real_.Fsync(fd);
  }
  int Fchmod(int fd, mode_t mode) override { return real_.Fchmod(fd, mode); }
  int Flock(int fd, int operation) override { return real_.Flock(fd, operation); }
  int Rename(const std::string& from, const std::string& to) override { return real_.Rename(from, to); }
  int Unlink(const std::string& path) override { return real_.Unlink(path); }
  int Mkdir(const std::string& path, mode_t mode) override { return real_.Mkdir(path, mode); }
  int List(const std::string& folder, std::vector<std::string>& names) override { return real_.List(folder, names); }
  void Pause() override { real_.Pause(); }

 private:
  FileSystem& real_ = SystemFileSystem();
  bool slow_;
};

// 4 MiB of key lines inside [ハイスコア] (in CP932), its own keys at the end.
std::string WorstFile() {
  std::string bytes = "[\x83\x6e\x83\x43\x83\x58\x83\x52\x83\x41]\r\n";
  for (int key = 0; bytes.size() + 80 < kMaxSettingsFileBytes; ++key) {
    bytes.append("k").append(std::to_string(key)).append("=1\r\n");
  }
  return bytes + "\x8f\x89\x8b\x89=500\r\n";  // 初級=500
}

// Holds the settings file's lock until killed, as a stuck game would.
pid_t HoldLock(const SettingsFiles& files) {
  int ready[2];
  if (::pipe(ready) != 0) std::exit(2);
  const pid_t pid = ::fork();
  if (pid == 0) {
    (void)ChangeSettings(files, [&](IniFile&) {
      if (::write(ready[1], "x", 1) != 1) std::_Exit(2);
      for (;;) ::pause();
    });
    std::_Exit(0);
  }
  char taken = 0;
  if (::read(ready[0], &taken, 1) != 1) std::exit(2);
  return pid;
}

int64_t Milliseconds(const QElapsedTimer& since) { return since.nsecsElapsed() / 1'000'000; }

int Run(bool faults) {
  char pattern[] = "/tmp/lumitile-stall-XXXXXX";
  const std::string folder = ::mkdtemp(pattern);
  const std::string path = folder + "/lumitile.ini";
  std::ofstream(path, std::ios::binary) << (faults ? WorstFile() : std::string("[\x83\x6e\x83\x43\x83\x58\x83\x52\x83\x41]\r\n\x8f\x89\x8b\x89=500\r\n"));
  const SettingsFiles files{path, path, "", false, ""};
  pid_t holder = faults ? HoldLock(files) : -1;

  int argc = 1;
  char name[] = "window_stall";
  char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  SeededRandom random(1);
  SteadyTickSource ticks;
  Silence sounds;
  SlowDisk disk(faults);
  IniProfile settings(files, disk);
  std::vector<std::string> told;
  const Ask tell = [&](QWidget*, const Question& question) {
    told.push_back(question.Text.simplified().toStdString());
    return true;
  };

  timespec cpuBefore{}, cpuAfter{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpuBefore);
  QElapsedTimer clock;
  clock.start();
  Game game({random, ticks, settings, sounds, {}, tell, 1.0, nullptr});
  game.Show();
  const int64_t startUp = Milliseconds(clock);
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpuAfter);
  const int64_t startUpCpu =
      (cpuAfter.tv_sec - cpuBefore.tv_sec) * 1000 + (cpuAfter.tv_nsec - cpuBefore.tv_nsec) / 1'000'000;
  MainWindow& window = game.Window();

  // The stall monitor.
  int64_t lastTick = Milliseconds(clock), longest = 0, longestAt = 0;
  QTimer monitor;
  monitor.setTimerType(Qt::PreciseTimer);
  QObject::connect(&monitor, &QTimer::timeout, [&] {
    const int64_t now = Milliseconds(clock);
    if (now - lastTick > longest) {
      longest = now - lastTick;
      longestAt = now;
    }
    lastTick = now;
  });
  monitor.start(1);

  // The player's script: one step every 300 ms, each timed as it runs.
  Board board;
  const std::string solution = "123456789456789123789123456234567891567891234891234567345678912678912345912345678";
  for (int i = 0; i < 81; ++i) {
    board.Solution[i / 9][i % 9] = static_cast<int16_t>(solution[i] - '0');
    board.Givens[i / 9][i % 9] = i == 0 ? 0 : board.Solution[i / 9][i % 9];
  }
  const auto solve = [&] {
    game.Session().Execute(cmd::NewGameOn{board});
    window.PickItem(Pick::Panel(0));
    window.ClickCell(0, 0);
  };
  int64_t longestStep = 0;
  std::string longestStepName;
  // The entry shows once the solve is judged against the file; until then
  // the player waits, and so does the script.
  const auto confirmName = [&] {
    QWidget* entry = window.SideWindows().RecordEntry();
    if (!entry) return false;
    entry->findChild<QLineEdit*>("Text1")->setText(QStringLiteral("stall"));
    entry->findChild<QPushButton*>("Command1")->click();
    return true;
  };
  const auto always = [](std::function<void()> step) {
    return [step] {
      step();
      return true;
    };
  };
  const std::vector<std::pair<std::string, std::function<bool()>>> steps = {
      {"level 1", always([&] { window.SelectLevel(1); })},
      {"zoom 125", always([&] { window.SetZoom(125); })},
      {"table shown", always([&] { window.SideWindows().ShowBestTimes(); })},
      {"solved", always(solve)},
      {"name confirmed", confirmName},
      {"stuck process ends", always([&] {
         if (holder > 0) {
           ::kill(holder, SIGKILL);
           ::waitpid(holder, nullptr, 0);
           holder = -1;
         }
       })},
      {"level 2", always([&] { window.SelectLevel(2); })},
      {"zoom 100", always([&] { window.SetZoom(100); })},
      {"solved again", always(solve)},
      {"name confirmed again", confirmName},
      {"table shown again", always([&] { window.SideWindows().ShowBestTimes(); })},
      {"level 3", always([&] { window.SelectLevel(3); })},
  };
  std::size_t next = 0;
  QTimer script;
  QObject::connect(&script, &QTimer::timeout, [&] {
    if (next == steps.size()) {
      // Long enough for every errand behind the slow flushes to land.
      script.stop();
      QTimer::singleShot(faults ? 12000 : 500, &app, &QCoreApplication::quit);
      return;
    }
    QElapsedTimer step;
    step.start();
    const bool done = steps[next].second();
    if (Milliseconds(step) > longestStep) {
      longestStep = Milliseconds(step);
      longestStepName = steps[next].first;
    }
    next += done;
  });
  script.start(300);
  app.exec();
  monitor.stop();

  const SettingsSnapshot end = ReadSettings(files);
  const std::string level = ReadIniString(end.file, "レベル", "値", "none");
  // The first record met the held lock and was told; the second, at 上級, lands.
  const std::string record = ReadIniString(end.file, "ハイスコア", "上級名前", "none");
  std::printf("%s\n", faults ? "4 MiB of key lines in [ハイスコア], lock held by a stuck process for the first half, "
                               "every fsync 1 s"
                             : "small file, free lock, plain disk (noise floor)");
  std::printf("start-up on the window's thread: %lld ms (%lld ms of its CPU time)\n", static_cast<long long>(startUp),
              static_cast<long long>(startUpCpu));
  std::printf("longest event-loop stall after start-up: %lld ms (at %lld ms)\n", static_cast<long long>(longest),
              static_cast<long long>(longestAt));
  std::printf("longest scripted step: %lld ms (%s)\n", static_cast<long long>(longestStep), longestStepName.c_str());
  std::printf("told %zu time(s):\n", told.size());
  for (const std::string& text : told) std::printf("  %s\n", text.c_str());
  std::printf("file after: level %s (want 3), 上級名前 '%s' (want the record's 'stall')\n", level.c_str(),
              record.c_str());
  std::filesystem::remove_all(folder);
  const bool landed = level == "3" && record.starts_with("stall");
  return landed && longest <= 50 ? 0 : 1;
}

}  // namespace
}  // namespace lumitile

int main(int argc, char** argv) { return lumitile::Run(!(argc > 1 && std::string(argv[1]) == "--no-faults")); }
