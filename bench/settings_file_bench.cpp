// Reading and changing a settings file of the largest size the game accepts,
// in the shapes that once took seconds: blank lines (LF and CR LF), as many
// short keys as fit, and as many key lines as fit inside the records' own
// section, where every lookup of a record once walked them all. Each
// iteration reads the file from disk and parses it once.
//
// GuiThreadStartUp and GuiThreadChange time what the window's thread does:
// start-up's look at the file, and a change's order and its reply taken in;
// the errand itself (the locked read-modify-write) runs untimed, as it runs
// on the errand thread. Goals: start-up at most 200 ms, a change at most 50 ms.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "core/game_session.h"
#include "core/records/ini_profile.h"
#include "core/records/settings_transaction.h"
#include "core/tick_source.h"

namespace lumitile {
namespace {

std::string Shape(int shape) {
  const std::size_t room = kMaxSettingsFileBytes - 16;
  std::string bytes;
  if (shape == 0) bytes.assign(room, '\n');
  if (shape == 1) while (bytes.size() + 2 <= room) bytes += "\r\n";
  if (shape == 2) for (bytes = "[k]\n"; bytes.size() + 3 <= room;) bytes += "a=\n";
  // [ハイスコア] in CP932, its own keys after a million of others.
  if (shape == 3) {
    bytes = "[\x83\x6e\x83\x43\x83\x58\x83\x52\x83\x41]\r\n";
    for (int key = 0; bytes.size() + 16 <= room - 64; ++key) bytes.append("k").append(std::to_string(key)).append("=1\r\n");
    bytes += "\x8f\x89\x8b\x89=12\r\n";  // 初級=12
  }
  return bytes + "[s]\nt=12\n";
}

class SettingsFile {
 public:
  explicit SettingsFile(int shape) {
    char pattern[] = "/tmp/lumitile-bench-XXXXXX";
    folder_ = mkdtemp(pattern);
    path_ = folder_ + "/lumitile.ini";
    std::ofstream(path_, std::ios::binary) << Shape(shape);
  }
  ~SettingsFile() {
    for (const char* name : {"/lumitile.ini", "/.lumitile.ini.lock"}) unlink((folder_ + name).c_str());
    rmdir(folder_.c_str());
  }
  SettingsFiles files() const { return {path_, path_, "", false, ""}; }

 private:
  std::string folder_, path_;
};

void ReadBestTime(benchmark::State& state) {
  const SettingsFile file(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ReadSettings(file.files()).file.Find("s", "t"));
}
BENCHMARK(ReadBestTime)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Alternating values, so every change is written and flushed.
void StoreRecord(benchmark::State& state) {
  const SettingsFile file(static_cast<int>(state.range(0)));
  int time = 0;
  for (auto _ : state) {
    const std::string value = std::to_string(++time % 2);
    benchmark::DoNotOptimize(ChangeSettings(file.files(), [&](IniFile& ini) { ini.Set("s", "t", value); }));
  }
}
BENCHMARK(StoreRecord)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void GuiThreadStartUp(benchmark::State& state) {
  const SettingsFile file(static_cast<int>(state.range(0)));
  IniProfile profile(file.files());
  SteadyTickSource ticks;
  SeededRandom random(1);
  for (auto _ : state) {
    GameSession game(random, ticks, profile);
    Outcome started = game.Execute(cmd::Start{});
    state.PauseTiming();
    FileReply reply = started.File->Run();
    state.ResumeTiming();
    benchmark::DoNotOptimize(game.Execute(cmd::FileDone{std::move(reply)}));
  }
}
BENCHMARK(GuiThreadStartUp)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// A level chosen, alternating, so every change is written and flushed.
void GuiThreadChange(benchmark::State& state) {
  const SettingsFile file(static_cast<int>(state.range(0)));
  IniProfile profile(file.files());
  SteadyTickSource ticks;
  SeededRandom random(1);
  GameSession game(random, ticks, profile);
  ExecuteAndWait(game, cmd::Start{});
  int level = 0;
  for (auto _ : state) {
    Outcome chosen = game.Execute(cmd::SelectLevel{++level % 2});
    state.PauseTiming();
    FileReply reply = chosen.File->Run();
    state.ResumeTiming();
    benchmark::DoNotOptimize(game.Execute(cmd::FileDone{std::move(reply)}));
  }
}
// The errands run untimed and take far longer than what is timed: a fixed
// count keeps the run short.
BENCHMARK(GuiThreadChange)->DenseRange(0, 3)->Iterations(30)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumitile
