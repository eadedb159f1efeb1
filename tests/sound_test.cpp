// The game's sounds, really played through a PulseAudio of the test's own and
// found in a recording of its output, and the game without a sound server.

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core_fakes.h"
#include "ui/canberra_sound_player.h"
#include "core/data_files.h"
#include "core/game_controller.h"
#include "core/random_source.h"

namespace lumitile {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const fs::path kAssets = LUMITILE_ASSETS_DIR;
constexpr std::size_t kRate = 44100;  // parec records at the sound files' rate
// Far above the null sink's digital silence (zeros), far below the sounds' peaks.
constexpr int kLoud = 300;

// Polls until done() or the deadline; true when done.
template <typename Done>
bool WaitFor(Done done, std::chrono::milliseconds limit = 5000ms) {
  for (const auto deadline = std::chrono::steady_clock::now() + limit; !done();) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(5ms);
  }
  return true;
}

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Starts a shell command line in a process that dies with the test process
// even when that crashes; the fixture kills and reaps it on every other way out.
pid_t Spawn(const std::string& command) {
  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid != 0) return pid;
  // Only async-signal-safe calls until exec: the test has threads.
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != parent) _exit(126);
  execl("/bin/sh", "sh", "-c", command.c_str(), nullptr);
  _exit(127);
}

void Kill(pid_t& pid) {
  if (pid > 0 && kill(pid, SIGKILL) == 0) waitpid(pid, nullptr, 0);
  pid = -1;
}

// The samples of a plain 16-bit mono PCM WAV file at kRate, as the game's
// are; empty for anything else.
std::vector<double> ReadWav(const fs::path& file) {
  const std::string b = ReadFile(file);
  auto u16 = [&](std::size_t at) { return uint8_t(b[at]) | uint8_t(b[at + 1]) << 8; };
  if (b.size() < 44 || b.compare(0, 4, "RIFF") || b.compare(8, 8, "WAVEfmt ") || u16(20) != 1 ||
      u16(22) != 1 || (u16(24) | u16(26) << 16) != kRate || u16(34) != 16 ||
      b.compare(36, 4, "data"))
    return {};
  std::vector<double> samples(std::min<std::size_t>(u16(40) | u16(42) << 16, b.size() - 44) / 2);
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = int16_t(u16(44 + 2 * i));
  return samples;
}

template <typename T>
std::optional<std::size_t> FirstLoud(const std::vector<T>& samples, std::size_t from) {
  for (std::size_t i = from; i < samples.size(); ++i) {
    if (std::abs(double(samples[i])) > kLoud) return i;
  }
  return std::nullopt;
}

// The sound's best alignment with the recording within 400 samples of the
// one that puts its first loud sample at `onset`. The correlation is
// normalised: 1 for the same shape at any volume.
double BestCorrelation(const std::vector<int16_t>& recording, const std::vector<double>& sound,
                       std::size_t onset) {
  double best = 0, soundEnergy = 0;
  for (double s : sound) soundEnergy += s * s;
  const long centre = long(onset) - long(FirstLoud(sound, 0).value_or(0));
  for (long start = std::max(0L, centre - 400);
       start <= centre + 400 && std::size_t(start) + sound.size() <= recording.size(); ++start) {
    double dot = 0, energy = 0;
    for (std::size_t i = 0; i < sound.size(); ++i) {
      dot += recording[start + i] * sound[i];
      energy += double(recording[start + i]) * recording[start + i];
    }
    if (energy > 0) best = std::max(best, dot / std::sqrt(energy * soundEnergy));
  }
  return best;
}

