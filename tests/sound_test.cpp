// The game's sounds, really played: each test that needs a sound server
// starts its own PulseAudio with a null sink in a private temporary folder,
// records the sink's monitor with parec, drives the real game controller
// into the real CanberraSoundPlayer, and then looks for each sound's samples
// in the recording. The tests that need no server run everywhere; the others
// skip themselves only where PulseAudio cannot be started.

#include <fcntl.h>
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
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core_fakes.h"
#include "display/canberra_sound_player.h"
#include "game/data_files.h"
#include "game/game_controller.h"
#include "game/random_source.h"
#include "game/tick_source.h"

namespace lumitile {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kRate = 44100;  // the rate parec records at
// Well above the null sink's digital silence (exact zeros) and well below
// the sounds' -6 dBFS peaks.
constexpr int kLoud = 300;

fs::path AssetsFolder() { return fs::path(LUMITILE_ASSETS_DIR); }

// ---------------------------------------------------------------------------
// Child processes: the sound server and the recorder. Each dies with the test
// process even when that crashes (PR_SET_PDEATHSIG), and is killed and reaped
// by its owner's destructor on every other way out of a test.

class Child {
 public:
  Child() = default;
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;
  ~Child() { Stop(); }

  // Starts argv[0] from PATH with stdout and stderr to the given files.
  bool Start(const std::vector<std::string>& argv, const fs::path& out, const fs::path& err) {
    std::vector<char*> args;
    for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    const std::string outPath = out.string(), errPath = err.string();
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
      // Only async-signal-safe calls until exec: the test has threads.
      prctl(PR_SET_PDEATHSIG, SIGKILL);
      if (getppid() != parent) _exit(126);
      const int o = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      const int e = open(errPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
      const int in = open("/dev/null", O_RDONLY);
      if (o < 0 || e < 0 || in < 0) _exit(126);
      dup2(in, 0);
      dup2(o, 1);
      dup2(e, 2);
      execvp(args[0], args.data());
      static const char kNotRun[] = "cannot run it: not installed?\n";
      [[maybe_unused]] const auto ignored = write(2, kNotRun, sizeof kNotRun - 1);
      _exit(127);
    }
    pid_ = pid;
    return true;
  }

  // Whether the process has ended (and reaps it if so).
  bool Exited() {
    if (pid_ <= 0) return true;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return true;
    }
    return false;
  }

  // Asks the process to end, then forces it after a bounded wait.
  void Stop(int signal = SIGTERM) {
    if (pid_ <= 0) return;
    kill(pid_, signal);
    const auto deadline = Clock::now() + 3s;
    while (!Exited() && Clock::now() < deadline) std::this_thread::sleep_for(5ms);
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
      pid_ = -1;
    }
  }

 private:
  pid_t pid_ = -1;
};

// Polls until done() or the deadline; true when done.
bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto deadline = Clock::now() + limit;
  while (!done()) {
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(5ms);
  }
  return true;
}

