// The game as app/ wires it, with stand-ins for time, randomness, the
// settings file (unless a real one is given), the sounds and the questions,
// for the view tests on Qt's offscreen platform.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "app/game.h"
#include "app/startup.h"
#include "core/random_source.h"
#include "support/fakes.h"
#include "support/pictures.h"
#include "ui/file_errands.h"
#include "ui/sound_player.h"

namespace lumitile::testing {

// Qt needs its application before any widget or picture.
inline void EnsureApplication() {
  if (QApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "lumitile-test";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

// The game's texts in a language for as long as this lives; windows made
// meanwhile speak it.
struct SpokenLanguage {
  explicit SpokenLanguage(Language language) {
    EnsureApplication();
    if (!InstallLanguage(language, translator)) std::abort();
  }
  ~SpokenLanguage() { QCoreApplication::removeTranslator(&translator); }
  QTranslator translator;
};

// A kana, a kanji or a full- or half-width form: Japanese left in an English text.
inline bool HasJapanese(const QString& text) {
  return std::ranges::any_of(text, [](QChar c) { return (c >= u'\u3000' && c <= u'\u9FFF') || c >= u'\uFF00'; });
}

struct RecordingSounds : SoundPlayer {
  std::vector<Sound> played;
  void Play(Sound sound) override { played.push_back(sound); }
};

// Runs each settings-file errand at once, inside the call, so the disk in
// memory stays on the test's thread; while held, errands wait for Release,
// as they do behind a held lock or a slow disk.
struct ErrandsAtOnce : ErrandRunner {
  bool hold = false;
  std::vector<std::pair<FileErrand, Done>> held;
  void Run(FileErrand errand, Done done) override {
    if (!hold) return done(errand.Run());
    held.emplace_back(std::move(errand), std::move(done));
  }
  void Release() {
    for (auto waiting = std::exchange(held, {}); auto& [errand, done] : waiting) done(errand.Run());
  }
};

struct GameRig {
  // Started as the game starts: settings read, the window made, not shown
  // and nothing dealt until the test asks.
  explicit GameRig(Profile* file = nullptr, uint64_t seed = 20260101,
                   std::vector<std::filesystem::path> folders = {}, KeptGameFile* kept = nullptr)
      : random((EnsureApplication(), seed)),
        game({random, ticks, file ? *file : memory, sounds, std::move(folders),
              [this](QWidget* parent, const Question& question) {
                asked << question.ObjectName;
                told = question.Text;
                return realQuestions ? AskInMessageBox(parent, question) : answer;
              },
              1.0, kept, &errands}) {}

  MainWindow& Window() { return game.Window(); }
  GameSession& Session() { return game.Session(); }
  template <typename T = QWidget> T* Find(const QString& name) { return Window().findChild<T*>(name); }
  void Click(const QString& name, QPoint at = {10, 10}) { QTest::mouseClick(Find(name), Qt::LeftButton, {}, at); }
  void ClickCell(Cell cell) { Click(QStringLiteral("Board"), {cell.Column * 32 + 16, cell.Row * 32 + 16}); }
  std::vector<Cell> OpenCells() {
    std::vector<Cell> open;
    for (int i = 0; i < 81; ++i)
      if (Session().CellAt({i / 9, i % 9}).Kind != CellKind::Given) open.push_back({i / 9, i % 9});
    return open;
  }
  // A one-cell puzzle solved `seconds` after its deal, at the current level.
  void SolveOneCellIn(int seconds) {
    Session().Execute(cmd::NewGameOn{PuzzleWithOpenCells(1)});
    ticks.AdvanceSeconds(seconds);
    Window().PickItem(Pick::Panel(0));
    Window().ClickCell(0, 0);
  }

  FakeTicks ticks;
  MemoryProfile memory;
  SeededRandom random;
  RecordingSounds sounds;
  QStringList asked;  // the questions put, by objectName
  QString told;       // the last one's text
  bool answer = true;
  bool realQuestions = false;  // put them in real message boxes instead
  ErrandsAtOnce errands;
  Game game;
};

// Answers the next real message box with button, and notes its text. No box
// within five seconds fails the test and closes whatever modal stands there.
inline void AnswerNextMessageBox(QMessageBox::StandardButton button, QString* text = nullptr,
                                 QMessageBox::StandardButton* defaultButton = nullptr) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [=, deadline = QDeadlineTimer(5000)] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box && !deadline.hasExpired()) return;
    poll->stop();
    poll->deleteLater();
    if (!box && QApplication::activeModalWidget()) QApplication::activeModalWidget()->close();
    if (!box) return ADD_FAILURE() << "no message box appeared";
    if (text) *text = box->windowTitle() + "|" + box->text();
    if (defaultButton) *defaultButton = box->standardButton(box->defaultButton());
    box->button(button)->click();
  });
  poll->start(10);
}

}  // namespace lumitile::testing
