// Every window's captions, texts and look; the windows beside the game: the
// new-record entry, the best-time table, the about window, the help viewer,
// and the two questions.
#include <gtest/gtest.h>

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <filesystem>

#include "support/game_rig.h"

namespace lumitile {
namespace {

using testing::GameRig;

const QString kNoNameRow = QStringLiteral("名前なし").leftJustified(20);

QString Text(QWidget* window, const char* name) {
  QWidget* control = window ? window->findChild<QWidget*>(name) : nullptr;
  return control ? control->property("text").toString() : QStringLiteral("<no %1>").arg(name);
}

auto OpenWindows(const QString& name) {
  return std::ranges::count_if(QApplication::topLevelWidgets(),
                               [&](QWidget* w) { return w->objectName() == name && w->isVisible(); });
}

// Every label's text hangs from the top of its box (the layout test sees it
// whole there), legible on its window's ground.
void ExpectLabelsReadable(QWidget* window) {
  const QColor ground = window->palette().color(QPalette::Window);
  for (const QLabel* label : window->findChildren<QLabel*>()) {
    const std::string name = window->objectName().toStdString() + "/" + label->objectName().toStdString();
    const QString text = label->text().trimmed();
    EXPECT_TRUE(label->alignment() & Qt::AlignTop) << name;
    // Far apart in grey: the nearest pair by design, the about window's red on its light blue, is 114 apart.
    const int apart = std::abs(qGray(label->palette().color(QPalette::WindowText).rgb()) - qGray(ground.rgb()));
    if (!text.isEmpty()) EXPECT_GE(apart, 80) << name;
  }
}

// Under a dark desktop theme, which the windows must not take their text colours from.
TEST(Windows, TheirCaptionsTextsAndLook) {
  const QPalette light = QApplication::palette();
  const auto restore = qScopeGuard([&light] { QApplication::setPalette(light); });
  QPalette dark = light;
  for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) dark.setColor(role, QColor(45, 45, 45));
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) dark.setColor(role, QColor(220, 220, 220));
  QApplication::setPalette(dark);
  GameRig rig;
  MainWindow& main = rig.Window();
  AuxiliaryWindows& side = main.SideWindows();
  // A fixed frame, and the client area's own colours whatever the theme.
  EXPECT_FALSE(main.windowIcon().isNull());
  EXPECT_FALSE(main.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  const QImage client = testing::Pixels(main.centralWidget()->grab());
  EXPECT_EQ(client.pixel(295, 280), qRgb(0, 0, 0));
  EXPECT_EQ(client.pixel(302, 134), qRgb(192, 192, 192));  // palette ground
  EXPECT_EQ(client.pixel(300, 132), qRgb(0, 0, 0));        // palette frame
  EXPECT_EQ(client.pixel(388, 268), qRgb(192, 192, 255));  // clear-all ground
  rig.SolveOneCellIn(5);
  side.ShowBestTimes();
  side.ShowAbout();
  // What each says is the layout test's; here, that the table opens on
  // nobody's records and every label reads on its window's own ground.
  EXPECT_EQ(Text(side.BestTimes(), "Label3(4)") + Text(side.BestTimes(), "Label8(4)"), "99:59" + kNoNameRow);
  for (QWidget* window : {side.RecordEntry(), side.BestTimes(), side.About()}) ExpectLabelsReadable(window);
  // The name has the focus, selected, so typing replaces the placeholder.
  auto* name = qobject_cast<QLineEdit*>(side.RecordEntry()->focusWidget());
  ASSERT_TRUE(name && name->objectName() == "Text1");
  QTest::keyClicks(name, "Taro");
  EXPECT_EQ(name->text(), "Taro");
  EXPECT_TRUE(testing::SamePixels(side.About()->findChild<QLabel*>("Picture1")->pixmap(),
                                  rig.game.Pictures().IconPicture()));
}

// Enter in the name box does not confirm, on a focused OK it does. The open
// table shows the file as it is, written meanwhile by another running game
// too, and never writes it; a clear the file cannot take is told, and table
// and menu stay as the file says. In the table and the about window Return or
// Enter press OK and Escape closes.
TEST(SideWindows, TheEntryStoresOnlyOnOkAndTheTableShowsTheFile) {
  GameRig rig;
  AuxiliaryWindows& side = rig.Window().SideWindows();
  rig.SolveOneCellIn(200);
  QWidget* entry = side.RecordEntry();
  ASSERT_TRUE(entry);
  const std::string stored = rig.memory.Bytes();
  entry->close();
  EXPECT_FALSE(rig.Session().Pending() || side.BestTimes());
  EXPECT_EQ(rig.memory.Bytes(), stored) << "closed, the entry stores nothing";
  rig.SolveOneCellIn(150);
  entry = side.RecordEntry();
  const QString longName = QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬねの");
  entry->findChild<QLineEdit*>("Text1")->setText(longName);
  QTest::keyClick(entry->focusWidget(), Qt::Key_Return);
  QTest::keyClick(entry->focusWidget(), Qt::Key_Enter);
  rig.SolveOneCellIn(123);  // a second record while the entry is open keeps it
  EXPECT_EQ(side.RecordEntry(), entry) << "Enter in the name box does not confirm";
  auto* ok = entry->findChild<QWidget*>("Command1");
  ok->setFocus();
  QTest::keyClick(ok, Qt::Key_Enter);
  EXPECT_FALSE(side.RecordEntry());
  QWidget* table = side.BestTimes();
  ASSERT_TRUE(table);
  // Too wide for its box: cut at a whole glyph, marked, and whole in the tooltip.
  auto* shown = table->findChild<QLabel*>("Label8(0)");
  EXPECT_TRUE(shown->text().endsWith(u'…') && longName.startsWith(shown->text().chopped(1))) << shown->text().toStdString();
  EXPECT_LE(QFontMetrics(shown->font()).horizontalAdvance(shown->text()), shown->width());
  EXPECT_EQ(shown->toolTip(), longName.left(20));
  EXPECT_TRUE(table->findChild<QLabel*>("Label8(1)")->toolTip().isEmpty());

  testing::MemoryProfile& file = rig.memory;
  rig.Find<QAction>("hi_game")->trigger();
  file.Set("ハイスコア", "上級", "77");
  file.Set("ハイスコア", "超上級", "65");
  const std::string written = file.Bytes();
  side.ShowBestTimes();
  EXPECT_EQ(file.Bytes(), written) << "showing the table writes nothing";
  EXPECT_EQ(OpenWindows("Form5"), 1);
  EXPECT_EQ(Text(table, "Label3(2)") + " " + Text(table, "Label3(3)"), "77 1:05");
  file.disk.spaceLeft = 0;
  rig.Find<QAction>("mn_HiScClr")->trigger();
  EXPECT_EQ(rig.asked.back(), "CannotSaveNotice");
  EXPECT_EQ(rig.told, "ハイスコアのクリアを保存できませんでした。\nディスクに空きがありません。\n/game/lumitile.ini");
  EXPECT_EQ(Text(table, "Label3(2)"), "77");
  EXPECT_TRUE(rig.Find<QAction>("hi_game")->isChecked());
  file.disk.spaceLeft.reset();
  side.AskAndClearBestTimes();
  EXPECT_EQ(Text(table, "Label3(2)"), "999");
  EXPECT_EQ(Text(table, "Label8(0)"), kNoNameRow);

  for (const bool isTable : {true, false}) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
      isTable ? side.ShowBestTimes() : side.ShowAbout();
      QWidget* window = isTable ? side.BestTimes() : side.About();
      ASSERT_EQ(window->focusWidget()->objectName(), "Command1");
      QTest::keyClick(window->focusWidget(), key);
      EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString() << " key " << key;
    }
  }
}

