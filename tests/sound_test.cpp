// The game's sounds, really played through a PulseAudio server of the
// test's own (null sink, private folders) and found in a recording of its
// output; and the player with no server at all.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <thread>

#include "core/data_files.h"
#include "ui/canberra_sound_player.h"

namespace lumitile {
namespace {

namespace fs = std::filesystem;
const fs::path kAssets = LUMITILE_ASSETS_DIR;
constexpr std::size_t kRate = 44100;  // parec records at the sound files' rate
constexpr int kLoud = 300;  // far above the null sink's zeros, far below the sounds' peaks

// Polls a process outside the test (the server, the recorder) for up to five seconds.
template <typename Done>
bool WaitFor(Done done) {
  for (int tries = 0; !done(); ++tries) {
    if (tries == 1000) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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

// The samples of the game's 16-bit mono PCM WAV files (a 44-byte header).
std::vector<double> ReadWav(const fs::path& file) {
  const std::string bytes = ReadFile(file);
  std::vector<double> samples;
  for (std::size_t at = 44; at + 1 < bytes.size(); at += 2) {
    samples.push_back(int16_t(uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8));
  }
  return samples;
}

template <typename T>
std::optional<std::size_t> FirstLoud(const std::vector<T>& samples, std::size_t from) {
  for (std::size_t i = from; i < samples.size(); ++i)
    if (std::abs(double(samples[i])) > kLoud) return i;
  return std::nullopt;
}

// The sound's best normalised correlation with the recording (1 for the same
// shape at any volume) within 400 samples of putting its first loud sample at onset.
double BestCorrelation(const std::vector<int16_t>& recording, const std::vector<double>& sound, std::size_t onset) {
  double best = 0, soundEnergy = 0;
  for (double s : sound) soundEnergy += s * s;
  const long centre = long(onset) - long(FirstLoud(sound, 0).value_or(0));
  for (long start = std::max(0L, centre - 400); start <= centre + 400 && start + sound.size() <= recording.size();
       ++start) {
    double dot = 0, energy = 0;
    for (std::size_t i = 0; i < sound.size(); ++i) {
      dot += recording[start + i] * sound[i];
      energy += double(recording[start + i]) * recording[start + i];
    }
    if (energy > 0) best = std::max(best, dot / std::sqrt(energy * soundEnergy));
  }
  return best;
}

class SoundServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "lumitile-sound-XXXXXX").string();
    ASSERT_TRUE(mkdtemp(pattern.data()));
    dir_ = pattern;
    // The server, parec and the player see only the test's folders (no
    // configuration, cookie, D-Bus or device of the user's).
    fs::create_directories(dir_ / "home");
    setenv("HOME", (dir_ / "home").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (dir_ / "home").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", dir_.c_str(), 1);
    setenv("PULSE_RUNTIME_PATH", (dir_ / "pulse").c_str(), 1);
    setenv("PULSE_STATE_PATH", (dir_ / "state").c_str(), 1);
    setenv("PULSE_SERVER", ("unix:" + (dir_ / "native").string()).c_str(), 1);
    for (const char* name : {"DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "CANBERRA_DRIVER"}) unsetenv(name);
    // Without rewinds a sound is mixed in from the next block on, not into
    // blocks the monitor has already passed on (cutting its start off).
    server_ = Spawn("exec pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --realtime=no "
                    "--high-priority=no -L 'module-null-sink sink_name=null rate=44100 norewinds=1' "
                    "-L 'module-native-protocol-unix auth-anonymous=1 socket=" + (dir_ / "native").string() +
                    "' </dev/null >/dev/null 2>'" + (dir_ / "server.log").string() + "'");
    ASSERT_TRUE(WaitFor([] { return std::system("pactl info >/dev/null 2>&1") == 0; }))
        << "PulseAudio did not start: " << ReadFile(dir_ / "server.log");
    parec_ = Spawn("exec parec -d null.monitor --raw --format=s16le --rate=44100 --channels=1 --latency-msec=10 "
                   "</dev/null >'" + (dir_ / "monitor.raw").string() + "' 2>/dev/null");
    ASSERT_TRUE(WaitFor([&] { return !Recording().empty(); })) << "parec did not record";
  }
  void TearDown() override {
    for (pid_t pid : {parec_, server_})
      if (pid > 0 && kill(pid, SIGKILL) == 0) waitpid(pid, nullptr, 0);
    std::error_code error;
    fs::remove_all(dir_, error);
  }

  std::vector<int16_t> Recording() const {
    const std::string bytes = ReadFile(dir_ / "monitor.raw");
    std::vector<int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
  }
  // The first loud sample at or after from, once length more are recorded past it.
  std::optional<std::size_t> WaitForSound(std::size_t from, std::size_t length) const {
    std::optional<std::size_t> onset;
    const bool heard = WaitFor([&] {
      const auto samples = Recording();
      onset = FirstLoud(samples, from);
      return onset && samples.size() >= *onset + length;
    });
    return heard ? onset : std::nullopt;
  }

  fs::path dir_;
  pid_t server_ = -1, parec_ = -1;
};

// np1.wav is heard, then np2.wav, each as its file has it, and nothing after;
// Play returns while the sound still plays.
TEST_F(SoundServerTest, PickThenSolvedAreHeardInOrder) {
  const auto pick = ReadWav(kAssets / "np1.wav"), solved = ReadWav(kAssets / "np2.wav");
  CanberraSoundPlayer player(DataFolders(fs::path(), kAssets));
  ASSERT_TRUE(player.CanPlay(Sound::Pick) && player.CanPlay(Sound::Solved));
  const std::size_t tail = kRate / 10;
  player.Play(Sound::Pick);
  const auto pickOnset = WaitForSound(0, pick.size() + tail);
  ASSERT_TRUE(pickOnset) << "the pick sound never reached the sink";
  player.Play(Sound::Solved);
  EXPECT_EQ(std::system("pactl list short sink-inputs | grep -q ."), 0) << "Play waited for the sound to end";
  const auto solvedOnset = WaitForSound(*pickOnset + pick.size(), solved.size() + tail);
  ASSERT_TRUE(solvedOnset) << "the solved sound never reached the sink";
  const auto recording = Recording();
  EXPECT_GT(BestCorrelation(recording, pick, *pickOnset), 0.95) << "the first sound is not np1.wav";
  EXPECT_GT(BestCorrelation(recording, solved, *solvedOnset), 0.95) << "the second is not np2.wav";
  EXPECT_FALSE(FirstLoud(recording, *solvedOnset + solved.size())) << "a third sound was heard";
}

// No server where PULSE_SERVER points (and only the PulseAudio backend, so a
// sound card does not answer through ALSA): nothing opens, Play is harmless.
TEST(SoundWithoutServer, PlayIsHarmless) {
  setenv("PULSE_SERVER", "unix:/nonexistent/lumitile-no-server", 1);
  setenv("CANBERRA_DRIVER", "pulse", 1);
  CanberraSoundPlayer player(DataFolders(fs::path(), kAssets));
  unsetenv("CANBERRA_DRIVER");
  EXPECT_FALSE(player.CanPlay(Sound::Pick) || player.CanPlay(Sound::Solved));
  player.Play(Sound::Pick);
}

}  // namespace
}  // namespace lumitile
