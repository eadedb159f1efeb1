// A scratch folder for the settings-file tests, and a way to act as an
// ordinary user: root writes straight through read-only permissions, so the
// read-only cases run in a child process that has given root up.
#pragma once

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace lumitile::testing_support {

class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = ::testing::TempDir() + "lumitile-records-XXXXXX";
    root_ = ::mkdtemp(pattern.data());
    ::chmod(root_.c_str(), 0755);  // the unprivileged child must reach inside
    ::setenv("XDG_CONFIG_HOME", Path("config").c_str(), 1);
  }
  ~ScratchFolder() {
    ::unsetenv("XDG_CONFIG_HOME");
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root_)) {
      if (entry.is_directory()) ::chmod(entry.path().c_str(), 0700);
    }
    std::filesystem::remove_all(root_);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string Path(const std::string& relative) const { return root_ + "/" + relative; }

  // A folder anyone may write in, so the unprivileged child can use it too.
  std::string MakeFolder(const std::string& relative, mode_t mode = 0777) const {
    const std::string path = Path(relative);
    std::filesystem::create_directories(path);
    ::chmod(path.c_str(), mode);
    return path;
  }
  void Put(const std::string& relative, const std::string& bytes, mode_t mode = 0666) const {
    std::ofstream(Path(relative), std::ios::binary) << bytes;
    ::chmod(Path(relative).c_str(), mode);
  }
  std::string Get(const std::string& relative) const {
    std::ifstream in(Path(relative), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

 private:
  std::string root_;
};

// Runs body in a forked child, as uid/gid 65534 when this process is root,
// and returns what it reported (empty when all went well) through a pipe.
inline std::string RunAsOrdinaryUser(const std::function<std::string()>& body) {
  int channel[2];
  if (::pipe(channel) != 0) return "pipe failed";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(channel[0]);
    // Supplementary groups go first: group root could still grant writes.
    const bool dropped = ::geteuid() != 0 ||
                         (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0);
    const std::string report = dropped ? body() : "could not give up root";
    const bool sent = ::write(channel[1], report.data(), report.size()) == static_cast<ssize_t>(report.size());
    ::_exit(report.empty() && sent ? 0 : 1);
  }
  ::close(channel[1]);
  std::string report;
  char buffer[512];
  for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;) report.append(buffer, got);
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status)) return report + "child did not finish";
  if (WEXITSTATUS(status) != 0 && report.empty()) return "child failed";
  return report;
}

}  // namespace lumitile::testing_support