// Told missing until its document is there, then shown in one window (as the
// about window); from a folder whose name is not UTF-8 it reads the same and
// its contents still lead within it.
TEST(SideWindows, TheHelpAndTheAboutOpenOnceAndTheHelpReadsFromAnyFolder) {
  namespace fs = std::filesystem;
  QTemporaryDir scratch;
  const fs::path usual = scratch.path().toStdString(), odd = usual / "caf\xE9";  // Latin-1 é
  GameRig rig(nullptr, 1, {odd, usual});
  AuxiliaryWindows& side = rig.Window().SideWindows();
  const auto showAndFollowFirstLink = [&] {
    rig.Find<QAction>("mn_help")->trigger();
    rig.Find<QAction>("mn_ver")->trigger();
    auto* browser = side.Help()->findChild<QTextBrowser*>();
    const QString text = browser->toPlainText();
    browser->setFocus();
    QTest::keyClick(browser, Qt::Key_Tab);  // "top" is a target, not a link: the first entry
    QTest::keyClick(browser, Qt::Key_Return);
    return std::pair{text, browser->toPlainText() == text ? browser->verticalScrollBar()->value() : -1};
  };
  EXPECT_EQ(showAndFollowFirstLink().first, "ヘルプファイル Lumihlp.html が見つかりません。");
  fs::copy_file(fs::path(LUMITILE_BINARY_DIR) / "Lumihlp.html", usual / "Lumihlp.html");
  const auto read = showAndFollowFirstLink();
  fs::create_directory(odd);
  fs::copy_file(usual / "Lumihlp.html", odd / "Lumihlp.html");
  EXPECT_EQ(showAndFollowFirstLink(), read);
  EXPECT_GT(read.second, 0);
  EXPECT_EQ(OpenWindows("Form6"), 1);
  EXPECT_EQ(OpenWindows("HelpViewer"), 1);
  fs::remove_all(odd);  // a folder Qt cannot name, so QTemporaryDir cannot remove it
}

