// Removes the settings file's lock while games hold it, over and over, and
// counts what that costs. Three writer processes each add one to a counter in
// the settings file a few hundred times, every addition one locked
// read-modify-write of the game's own; a fourth process removes the lock file
// in a tight loop all the while. At the end the counter must equal the
// additions the writers saw land: "lost" must be 0. A change refused because
// the lock stayed busy or kept vanishing is tried again, and counted apart.
// Not part of the test run: 900 additions take a few seconds.
//
//   lock_attack [additions per writer (300)] [folder (a new one under /tmp)]
#include <signal.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <new>
#include <string>

#include "core/records/settings_transaction.h"

namespace lumitile {
namespace {

constexpr int kWriters = 3;
constexpr int kTriesPerAddition = 20;  // then a writer gives up: the lock does not work here at all

// Shared by every process of the run.
struct Tally {
  std::atomic<long> landed, busy, vanishing, otherFailures, removals;
};

void AddOne(IniFile& file) {
  const long now = std::strtol(file.Find("count", "n").value_or("0").c_str(), nullptr, 10);
  file.Set("count", "n", std::to_string(now + 1));
}

void Writer(const SettingsFiles& files, int additions, Tally& tally) {
  for (int done = 0, tries = 0; done < additions && tries < additions * kTriesPerAddition; ++tries) {
    const auto failure = ChangeSettings(files, AddOne);
    if (!failure) {
      ++done;
      ++tally.landed;
    } else if (failure->step == FileStep::kLock && failure->error == EWOULDBLOCK) {
      ++tally.busy;
    } else if (failure->step == FileStep::kLock && failure->error == ESTALE) {
      ++tally.vanishing;
    } else {
      // Under a lock that works no other writer removes this one's temporary file.
      ++tally.otherFailures;
    }
  }
}

[[noreturn]] void Remover(const std::string& lock, Tally& tally) {
  // Ends with the run, however that ends.
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  for (;;) {
    if (::unlink(lock.c_str()) == 0) ++tally.removals;
  }
}

pid_t Fork(const std::function<void()>& body) {
  const pid_t pid = ::fork();
  if (pid < 0) std::exit(2);
  if (pid == 0) {
    body();
    std::_Exit(0);
  }
  return pid;
}

int Run(int additions, std::string folder) {
  if (folder.empty()) {
    char pattern[] = "/tmp/lumitile-lock-XXXXXX";
    folder = ::mkdtemp(pattern);
  }
  std::filesystem::create_directories(folder);
  const SettingsFiles files = LocateSettings(ProgramPlace{folder, "lumitile"});
  const std::string lock = LockPathFor(files.NamePath());
  std::filesystem::remove(files.NamePath());

  void* shared = ::mmap(nullptr, sizeof(Tally), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  if (shared == MAP_FAILED) return 2;
  Tally& tally = *new (shared) Tally{};

  const pid_t remover = Fork([&] { Remover(lock, tally); });
  pid_t writers[kWriters];
  for (pid_t& writer : writers) writer = Fork([&] { Writer(files, additions, tally); });
  for (const pid_t writer : writers) ::waitpid(writer, nullptr, 0);
  ::kill(remover, SIGKILL);
  ::waitpid(remover, nullptr, 0);

  const SettingsSnapshot end = ReadSettings(files);
  const long counter = std::strtol(end.file.Find("count", "n").value_or("0").c_str(), nullptr, 10);
  const long lost = tally.landed - counter;
  std::printf("writers %d, additions landed %ld; refused and tried again: lock busy %ld, lock kept vanishing %ld; "
              "other failures %ld\n",
              kWriters, tally.landed.load(), tally.busy.load(), tally.vanishing.load(), tally.otherFailures.load());
  std::printf("lock file removed %ld times; counter %ld, lost %ld\n", tally.removals.load(), counter, lost);
  std::printf("folder %s\n", folder.c_str());
  return lost == 0 && tally.otherFailures == 0 && tally.landed == kWriters * additions ? 0 : 1;
}

}  // namespace
}  // namespace lumitile

int main(int argc, char** argv) {
  const int additions = argc > 1 ? std::atoi(argv[1]) : 300;
  return lumitile::Run(additions > 0 ? additions : 300, argc > 2 ? argv[2] : "");
}