std::string Tail(const fs::path& file) {
  std::ifstream in(file);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return text.size() > 1500 ? text.substr(text.size() - 1500) : text;
}

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "lumitile-sound-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
  }
  ~TempFolder() {
    std::error_code error;
    if (!path_.empty()) fs::remove_all(path_, error);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// A PulseAudio of the test's own: null sink, native protocol on a socket in
// a fresh folder, no configuration, cookie, D-Bus or device of the user's.
// It runs the same for root (PulseAudio warns that it is meant for users and
// runs anyway, as a per-user server of root's) as for anyone else, since
// every folder it touches is the test's own.
class PulseServer {
 public:
  PulseServer() {
    if (folder_.path().empty()) {
      failure_ = "no temporary folder";
      return;
    }
    const fs::path dir = folder_.path();
    fs::create_directories(dir / "home");
    fs::create_directories(dir / "runtime");
    socket_ = dir / "native";
    // The server and, through the environment, this process's sound player
    // and parec all see only the test's folders.
    setenv("HOME", (dir / "home").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (dir / "home" / ".config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (dir / "runtime").c_str(), 1);
    setenv("PULSE_RUNTIME_PATH", (dir / "runtime" / "pulse").c_str(), 1);
    setenv("PULSE_STATE_PATH", (dir / "state").c_str(), 1);
    setenv("PULSE_SERVER", ("unix:" + socket_.string()).c_str(), 1);
    // No X11 or session bus: the server must not start a bus of its own.
    unsetenv("DISPLAY");
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    unsetenv("CANBERRA_DRIVER");

    log_ = dir / "pulseaudio.log";
    // Without rewinds on the null sink, a sound that starts while the sink
    // runs is mixed in from the next block on rather than into blocks the
    // monitor has already passed on, which would cut its first milliseconds
    // out of the recording.
    const std::vector<std::string> argv = {
        "pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
        "--realtime=no", "--high-priority=no", "--log-target=stderr",
        "-L", "module-null-sink sink_name=null rate=44100 norewinds=1",
        "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + socket_.string(),
    };
    if (!server_.Start(argv, dir / "pulseaudio.out", log_)) {
      failure_ = "cannot fork";
      return;
    }
    const bool up = WaitFor([&] { return server_.Exited() || Accepts(); }, 5000ms);
    if (!up || server_.Exited()) {
      failure_ = "PulseAudio did not start: " + Tail(log_);
      server_.Stop();
    }
  }
  ~PulseServer() { server_.Stop(); }

  bool Running() const { return failure_.empty(); }
  const std::string& Failure() const { return failure_; }
  const fs::path& Folder() const { return folder_.path(); }
  void Kill() { server_.Stop(SIGKILL); }

 private:
  bool Accepts() const {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socket_.c_str(), sizeof address.sun_path - 1);
    const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return ok;
  }

  TempFolder folder_;  // declared first: removed after the server has ended
  fs::path socket_;
  fs::path log_;
  Child server_;
  std::string failure_;
};

// parec on the null sink's monitor: 16-bit mono at 44.1 kHz into a file,
// flushed in small pieces so the test can follow it while it grows.
class Recorder {
 public:
  explicit Recorder(const fs::path& folder)
      : file_(folder / "monitor.raw"), log_(folder / "parec.log") {
    const std::vector<std::string> argv = {"parec", "-d", "null.monitor", "--raw", "--format=s16le",
                                           "--rate=44100", "--channels=1", "--latency-msec=10"};
    started_ = parec_.Start(argv, file_, log_);
  }
  // Ready once the null sink's silence starts arriving.
  bool WaitUntilRecording() {
    return started_ && WaitFor([&] { return Size() > 0 || parec_.Exited(); }, 5000ms) &&
           !parec_.Exited();
  }
  std::string Log() const { return Tail(log_); }
  void Stop() { parec_.Stop(); }

  std::vector<int16_t> Samples() const {
    std::ifstream in(file_, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
  }

 private:
  std::uintmax_t Size() const {
    std::error_code error;
    const auto size = fs::file_size(file_, error);
    return error ? 0 : size;
  }
  fs::path file_, log_;
  Child parec_;
  bool started_ = false;
};

// ---------------------------------------------------------------------------
// Finding a sound in the recording.

// A 16-bit PCM WAV file's first channel, at the recording's rate.
std::vector<double> ReadWav(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
  auto u16 = [&](std::size_t at) { return b[at] | b[at + 1] << 8; };
  auto u32 = [&](std::size_t at) { return static_cast<uint32_t>(u16(at) | u16(at + 2) << 16); };
  if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(&b[8], "WAVE", 4) != 0)
    return {};
  int channels = 0, rate = 0, bits = 0;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const uint32_t size = u32(at + 4);
    const std::size_t body = at + 8;
    if (std::memcmp(&b[at], "fmt ", 4) == 0 && body + 16 <= b.size()) {
      channels = u16(body + 2);
      rate = static_cast<int>(u32(body + 4));
      bits = u16(body + 14);
    } else if (std::memcmp(&b[at], "data", 4) == 0 && bits == 16 && channels > 0 && rate > 0) {
      const std::size_t frames = std::min<std::size_t>(size, b.size() - body) / (2u * channels);
      std::vector<double> source(frames);
      for (std::size_t i = 0; i < frames; ++i) {
        source[i] = static_cast<int16_t>(u16(body + i * 2 * channels));
      }
      if (rate == kRate) return source;
      // Another rate: linear interpolation is close enough for tones this low.
      std::vector<double> resampled(frames * kRate / rate);
      for (std::size_t i = 0; i < resampled.size(); ++i) {
        const double x = static_cast<double>(i) * rate / kRate;
        const std::size_t k = std::min<std::size_t>(static_cast<std::size_t>(x), frames - 1);
        const double f = x - k;
        resampled[i] = source[k] * (1 - f) + source[std::min(k + 1, frames - 1)] * f;
      }
      return resampled;
    }
    at = body + size + (size & 1);
  }
  return {};
}

template <typename T>
std::optional<std::size_t> FirstLoud(const std::vector<T>& samples, std::size_t from) {
  for (std::size_t i = from; i < samples.size(); ++i) {
    if (std::abs(static_cast<double>(samples[i])) > kLoud) return i;
  }
  return std::nullopt;
}

struct Match {
  std::size_t start = 0;   // where the sound's first sample lies in the recording
  double correlation = 0;  // normalised: 1 for the same shape at any volume
};

// The best alignment of the sound with the recording near the place where
// the recording turns loud at `onset`.
Match BestMatch(const std::vector<int16_t>& recording, const std::vector<double>& sound,
                std::size_t onset) {
  Match best;
  const auto soundOnset = FirstLoud(sound, 0);
  if (!soundOnset) return best;
  double soundEnergy = 0;
  for (double s : sound) soundEnergy += s * s;
  const long centre = static_cast<long>(onset) - static_cast<long>(*soundOnset);
  for (long start = centre - 400; start <= centre + 400; ++start) {
    if (start < 0 || static_cast<std::size_t>(start) + sound.size() > recording.size()) continue;
    double dot = 0, energy = 0;
    for (std::size_t i = 0; i < sound.size(); ++i) {
      const double r = recording[static_cast<std::size_t>(start) + i];
      dot += r * sound[i];
      energy += r * r;
    }
    const double correlation = energy > 0 ? dot / std::sqrt(energy * soundEnergy) : 0;
    if (correlation > best.correlation) best = {static_cast<std::size_t>(start), correlation};
  }
  return best;
}

std::size_t Ms(double ms) { return static_cast<std::size_t>(ms * kRate / 1000); }

// ---------------------------------------------------------------------------
// The game, headless: the real controller with its sounds going to a player.

struct ToPlayer : GameEvents {
  explicit ToPlayer(SoundPlayer& player) : player(player) {}
  void PlaySound(Sound sound) override {
    player.Play(sound);
    played.push_back(sound);
  }
  void RecordBroken(int32_t) override {}
  SoundPlayer& player;
  std::vector<Sound> played;
};

struct SilentPlayer : SoundPlayer {
  void Play(Sound) override {}
};

class HeadlessGame {
 public:
  explicit HeadlessGame(SoundPlayer& player)
      : events_(player), controller_(random_, ticks_, settings_, events_) {
    controller_.LoadSettings();
    controller_.NewGame();
    // Everything filled in but the first open cell.
    GameState& state = controller_.MutableState();
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) {
        if (state.GivenGrid[r][c] != 0) continue;
        if (!last_) {
          last_ = BoardCell{r, c};
          continue;
        }
        state.EntryGrid[r][c] = state.SolutionGrid[r][c];
      }
    }
  }
  // Picks the panel the last cell needs: the pick sound.
  bool PickLastNumber() {
    const auto& state = controller_.State();
    return controller_.PickPanel(
        static_cast<int16_t>(state.SolutionGrid[last_->row][last_->column] - 1));
  }
  // Places it: the board is solved, the solved sound.
  int16_t PlaceLastNumber() {
    return controller_.ClickBoard(last_->column * 32 + 16, last_->row * 32 + 16);
  }
  const GameController& Controller() const { return controller_; }
  const std::vector<Sound>& Played() const { return events_.played; }

 private:
  struct BoardCell {
    int row, column;
  };
  SeededRandom random_{20240601};
  SteadyTickSource ticks_;
  testing::MemoryProfile settings_;
  ToPlayer events_;
  GameController controller_;
  std::optional<BoardCell> last_;
};

// The whole board as the window would draw it, and the clock's state.
std::vector<int> Snapshot(const GameController& game) {
  std::vector<int> cells;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const CellView cell = game.Cell(r, c);
      cells.push_back(static_cast<int>(cell.Kind) * 10 + cell.Number);
    }
  }
  cells.push_back(game.ClockRunning());
  cells.push_back(game.Pending().has_value());
  return cells;
}

// ---------------------------------------------------------------------------

class SoundServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pick_ = ReadWav(AssetsFolder() / "np1.wav");
    solved_ = ReadWav(AssetsFolder() / "np2.wav");
    ASSERT_FALSE(pick_.empty()) << "cannot read " << AssetsFolder() / "np1.wav";
    ASSERT_FALSE(solved_.empty()) << "cannot read " << AssetsFolder() / "np2.wav";
    server_.emplace();
    if (!server_->Running()) GTEST_SKIP() << server_->Failure();
    recorder_.emplace(server_->Folder());
    ASSERT_TRUE(recorder_->WaitUntilRecording()) << "parec did not record: " << recorder_->Log();
  }
  void TearDown() override {
    recorder_.reset();
    server_.reset();
  }

  // Polls the recording until it holds `length` samples past the first loud
  // sample at or after `from`; returns that sample's index.
  std::optional<std::size_t> WaitForSound(std::size_t from, std::size_t length) {
    std::optional<std::size_t> onset;
    WaitFor(
        [&] {
          const auto samples = recorder_->Samples();
          onset = FirstLoud(samples, from);
          return onset && samples.size() >= *onset + length;
        },
        5000ms);
    const auto samples = recorder_->Samples();
    if (onset && samples.size() >= *onset + length) return onset;
    return std::nullopt;
  }

  // How many sounds the server is playing at this moment.
  static int PlayingStreams() {
    FILE* pipe = popen("pactl list short sink-inputs 2>/dev/null", "r");
    if (!pipe) return -1;
    int lines = 0;
    for (int ch; (ch = std::fgetc(pipe)) != EOF;) lines += ch == '\n';
    pclose(pipe);
    return lines;
  }

  std::vector<double> pick_, solved_;
  std::optional<PulseServer> server_;
  std::optional<Recorder> recorder_;
};

