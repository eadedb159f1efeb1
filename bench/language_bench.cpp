// What English costs at start-up against Japanese, side by side in one run:
// ROUNDS starts in each language (and with no translator at all, the floor),
// taken in turn. A start installs the language's translator as the game does
// (Qt's own Japanese texts from the system's file, or the game's English from
// its resources), builds the game over a settings file already there, shows
// it and waits for the board's first paint. The translator's own part, load
// and install, is timed as well.
//
// Runs on whatever Qt platform it is given, the offscreen one without a display.
//
//   language_bench [ROUNDS]     prints one "name value" a line: for each
//                               language the median start and the median
//                               translator in milliseconds, then English
//                               less Japanese, the figure held to 2 ms

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTranslator>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "app/game.h"
#include "app/startup.h"
#include "core/random_source.h"
#include "core/records/ini_profile.h"
#include "core/tick_source.h"
#include "bench/window_bench_support.h"
#include "ui/sound_player.h"

namespace {

using namespace lumitile;

using bench::NoSound;
using bench::PaintCounter;

struct Timing {
  double startMs;
  double translatorMs;
};

// One start in the language (none: no translator), from the translator to the board's first paint.
Timing Start(std::optional<Language> language, const QString& folder) {
  QElapsedTimer timer;
  timer.start();
  QTranslator translator;
  if (language && !InstallLanguage(*language, translator)) {
    std::fprintf(stderr, "language_bench: the translator would not load\n");
    std::exit(1);
  }
  const double translatorMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
  SeededRandom random(12345);  // the same deal in every start
  SteadyTickSource ticks;
  IniProfile settings(ProgramPlace{folder.toStdString(), "language_bench"});
  NoSound sounds;
  Game game({random, ticks, settings, sounds, {}, AskInMessageBox, qApp->devicePixelRatio()});
  PaintCounter counter;
  game.Window().findChild<QWidget*>(QStringLiteral("Board"))->installEventFilter(&counter);
  game.Show();
  while (counter.paints == 0) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  const double startMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
  QCoreApplication::removeTranslator(&translator);
  return {startMs, translatorMs};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  bench::OffscreenWithoutDisplay();
  QApplication app(argc, argv);
  const int rounds = argc > 1 ? std::max(5, std::atoi(argv[1])) : 30;
  QTemporaryDir folder;  // the settings file of a throw-away copy

  const std::array<std::pair<const char*, std::optional<Language>>, 3> arms{
      {{"japanese", Language::kJapanese}, {"english", Language::kEnglish}, {"none", std::nullopt}}};
  // One start of each first, not counted: the first writes the settings
  // file and warms the fonts and the pictures.
  for (const auto& arm : arms) Start(arm.second, folder.path());
  std::array<std::vector<double>, 3> starts, translators;
  std::vector<double> englishLessJapanese;
  for (int round = 0; round < rounds; ++round) {
    std::array<double, 3> took{};
    for (std::size_t i = 0; i < arms.size(); ++i) {
      const Timing timing = Start(arms[i].second, folder.path());
      starts[i].push_back(timing.startMs);
      translators[i].push_back(timing.translatorMs);
      took[i] = timing.startMs;
    }
    englishLessJapanese.push_back(took[1] - took[0]);
  }

  std::printf("platform %s\nrounds %d\n", qPrintable(QGuiApplication::platformName()), rounds);
  for (std::size_t i = 0; i < arms.size(); ++i) {
    std::printf("%s_start_median_ms %.3f\n", arms[i].first, Median(starts[i]));
    std::printf("%s_translator_median_ms %.3f\n", arms[i].first, Median(translators[i]));
  }
  // Per round, so that a slow stretch of the machine falls on both languages.
  std::printf("english_less_japanese_start_median_ms %.3f\n", Median(englishLessJapanese));
  return 0;
}
