// Reading and changing a settings file of the largest size the game accepts,
// in the shapes that once took seconds: blank lines (LF and CR LF) and as many
// short keys as fit. Each iteration reads the file from disk and parses it once.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "core/records/settings_transaction.h"

namespace lumitile {
namespace {

std::string Shape(int shape) {
  const std::size_t room = kMaxSettingsFileBytes - 16;
  std::string bytes;
  if (shape == 0) bytes.assign(room, '\n');
  if (shape == 1) while (bytes.size() + 2 <= room) bytes += "\r\n";
  if (shape == 2) for (bytes = "[k]\n"; bytes.size() + 3 <= room;) bytes += "a=\n";
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
  SettingsFiles files() const { return {path_, path_, "", false}; }

 private:
  std::string folder_, path_;
};

void ReadBestTime(benchmark::State& state) {
  const SettingsFile file(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ReadSettings(file.files()).file.Find("s", "t"));
}
BENCHMARK(ReadBestTime)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Alternating values, so every change is written and flushed.
void StoreRecord(benchmark::State& state) {
  const SettingsFile file(static_cast<int>(state.range(0)));
  int time = 0;
  for (auto _ : state) {
    const std::string value = std::to_string(++time % 2);
    benchmark::DoNotOptimize(ChangeSettings(file.files(), [&](IniFile& ini) { ini.Set("s", "t", value); }));
  }
}
BENCHMARK(StoreRecord)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumitile
