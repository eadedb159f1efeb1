// The soak and attack tools run the game as worker processes: this program
// again, as "NAME worker FOLDER SEED", its standard output a pipe back.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>

namespace lumitile::tools {

struct WorkerProcess {
  pid_t pid = -1;
  int output = -1;  // the worker's standard output
};

// prepare runs in the child before the program starts again.
inline WorkerProcess SpawnWorker(const char* name, const std::string& folder, uint64_t seed,
                                 const std::function<void()>& prepare = {}) {
  int channel[2];
  if (::pipe(channel) != 0) std::exit(2);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(channel[1], STDOUT_FILENO);
    ::close(channel[0]);
    ::close(channel[1]);
    if (prepare) prepare();
    const std::string seedText = std::to_string(seed);
    ::execl("/proc/self/exe", name, "worker", folder.c_str(), seedText.c_str(), nullptr);
    std::_Exit(3);
  }
  ::close(channel[1]);
  return {pid, channel[0]};
}

}  // namespace lumitile::tools
