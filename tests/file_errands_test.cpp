// The settings file's errands off the window's thread: what the player sees
// while one is in flight, and the thread that runs them.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>

#include "support/game_rig.h"
#include "support/scratch_folder.h"

namespace lumitile {
namespace {

QString Shown(QWidget* table, const char* name) { return table->findChild<QLabel*>(name)->text(); }

// Held errands stand for a held lock or a slow disk: the record entry waits
// for the solve's judgement, the table for the record on disk, the level for
// the clear on disk, and a failure is told when it is known, once per cause.
TEST(FileErrands, WhatIsInFlightShowsOnlyOnceTheFileHasIt) {
  testing::GameRig rig;
  AuxiliaryWindows& side = rig.Window().SideWindows();
  rig.errands.hold = true;
  rig.SolveOneCellIn(50);
  EXPECT_FALSE(side.RecordEntry()) << "not judged yet";
  rig.errands.Release();
  ASSERT_TRUE(side.RecordEntry());
  side.RecordEntry()->findChild<QLineEdit*>("Text1")->setText(QStringLiteral("Ann"));
  side.RecordEntry()->findChild<QPushButton*>("Command1")->click();
  EXPECT_FALSE(side.BestTimes()) << "not stored yet";
  EXPECT_EQ(rig.Session().BestTimeTable()[0].Seconds, kNoRecord);
  EXPECT_EQ(rig.memory.Get("ハイスコア", "初級"), "<missing>");
  rig.errands.Release();
  ASSERT_TRUE(side.BestTimes());
  EXPECT_EQ(Shown(side.BestTimes(), "Label3(0)"), "50");
  EXPECT_EQ(rig.memory.Get("ハイスコア", "初級"), "50");

  rig.memory.disk.spaceLeft = 0;
  rig.Window().SelectLevel(2);
  rig.Window().SetZoom(125);
  EXPECT_TRUE(rig.Find<QAction>("hi_game")->isChecked()) << "the choice stands at once";
  EXPECT_TRUE(rig.asked.isEmpty());
  rig.errands.Release();
  EXPECT_EQ(rig.asked, QStringList{"CannotSaveNotice"}) << "one cause, told once";
  rig.memory.disk.spaceLeft.reset();
  side.AskAndClearBestTimes();
  EXPECT_TRUE(rig.Find<QAction>("hi_game")->isChecked() && Shown(side.BestTimes(), "Label3(0)") == "50");
  rig.errands.Release();
  EXPECT_TRUE(rig.Find<QAction>("beg_game")->isChecked() && Shown(side.BestTimes(), "Label3(0)") == "999");
  side.AskAndClearBestTimes();
  rig.Window().SelectLevel(1);  // chosen while the clear is in flight: it stands
  rig.errands.Release();
  EXPECT_TRUE(rig.Find<QAction>("mid_game")->isChecked());
  EXPECT_EQ(rig.memory.Get("レベル", "値"), "1");
}

// One after another in the order given, the replies on the thread that made
// the runner; what is still queued when it goes is run to its end.
TEST(FileErrands, RunInOrderOffTheWindowsThreadAndFinishBeforeTheyGo) {
  testing::EnsureApplication();
  const testing_support::ScratchFolder folder;
  const std::string path = folder.Path("lumitile.ini");
  IniProfile file(SettingsFiles{path, path, "", false, ""});
  std::vector<int> ran;
  std::vector<QThread*> repliedOn;
  {
    ErrandThread errands;
    const auto set = [&](int level) {
      return FileErrand{&file, Keeping::kLevel, [&ran, level](IniFile& ini) {
                          ran.push_back(level);
                          SaveLevel(ini, level);
                        }};
    };
    errands.Run(set(1), [&](FileReply reply) { repliedOn.push_back(QThread::currentThread()); EXPECT_FALSE(reply.Failure); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !repliedOn.empty(); }));
    for (int level = 2; level <= 4; ++level) errands.Run(set(level), [&](FileReply) { ADD_FAILURE() << "gone"; });
  }
  EXPECT_EQ(ran, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(repliedOn, std::vector<QThread*>{QThread::currentThread()});
  EXPECT_EQ(LoadLevel(file.Read().file), 4);
}

}  // namespace
}  // namespace lumitile