// A palette pick and then the move that solves the board: the pick sound is
// heard, then the solved sound, each exactly as its file has it, and nothing
// else. The click returns while the solved sound is still playing.
TEST_F(SoundServerTest, PickAndSolveAreHeardInOrder) {
  CanberraSoundPlayer player(DataFolders(fs::path(), AssetsFolder()));
  ASSERT_TRUE(player.CanPlay(Sound::Pick));
  ASSERT_TRUE(player.CanPlay(Sound::Solved));
  HeadlessGame game(player);
  const std::size_t before = recorder_->Samples().size();

  ASSERT_TRUE(game.PickLastNumber());
  // A person clicks the board well after the pick's blip has ended.
  const auto pickOnset = WaitForSound(before, pick_.size() + Ms(30));
  ASSERT_TRUE(pickOnset) << "the pick sound never reached the sink";

  ASSERT_EQ(game.PlaceLastNumber(), 1);
  EXPECT_GE(PlayingStreams(), 1) << "the click waited for the solved sound to end";
  const auto solvedOnset = WaitForSound(*pickOnset + pick_.size(), solved_.size() + Ms(100));
  ASSERT_TRUE(solvedOnset) << "the solved sound never reached the sink";
  recorder_->Stop();
  const auto recording = recorder_->Samples();

  const Match pick = BestMatch(recording, pick_, *pickOnset);
  EXPECT_GT(pick.correlation, 0.95) << "the first sound heard is not np1.wav";
  const Match solved = BestMatch(recording, solved_, *solvedOnset);
  EXPECT_GT(solved.correlation, 0.95) << "the second sound heard is not np2.wav";
  EXPECT_GT(solved.start, pick.start + pick_.size());

  // Nothing else: silence before, between and after the two.
  EXPECT_EQ(FirstLoud(recording, before).value_or(0), *pickOnset);
  const auto afterPick = FirstLoud(recording, pick.start + pick_.size());
  EXPECT_EQ(afterPick.value_or(0), *solvedOnset);
  EXPECT_FALSE(FirstLoud(recording, solved.start + solved_.size())) << "a third sound was heard";
  EXPECT_EQ(game.Played(), (std::vector<Sound>{Sound::Pick, Sound::Solved}));
}

