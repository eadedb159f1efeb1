// A whole evening's play through the real windows and the real settings
// file: start-up with nothing stored, a seeded deal filled by clicks, the
// solve, the name typed into the entry, the table, and the bytes on disk.
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ui/auxiliary_windows.h"
#include "core/records/ini_profile.h"
#include "core/records/settings_location.h"
#include "view_rig.h"

namespace lumitile::testing {
namespace {

// あ..と (the first 20 of the typed name) and the keys around it, in CP932.
const QByteArray kNameBytes = QByteArray::fromHex(
    "82a082a282a482a682a882a982ab82ad82af82b182b382b582b782b982bb82bd82bf82c282c482c6");
const QByteArray kBeginnerTimeKey = QByteArray::fromHex("8f898b893d");        // 初級=
const QByteArray kBeginnerNameKey = QByteArray::fromHex("8f898b8996bc914f3d");  // 初級名前=

struct Game {
  explicit Game(const QString& folder)
      : folder_(folder.toStdString()), settings(ProgramPlace{folder_, "lumitile"}),
        window(game, images), windows(game, &window, {}) {
    events.SetSideWindows(&windows);
    window.SetSideWindows(&windows);
    game.LoadSettings();
    window.show();
    window.DealFirstGame();
  }

  QWidget* Find(const char* name) const { return window.findChild<QWidget*>(name); }
  // Fills every open cell with the solution's number by palette and board
  // clicks; the clock shows `seconds` when the last cell goes in.
  void SolveIn(int seconds) {
    game.NewGame();
    window.DealFirstGame();  // the same deal path, without the busy pointer
    const GameState& state = game.State();
    std::vector<std::pair<int, int>> open;
    for (int r = 0; r < 9; ++r)
      for (int c = 0; c < 9; ++c)
        if (state.GivenGrid[r][c] == 0) open.emplace_back(r, c);
    QVERIFY(!open.empty());
    for (std::size_t i = 0; i < open.size(); ++i) {
      const auto [r, c] = open[i];
      if (i + 1 == open.size()) ticks.now += seconds * 1000;
      QTest::mouseClick(Find(qPrintable(QStringLiteral("Picture1(%1)").arg(state.SolutionGrid[r][c] - 1))),
                        Qt::LeftButton);
      QTest::mouseClick(Find("Board"), Qt::LeftButton, {}, QPoint(32 * c + 16, 32 * r + 16));
    }
  }
  QByteArray File() const {
    QFile file(QString::fromStdString(IniFilePath(folder_, "lumitile")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }

  std::string folder_;
  FakeTicks ticks;
  IniProfile settings;
  SeededRandom random{77};
  RecordingSounds sounds;
  WindowEvents events{sounds};
  GameController game{random, ticks, settings, events};
  Images images;
  MainWindow window;
  AuxiliaryWindows windows;
};

void AnswerNextQuestion(QMessageBox::StandardButton button) {
  QTimer::singleShot(0, [button] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box) box->button(button)->click();
  });
}

class PlayToRecordTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qputenv("XDG_CONFIG_HOME", configHome_.path().toUtf8()); }

  void aRecordTravelsFromTheBoardToTheFile() {
    QTemporaryDir folder;
    Game play(folder.path());
    QVERIFY(play.File().contains(kBeginnerTimeKey + "999\r\n"));

    play.SolveIn(42);
    QWidget* entry = play.windows.RecordEntry();
    QVERIFY(entry && entry->isVisible());
    auto* text = entry->findChild<QLineEdit*>("Text1");
    QInputMethodEvent typing;  // replaces 名前なし, which opens selected
    typing.setCommitString(QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬねの"));
    QApplication::sendEvent(text, &typing);
    QTest::mouseClick(entry->findChild<QPushButton*>("Command1"), Qt::LeftButton);

    QWidget* table = play.windows.BestTimes();
    QVERIFY(table && table->isVisible());
    QCOMPARE(table->findChild<QLabel*>("Label3(0)")->text(), QStringLiteral("42"));
    QCOMPARE(table->findChild<QLabel*>("Label8(0)")->toolTip(), QStringLiteral("あいうえおかきくけこさしすせそたちつてと"));
    QVERIFY(play.File().contains(kBeginnerTimeKey + "42\r\n"));
    QVERIFY(play.File().contains(kBeginnerNameKey + kNameBytes + "\r\n"));
    table->close();

    // Closing the entry with its close box keeps the old record.
    const QByteArray stored = play.File();
    play.SolveIn(30);
    entry = play.windows.RecordEntry();
    QVERIFY(entry && entry->isVisible());
    entry->close();
    QCOMPARE(play.game.BestTimeTable()[0].Seconds, 42);
    QVERIFY(!play.windows.BestTimes());
    QCOMPARE(play.File(), stored);

    // Equalling the best time is no record.
    play.SolveIn(42);
    QVERIFY(!play.windows.RecordEntry());
  }

  void clearingTheTableAsksAndTheGameGoesOn() {
    QTemporaryDir folder;
    Game play(folder.path());
    play.window.findChild<QAction*>("hi_game")->trigger();
    play.SolveIn(100);
    play.windows.RecordEntry()->findChild<QPushButton*>("Command1")->click();
    play.game.NewGame();
    play.ticks.now += 5000;
    const QByteArray before = play.File();

    AnswerNextQuestion(QMessageBox::Cancel);
    play.window.findChild<QAction*>("mn_HiScClr")->trigger();
    QCOMPARE(play.File(), before);

    AnswerNextQuestion(QMessageBox::Ok);
    play.window.findChild<QAction*>("mn_HiScClr")->trigger();
    QVERIFY(play.File().contains(QByteArray::fromHex("8fe38b893d") + "999\r\n"));  // 上級=999
    QVERIFY(play.File().endsWith(QByteArray::fromHex("926c") + "=0\r\n"));         // 値=0
    QVERIFY(play.window.findChild<QAction*>("beg_game")->isChecked());
    QVERIFY(play.game.ClockRunning());
    QCOMPARE(play.game.ElapsedSeconds(), 5);
  }

 private:
  QTemporaryDir configHome_;
};

}  // namespace
}  // namespace lumitile::testing

LUMITILE_VIEW_TEST_MAIN(lumitile::testing::PlayToRecordTest)
#include "play_to_record_test.moc"