// New game, the help and the end answer their keys in every window of the
// game, and their entries show them; Esc closes the help; F10 opens the
// first menu.
TEST(SideWindows, TheGameKeysWorkFromEveryWindow) {
  GameRig rig;
  rig.game.Show();
  AuxiliaryWindows& side = rig.Window().SideWindows();
  for (const auto& [entry, key] : {std::pair{"new_game", "Ctrl+N"}, {"end_app", "Ctrl+Q"}, {"mn_help", "F1"}})
    EXPECT_EQ(rig.Find<QAction>(entry)->shortcut().toString(), key);
  side.ShowBestTimes();
  side.ShowAbout();
  rig.SolveOneCellIn(5);
  ASSERT_TRUE(side.RecordEntry());
  const auto activate = [](QWidget* window) { window->activateWindow(); return QTest::qWaitForWindowActive(window); };
  for (QWidget* window : {side.BestTimes(), side.About(), side.RecordEntry()}) {
    rig.Session().Execute(cmd::NewGameOn{testing::PuzzleWithOpenCells(9)});
    rig.Window().PickItem(Pick::Panel(0));
    rig.Window().ClickCell(0, 0);
    ASSERT_TRUE(activate(window));
    QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
    EXPECT_NE(rig.Session().CellAt({0, 0}).Kind, CellKind::Placed) << "a new deal";
    QTest::keyClick(window, Qt::Key_F1);
    ASSERT_TRUE(side.Help()) << window->objectName().toStdString();
    ASSERT_TRUE(activate(side.Help()));
    QTest::keyClick(side.Help()->findChild<QTextBrowser*>(), Qt::Key_Escape);
    EXPECT_FALSE(side.Help());
  }
  QTest::keyClick(&rig.Window(), Qt::Key_F10);
  EXPECT_EQ(rig.Window().menuBar()->activeAction(), rig.Window().menuBar()->actions().constFirst());
  QTest::keyClick(rig.Window().menuBar(), Qt::Key_Escape);
  QSignalSpy ending(&rig.Window(), &MainWindow::Ending);
  ASSERT_TRUE(activate(side.BestTimes()));
  QTest::keyClick(side.BestTimes(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(ending.count(), 1);
}

// A question goes ahead on its Yes alone, which is also what Enter gives.
TEST(Questions, AreAskedInMessageBoxesAndGoAheadOnlyOnTheirYes) {
  testing::EnsureApplication();
  const std::pair<Question, QString> cases[] = {{ClearPanelsQuestion(), "配置している全てのパネルを消しますか？"},
                                                {ClearTableQuestion(), "ハイスコアをクリアします。\nよろしいですか？"}};
  for (const auto& [question, text] : cases) {
    for (int button = QMessageBox::FirstButton; button <= QMessageBox::LastButton; button <<= 1) {
      if (!question.Buttons.testFlag(QMessageBox::StandardButton(button))) continue;
      QString shown;
      QMessageBox::StandardButton defaultButton{};
      testing::AnswerNextMessageBox(QMessageBox::StandardButton(button), &shown, &defaultButton);
      EXPECT_EQ(AskInMessageBox(nullptr, question), button == question.Yes) << button;
      EXPECT_EQ(shown, "メッセージ|" + text);
      EXPECT_EQ(defaultButton, question.Yes);
    }
  }
}

}  // namespace
}  // namespace lumitile
