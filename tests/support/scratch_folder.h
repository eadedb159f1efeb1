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
#include <sstream>
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
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root_))
      if (entry.is_directory()) ::chmod(entry.path().c_str(), 0700);
    std::filesystem::remove_all(root_);
  }
  ScratchFolder(const ScratchFolder&) = delete;

  std::string Path(const std::string& relative) const { return root_ + "/" + relative; }
  // Folders anyone may write in by default, so the unprivileged child can use them too.
  void MakeFolder(const std::string& relative, mode_t mode = 0777) const {
    std::filesystem::create_directories(Path(relative));
    ::chmod(Path(relative).c_str(), mode);
  }
  void Put(const std::string& relative, const std::string& bytes, mode_t mode = 0666) const {
    std::ofstream(Path(relative), std::ios::binary) << bytes;
    ::chmod(Path(relative).c_str(), mode);
  }
  std::string Get(const std::string& relative) const {
    std::ostringstream bytes;
    bytes << std::ifstream(Path(relative), std::ios::binary).rdbuf();
    return bytes.str();
  }

 private:
  std::string root_;
};

// Whether body holds in a forked child, run as uid/gid 65534 when this process is root.
inline bool HoldsAsOrdinaryUser(const std::function<bool()>& body) {
  const pid_t child = ::fork();
  if (child == 0) {
    // Supplementary groups go first: group root could still grant writes.
    const bool dropped = ::geteuid() != 0 ||
                         (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0);
    ::_exit(dropped && body() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace lumitile::testing_support