// With only the solved sound's file present the pick stays silent, the game
// goes on exactly as with sound, and the solved sound is still heard.
TEST_F(SoundServerTest, AMissingFileSilencesOnlyItsSound) {
  TempFolder data;
  fs::copy_file(AssetsFolder() / "np2.wav", data.path() / "np2.wav");
  CanberraSoundPlayer player({data.path()});
  EXPECT_FALSE(player.CanPlay(Sound::Pick));
  EXPECT_TRUE(player.CanPlay(Sound::Solved));
  HeadlessGame game(player);
  SilentPlayer silent;
  HeadlessGame reference(silent);
  const std::size_t before = recorder_->Samples().size();

  ASSERT_TRUE(game.PickLastNumber());
  ASSERT_TRUE(reference.PickLastNumber());
  ASSERT_EQ(game.PlaceLastNumber(), 1);
  ASSERT_EQ(reference.PlaceLastNumber(), 1);
  EXPECT_EQ(Snapshot(game.Controller()), Snapshot(reference.Controller()));
  EXPECT_FALSE(game.Controller().ClockRunning());

  // The solved sound is the first thing heard, so the pick sent nothing.
  const auto onset = WaitForSound(before, solved_.size() + Ms(100));
  ASSERT_TRUE(onset) << "the solved sound never reached the sink";
  recorder_->Stop();
  const auto recording = recorder_->Samples();
  const Match solved = BestMatch(recording, solved_, *onset);
  EXPECT_GT(solved.correlation, 0.95) << "the first sound heard is not np2.wav";
  EXPECT_FALSE(FirstLoud(recording, solved.start + solved_.size())) << "another sound was heard";
}

// The server goes away while the game runs (a desktop session restarting its
// sound): playing afterwards neither crashes (no SIGPIPE), blocks nor
// changes the game.
TEST_F(SoundServerTest, TheServerGoingAwayLeavesTheGameSilent) {
  CanberraSoundPlayer player(DataFolders(fs::path(), AssetsFolder()));
  ASSERT_TRUE(player.CanPlay(Sound::Pick));
  HeadlessGame game(player);
  recorder_.reset();
  server_->Kill();

  for (int i = 0; i < 3; ++i) {
    player.Play(Sound::Pick);
    player.Play(Sound::Solved);
  }
  ASSERT_TRUE(game.PickLastNumber());
  ASSERT_EQ(game.PlaceLastNumber(), 1);
  EXPECT_FALSE(game.Controller().ClockRunning());
  EXPECT_EQ(game.Played(), (std::vector<Sound>{Sound::Pick, Sound::Solved}));
}

// No sound server at all: the player opens nothing, every Play returns, and
// the game is the same as one without sound.
TEST(SoundWithoutServer, TheGameRunsSilentAndUnchanged) {
  TempFolder empty;
  // A server address where nothing listens, so no real server is reached and
  // none is spawned; only the PulseAudio backend, so a sound card on the
  // machine does not answer through ALSA instead.
  setenv("PULSE_SERVER", ("unix:" + (empty.path() / "native").string()).c_str(), 1);
  setenv("CANBERRA_DRIVER", "pulse", 1);
  CanberraSoundPlayer player(DataFolders(fs::path(), AssetsFolder()));
  unsetenv("CANBERRA_DRIVER");
  EXPECT_FALSE(player.CanPlay(Sound::Pick));
  EXPECT_FALSE(player.CanPlay(Sound::Solved));

  HeadlessGame game(player);
  SilentPlayer silent;
  HeadlessGame reference(silent);
  ASSERT_TRUE(game.PickLastNumber());
  ASSERT_TRUE(reference.PickLastNumber());
  ASSERT_EQ(game.PlaceLastNumber(), 1);
  ASSERT_EQ(reference.PlaceLastNumber(), 1);
  EXPECT_EQ(Snapshot(game.Controller()), Snapshot(reference.Controller()));
  EXPECT_EQ(game.Played(), (std::vector<Sound>{Sound::Pick, Sound::Solved}));
}

}  // namespace
}  // namespace lumitile
