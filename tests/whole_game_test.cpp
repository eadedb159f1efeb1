// A whole evening's play through the real windows and the real settings
// file: start-up with nothing stored, seeded deals filled by clicks, the
// solve, the name typed into the entry, the table, clearing it, and the
// bytes on disk at every step.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include "core/records/ini_profile.h"
#include "support/game_rig.h"

namespace lumitile {
namespace {

std::string File(const QTemporaryDir& folder) {
  QFile file(folder.filePath("lumitile.ini"));
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
}

TEST(WholeGame, FromTheFirstStartToARecordOnDiskAndBack) {
  QTemporaryDir config, folder;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  IniProfile file(ProgramPlace{folder.path().toStdString(), "lumitile"});
  testing::GameRig rig(&file, 77);
  rig.realQuestions = true;
  EXPECT_EQ(File(folder), testing::Golden("first_run.ini"));
  rig.game.Show();
  AuxiliaryWindows& side = rig.Window().SideWindows();

  rig.SolveIn(42);
  EXPECT_EQ(rig.sounds.played.back(), Sound::Solved);
  QWidget* entry = side.RecordEntry();
  ASSERT_TRUE(entry && entry->isVisible());
  auto* text = entry->findChild<QLineEdit*>("Text1");
  text->selectAll();
  QInputMethodEvent typing;  // Japanese arrives from the input method, not as keys
  typing.setCommitString(QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬねの"));
  QApplication::sendEvent(text, &typing);
  QTest::mouseClick(entry->findChild<QWidget*>("Command1"), Qt::LeftButton);
  QWidget* table = side.BestTimes();
  ASSERT_TRUE(table && table->isVisible());
  EXPECT_EQ(table->findChild<QLabel*>("Label3(0)")->text(), "42");
  EXPECT_EQ(table->findChild<QLabel*>("Label8(0)")->toolTip(), "あいうえおかきくけこさしすせそたちつてと");
  EXPECT_EQ(File(folder), testing::Golden("after_record.ini"));
  table->close();


  rig.Find<QAction>("hi_game")->trigger();
  rig.Window().NewGame();
  rig.ticks.AdvanceSeconds(5);
  const std::string before = File(folder);
  testing::AnswerNextMessageBox(QMessageBox::Cancel);
  rig.Find<QAction>("mn_HiScClr")->trigger();
  EXPECT_EQ(File(folder), before);
  testing::AnswerNextMessageBox(QMessageBox::Ok);
  rig.Find<QAction>("mn_HiScClr")->trigger();
  EXPECT_EQ(File(folder), testing::Golden("first_run.ini")) << "a cleared table is a first start's";
  EXPECT_TRUE(rig.Find<QAction>("beg_game")->isChecked());
  EXPECT_TRUE(rig.Session().ClockRunning());
  EXPECT_EQ(rig.Session().ElapsedSeconds(), 5);
  rig.Window().close();
}

}  // namespace
}  // namespace lumitile
