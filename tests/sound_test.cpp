// The game's sounds, really played through a PulseAudio server of the
// test's own (null sink, private folders) and found, sample for sample, in a
// recording of its output; and a server that never answers.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "core/data_files.h"
#include "support/fakes.h"
#include "ui/canberra_sound_player.h"

namespace lumitile {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
const fs::path kAssets = LUMITILE_ASSETS_DIR;

// The sound's samples without the silence around them: a null sink at the
// files' rate and format passes them through unchanged.
std::string Samples(const char* file) {
  const std::string pcm = testing::FileBytes(kAssets / file).substr(44);
  const std::size_t first = pcm.find_first_not_of('\0') & ~std::size_t{1};
  return pcm.substr(first, (pcm.find_last_not_of('\0') | 1) + 1 - first);
}

// Polls a process outside the test (the server, the recorder) for up to five seconds.
template <typename Done>
bool WaitFor(Done done) {
  for (int tries = 0; tries < 1000; ++tries, std::this_thread::sleep_for(5ms))
    if (done()) return true;
  return done();
}

// A shell command in a process that dies with the test, even when it crashes.
pid_t Spawn(const std::string& command) {
  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid != 0) return pid;
  prctl(PR_SET_PDEATHSIG, SIGKILL);  // only async-signal-safe calls until exec
  if (getppid() != parent) _exit(126);
  execl("/bin/sh", "sh", "-c", command.c_str(), nullptr);
  _exit(127);
}

// The server, parec and the player see only the test's folders (no
// configuration, cookie, D-Bus or device of the user's).
class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string dir = (fs::temp_directory_path() / "lumitile-sound-XXXXXX").string();
    ASSERT_TRUE(mkdtemp(dir.data()));
    dir_ = dir;
    for (const auto& [name, value] : {std::pair{"HOME", dir}, {"XDG_CONFIG_HOME", dir}, {"XDG_RUNTIME_DIR", dir},
                                      {"PULSE_RUNTIME_PATH", dir + "/pulse"}, {"PULSE_STATE_PATH", dir + "/state"},
                                      {"PULSE_SERVER", "unix:" + dir + "/native"}})
      setenv(name, value.c_str(), 1);
    for (const char* name : {"DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "CANBERRA_DRIVER"}) unsetenv(name);
  }
  void TearDown() override {
    for (pid_t pid : {parec_, server_})
      if (pid > 0 && kill(pid, SIGKILL) == 0) waitpid(pid, nullptr, 0);
    unsetenv("CANBERRA_DRIVER");
    std::error_code error;
    fs::remove_all(dir_, error);
  }
  std::string Recording() const { return testing::FileBytes(dir_ / "monitor.raw"); }

  fs::path dir_;
  pid_t server_ = -1, parec_ = -1;
};

// np1.wav is heard whole, then np2.wav, and Play returns while a sound plays.
TEST_F(SoundTest, PickThenSolvedAreHeardInOrder) {
  // Without rewinds a sound is mixed in from the next block on, not into
  // blocks the monitor has already passed on (cutting its start off).
  const std::string dir = dir_.string();
  server_ = Spawn("exec pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --realtime=no "
                  "--high-priority=no -L 'module-null-sink sink_name=null rate=44100 norewinds=1' "
                  "-L 'module-native-protocol-unix auth-anonymous=1 socket=" + dir + "/native' "
                  "</dev/null >/dev/null 2>'" + dir + "/server.log'");
  ASSERT_TRUE(WaitFor([] { return std::system("pactl info >/dev/null 2>&1") == 0; }))
      << "PulseAudio did not start: " << testing::FileBytes(dir_ / "server.log");
  parec_ = Spawn("exec parec -d null.monitor --raw --format=s16le --rate=44100 --channels=1 --latency-msec=10 "
                 "</dev/null >'" + dir + "/monitor.raw' 2>/dev/null");
  ASSERT_TRUE(WaitFor([&] { return !Recording().empty(); })) << "parec did not record";
  const std::string pick = Samples("np1.wav"), solved = Samples("np2.wav");
  CanberraSoundPlayer player(DataFolders(fs::path(), kAssets));
  ASSERT_EQ(player.WaitWhileOpening(5s), CanberraSoundPlayer::Output::kOpen);
  ASSERT_TRUE(player.CanPlay(Sound::Pick) && player.CanPlay(Sound::Solved));
  player.Play(Sound::Pick);
  ASSERT_TRUE(WaitFor([&] { return Recording().find(pick) != std::string::npos; })) << "np1.wav was not heard";
  player.Play(Sound::Solved);
  EXPECT_TRUE(WaitFor([] { return std::system("pactl list short sink-inputs | grep -q .") == 0; }))
      << "Play waited for the sound to end";
  ASSERT_TRUE(WaitFor([&] { return Recording().find(solved) != std::string::npos; })) << "np2.wav was not heard";
  EXPECT_LT(Recording().find(pick), Recording().find(solved));
}

// A server that takes the connection and never answers (the listening
// socket is never accepted from): making the player and playing return while
// it is still waiting, and it goes silent once the server is gone. Only the
// PulseAudio backend is allowed, so a sound card does not answer through ALSA.
TEST_F(SoundTest, AHungServerNeverHoldsUpTheGame) {
  sockaddr_un address{AF_UNIX, {}};
  const std::string socketPath = (dir_ / "native").string();
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  std::strcpy(address.sun_path, socketPath.c_str());
  const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(listen(listener, 8), 0);
  setenv("CANBERRA_DRIVER", "pulse", 1);
  CanberraSoundPlayer player(DataFolders(fs::path(), kAssets));
  player.Play(Sound::Pick);
  EXPECT_EQ(player.State(), CanberraSoundPlayer::Output::kOpening);
  close(listener);
  EXPECT_EQ(player.WaitWhileOpening(20s), CanberraSoundPlayer::Output::kSilent);
  EXPECT_FALSE(player.CanPlay(Sound::Pick) || player.CanPlay(Sound::Solved));
}

}  // namespace
}  // namespace lumitile