// The real controller, headless, one move from solved, its sounds going to a player.
struct HeadlessGame : GameEvents {
  explicit HeadlessGame(SoundPlayer& player) : player(player) {
    game.LoadSettings();
    game.NewGame();
    GameState& state = game.MutableState();
    for (int r = 8; r >= 0; --r) {  // every open cell filled in but the first
      for (int c = 8; c >= 0; --c) {
        if (state.GivenGrid[r][c] != 0) continue;
        state.EntryGrid[r][c] = state.SolutionGrid[r][c];
        row = r, column = c;
      }
    }
    state.EntryGrid[row][column] = 0;
  }
  bool Pick() { return game.PickPanel(int16_t(game.State().SolutionGrid[row][column] - 1)); }
  int16_t Place() { return game.ClickBoard(column * 32 + 16, row * 32 + 16); }
  void PlaySound(Sound sound) override {
    player.Play(sound);
    played.push_back(sound);
  }
  void RecordBroken(int32_t) override {}

  SoundPlayer& player;
  SeededRandom random{20240601};
  testing::FakeTicks ticks;
  testing::MemoryProfile settings;
  GameController game{random, ticks, settings, *this};
  int row = 0, column = 0;
  std::vector<Sound> played;
};

class SoundServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "lumitile-sound-XXXXXX").string();
    ASSERT_TRUE(mkdtemp(pattern.data())) << "no temporary folder";
    dir_ = pattern;
    const std::string dir = dir_.string(), socket = dir + "/native";
    // The server, parec and this process's player see only the test's folders
    // (no configuration, cookie, D-Bus or device of the user's), so root runs
    // it like anyone else: PulseAudio warns that it is meant for users and runs.
    for (const char* sub : {"home", "runtime"}) fs::create_directories(dir_ / sub);
    setenv("HOME", (dir_ / "home").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (dir_ / "home" / ".config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (dir_ / "runtime").c_str(), 1);
    setenv("PULSE_RUNTIME_PATH", (dir_ / "runtime" / "pulse").c_str(), 1);
    setenv("PULSE_STATE_PATH", (dir_ / "state").c_str(), 1);
    setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);
    for (const char* name : {"DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "CANBERRA_DRIVER"})
      unsetenv(name);
    // Without rewinds a sound is mixed in from the next block on, not into
    // blocks the monitor has already passed on (cutting its start off).
    server_ = Spawn(
        "exec pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --realtime=no "
        "--high-priority=no --log-target=stderr -L 'module-null-sink sink_name=null rate=44100 "
        "norewinds=1' -L 'module-native-protocol-unix auth-anonymous=1 socket=" +
        socket + "' </dev/null >/dev/null 2>'" + dir + "/pulseaudio.log'");
    if (!WaitFor([] { return std::system("pactl info >/dev/null 2>&1") == 0; })) {
      GTEST_SKIP() << "PulseAudio did not start: " << ReadFile(dir_ / "pulseaudio.log");
    }
    parec_ = Spawn(
        "exec parec -d null.monitor --raw --format=s16le --rate=44100 --channels=1 "
        "--latency-msec=10 </dev/null >'" +
        dir + "/monitor.raw' 2>'" + dir + "/parec.log'");
    ASSERT_TRUE(WaitFor([&] { return !Recording().empty(); }))
        << "parec did not record: " << ReadFile(dir_ / "parec.log");
  }
  void TearDown() override {
    Kill(parec_);
    Kill(server_);
    if (std::error_code error; !dir_.empty()) fs::remove_all(dir_, error);
  }

  std::vector<int16_t> Recording() const {
    const std::string bytes = ReadFile(dir_ / "monitor.raw");
    std::vector<int16_t> samples(bytes.size() / 2);
    // memcpy must not be handed the null pointer of an empty vector.
    if (!samples.empty()) std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
  }
  // The first loud sample at or after `from`, once `length` more samples
  // have been recorded past it.
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

// A palette pick, then the move that solves the board: np1.wav is heard, then
// np2.wav, each as its file has it, and nothing after. The click returns
// while the solved sound still plays, and a server that goes away later
// leaves Play harmless.
TEST_F(SoundServerTest, PickThenSolveAreHeardInOrder) {
  const auto pick = ReadWav(kAssets / "np1.wav"), solved = ReadWav(kAssets / "np2.wav");
  ASSERT_FALSE(pick.empty() || solved.empty()) << "cannot read the sound files in " << kAssets;
  CanberraSoundPlayer player(DataFolders(fs::path(), kAssets));
  ASSERT_EQ(player.WaitWhileOpening(5s), CanberraSoundPlayer::Output::kOpen);
  ASSERT_TRUE(player.CanPlay(Sound::Pick) && player.CanPlay(Sound::Solved));
  HeadlessGame game(player);
  const std::size_t before = Recording().size(), tail = kRate / 10;

  ASSERT_TRUE(game.Pick());
  const auto pickOnset = WaitForSound(before, pick.size() + tail);  // a person clicks later
  ASSERT_TRUE(pickOnset) << "the pick sound never reached the sink";
  ASSERT_EQ(game.Place(), 1);
  EXPECT_EQ(std::system("pactl list short sink-inputs | grep -q ."), 0)
      << "the click waited for the solved sound to end";
  const auto solvedOnset = WaitForSound(*pickOnset + pick.size(), solved.size() + tail);
  ASSERT_TRUE(solvedOnset) << "the solved sound never reached the sink";

  const auto recording = Recording();
  EXPECT_GT(BestCorrelation(recording, pick, *pickOnset), 0.95) << "the first sound is not np1.wav";
  EXPECT_GT(BestCorrelation(recording, solved, *solvedOnset), 0.95) << "the second is not np2.wav";
  EXPECT_FALSE(FirstLoud(recording, *solvedOnset + solved.size())) << "a third sound was heard";

  Kill(server_);
  player.Play(Sound::Pick);
  player.Play(Sound::Solved);
}

// No server where PULSE_SERVER points: the player opens nothing, Play
// returns, and the game goes on to the solve as it does without sound.
TEST(SoundWithoutServer, TheGameRunsSilentAndUnchanged) {
  // Only the PulseAudio backend, so a sound card on the machine does not
  // answer through ALSA; a named server is never spawned.
  setenv("PULSE_SERVER", "unix:/nonexistent/lumitile-no-server", 1);
  setenv("CANBERRA_DRIVER", "pulse", 1);
  CanberraSoundPlayer player(DataFolders(fs::path(), kAssets));
  EXPECT_EQ(player.WaitWhileOpening(5s), CanberraSoundPlayer::Output::kSilent);
  unsetenv("CANBERRA_DRIVER");
  EXPECT_FALSE(player.CanPlay(Sound::Pick) || player.CanPlay(Sound::Solved));

  HeadlessGame game(player);
  ASSERT_TRUE(game.Pick());
  EXPECT_EQ(game.Place(), 1);
  EXPECT_FALSE(game.game.ClockRunning());
  EXPECT_EQ(game.played, (std::vector<Sound>{Sound::Pick, Sound::Solved}));
}

// A server that takes the connection and never answers (the listening
// socket is never accepted from): making the player and playing return while
// it is still waiting, and it goes silent once the server is gone.
TEST(SoundWithHungServer, NeverHoldsUpTheGame) {
  std::string folder = (fs::temp_directory_path() / "lumitile-hung-XXXXXX").string();
  ASSERT_TRUE(mkdtemp(folder.data()));
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socketPath = folder + "/native";
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  std::strcpy(address.sun_path, socketPath.c_str());
  const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(listen(listener, 8), 0);
  setenv("PULSE_SERVER", ("unix:" + socketPath).c_str(), 1);
  setenv("CANBERRA_DRIVER", "pulse", 1);

  CanberraSoundPlayer player(DataFolders(fs::path(), kAssets));
  player.Play(Sound::Pick);
  EXPECT_EQ(player.State(), CanberraSoundPlayer::Output::kOpening);

  close(listener);
  EXPECT_EQ(player.WaitWhileOpening(20s), CanberraSoundPlayer::Output::kSilent);
  unsetenv("CANBERRA_DRIVER");
  std::error_code error;
  fs::remove_all(folder, error);
}

}  // namespace
}  // namespace lumitile
