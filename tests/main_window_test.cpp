// The main window: where every control sits, the menus, and a game played
// through the widgets with a seeded deal and a clock moved by hand.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/board_widget.h"
#include "ui/fonts.h"
#include "ui/picture_box.h"
#include "view_rig.h"

namespace lumitile::testing {

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  template <typename T = QWidget>
  static T* Child(ViewRig& rig, const QString& name) {
    T* child = rig.window->findChild<T*>(name);
    if (!child) qWarning("no control %s", qUtf8Printable(name));
    return child;
  }
  static QAction* Action(ViewRig& rig, const char* name) { return Child<QAction>(rig, name); }

  static void Click(QWidget* widget, QPoint at = QPoint(10, 10)) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
  }
  static void ClickCell(ViewRig& rig, int row, int column) {
    Click(Child(rig, "Board"), QPoint(column * 32 + 16, row * 32 + 16));
  }

  // Compares the three digit boxes with the digit pictures.
  static bool ShowsTime(ViewRig& rig, const char* digits) {
    for (int i = 0; i < 3; ++i) {
      const auto* box = Child<PictureBox>(rig, QStringLiteral("Picture%1").arg(5 + i));
      if (!box || Pixels(box->Picture()) != Pixels(rig.images.Digit(digits[i] - '0'))) {
        qWarning("digit %d is not %c", i, digits[i]);
        return false;
      }
    }
    return true;
  }

  static bool PointerShows(ViewRig& rig, const QPixmap& picture) {
    const QCursor cursor = rig.window->cursor();
    return cursor.shape() == Qt::BitmapCursor && Pixels(cursor.pixmap()) == Pixels(picture);
  }

  // The controller's clock moved on, and the timer's slot run as Qt would run it.
  static void PassSeconds(ViewRig& rig, int seconds) {
    rig.ticks.AdvanceSeconds(seconds);
    rig.window->RefreshClock();
  }

 private slots:
  void everyPictureIsThere() {
    // The pictures live in a static library's resources, which the linker
    // drops unless they are pulled in by name.
    ViewRig rig;
    QVERIFY(rig.images.Complete());
  }

  void controlsSitAtTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::newRow("Board") << "Board" << QRect(0, 0, 288, 288);
    QTest::newRow("Label1") << "Label1" << QRect(322, 3, 55, 24);
    QTest::newRow("Picture5") << "Picture5" << QRect(318, 30, 20, 35);
    QTest::newRow("Picture6") << "Picture6" << QRect(339, 30, 20, 35);
    QTest::newRow("Picture7") << "Picture7" << QRect(360, 30, 20, 35);
    for (int i = 0; i < 3; ++i) {
      const QString name = QStringLiteral("Picture4(%1)").arg(i);
      QTest::newRow(name.toUtf8()) << name << QRect(303 + 30 * i, 69, 32, 32);
    }
    QTest::newRow("Label2") << "Label2" << QRect(300, 108, 97, 19);
    for (int k = 0; k < 9; ++k) {
      const QString name = QStringLiteral("Picture1(%1)").arg(k);
      QTest::newRow(name.toUtf8()) << name << QRect(300 + 33 * (k % 3), 132 + 33 * (k / 3), 34, 34);
    }
    QTest::newRow("Picture2") << "Picture2" << QRect(315, 237, 32, 32);
    QTest::newRow("Picture3") << "Picture3" << QRect(357, 237, 32, 32);
    QTest::newRow("Label3") << "Label3" << QRect(300, 276, 100, 12);
  }
  void controlsSitAtTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, place);
    ViewRig rig;
    QWidget* control = rig.window->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), rig.window->centralWidget());
    QCOMPARE(control->geometry(), place);
  }

  void windowFrameAndLook() {
    ViewRig rig;
    MainWindow& window = *rig.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.objectName(), QStringLiteral("Form1"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Lumitile"));
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(window.centralWidget()->size(), QSize(404, 290));
    QCOMPARE(window.centralWidget()->y(), window.menuBar()->height());
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);

    const QImage client = Pixels(window.centralWidget()->grab().toImage());
    QCOMPARE(client.pixel(295, 280), qRgb(0, 0, 0));
    QCOMPARE(client.pixel(302, 134), qRgb(192, 192, 192));  // palette ground
    QCOMPARE(client.pixel(300, 132), qRgb(0, 0, 0));  // palette frame
    QCOMPARE(client.pixel(388, 268), qRgb(192, 192, 255));  // clear-all ground

    // The original face first, so it wins wherever it is installed.
    QCOMPARE(Child(rig, "Label1")->font().families().first(), QStringLiteral("Times New Roman"));
    // The credit line names the maker and the year and is not cut off.
    const auto* credit = Child<QLabel>(rig, "Label3");
    QVERIFY(credit->text().contains(QStringLiteral("2026")));
    QCOMPARE(credit->palette().color(QPalette::WindowText), QColor(Qt::yellow));
    QVERIFY(credit->fontMetrics().horizontalAdvance(credit->text()) <= credit->width());
    QVERIFY(credit->fontMetrics().height() <= credit->height());
  }

  void menusCarryTheirCaptions() {
    ViewRig rig;
    using Entries = QList<QPair<QString, QString>>;  // name, caption ("-" for a separator)
    const QList<QPair<QString, Entries>> expected{
        {"ﾌｧｲﾙ", {{"new_game", "新規ゲーム"}, {"aa", "-"}, {"end_app", "終了"}}},
        {"ﾚﾍﾞﾙ",
         {{"beg_game", "初級"}, {"mid_game", "中級"}, {"hi_game", "上級"}, {"o", "-"},
          {"HiScore", "ﾊｲｽｺｱ..."}, {"sss", "-"}, {"mn_HiScClr", "ﾊｲｽｺｱのｸﾘｱ..."}}},
        {"ﾍﾙﾌﾟ", {{"mn_help", "Lumitile ﾍﾙﾌﾟ..."}, {"h", "-"}, {"mn_ver", "ﾊﾞｰｼﾞｮﾝ情報..."}}},
    };
    const QList<QAction*> menus = rig.window->menuBar()->actions();
    QCOMPARE(menus.size(), expected.size());
    for (int m = 0; m < menus.size(); ++m) {
      QCOMPARE(menus[m]->text(), expected[m].first);
      Entries shown;
      for (QAction* item : menus[m]->menu()->actions()) {
        shown.append({item->objectName(), item->isSeparator() ? QStringLiteral("-") : item->text()});
        QVERIFY(item->shortcut().isEmpty());
        if (!item->isSeparator()) QCOMPARE(item->menuRole(), QAction::NoRole);
      }
      QCOMPARE(shown, expected[m].second);
    }
  }

  void levelChecksFollowTheStoredLevel_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<QList<bool>>("checks");
    QTest::newRow("beginner") << 0 << QList<bool>{true, false, false};
    QTest::newRow("intermediate") << 1 << QList<bool>{false, true, false};
    QTest::newRow("advanced") << 2 << QList<bool>{false, false, true};
    QTest::newRow("unknown level") << 7 << QList<bool>{true, false, false};
  }
  void levelChecksFollowTheStoredLevel() {
    QFETCH(int, stored);
    QFETCH(QList<bool>, checks);
    ViewRig rig(stored);
    const QList<bool> shown{Action(rig, "beg_game")->isChecked(), Action(rig, "mid_game")->isChecked(),
                            Action(rig, "hi_game")->isChecked()};
    QCOMPARE(shown, checks);
  }

  void levelCommandsMoveOnlyTheCheck() {
    ViewRig rig;
    rig.window->NewGame();
    const QImage board = Pixels(Child(rig, "Board")->grab().toImage());
    PassSeconds(rig, 12);

    Action(rig, "hi_game")->trigger();
    QVERIFY(!Action(rig, "beg_game")->isChecked());
    QVERIFY(Action(rig, "hi_game")->isChecked());
    // Choosing the checked level again keeps its check.
    Action(rig, "hi_game")->trigger();
    QVERIFY(Action(rig, "hi_game")->isChecked());
    QCOMPARE(rig.game.State().CurrentLevel, int16_t{2});
    QVERIFY(Pixels(Child(rig, "Board")->grab().toImage()) == board);
    QVERIFY(ShowsTime(rig, "012"));
    QVERIFY(rig.window->ClockTimer().isActive());
  }

  void sideWindowCommands() {
    ViewRig rig(2);
    rig.window->NewGame();
    Action(rig, "HiScore")->trigger();
    Action(rig, "mn_help")->trigger();
    Action(rig, "mn_ver")->trigger();
    Action(rig, "mn_HiScClr")->trigger();
    QCOMPARE(rig.side.calls, (QStringList{"table", "help", "about", "clear"}));
    // Clearing the table returns to beginner; the menu shows it at once.
    QVERIFY(Action(rig, "beg_game")->isChecked());
    QVERIFY(!Action(rig, "hi_game")->isChecked());
    QVERIFY(rig.game.ClockRunning());
    QVERIFY(rig.window->ClockTimer().isActive());
  }

  void clockShowsWholeSeconds() {
    ViewRig rig;
    QVERIFY(ShowsTime(rig, "000"));
    QVERIFY2(!rig.window->ClockTimer().isActive(), "no game, no timer");
    rig.window->NewGame();
    QVERIFY(ShowsTime(rig, "000"));
    QVERIFY(rig.window->ClockTimer().isActive());
    PassSeconds(rig, 59);
    QVERIFY(ShowsTime(rig, "059"));
    PassSeconds(rig, 50);
    QVERIFY(ShowsTime(rig, "109"));
    rig.window->NewGame();
    QVERIFY(ShowsTime(rig, "000"));
  }

  void hintCostsThirtySecondsAndItsToken() {
    ViewRig rig;
    rig.window->NewGame();
    PassSeconds(rig, 10);
    Click(Child(rig, "Picture4(1)"));
    QVERIFY(PointerShows(rig, rig.images.Hint()));
    QCOMPARE(rig.sounds.played, std::vector<Sound>{Sound::Pick});

    int row = 0, column = 0;
    while (rig.game.Cell(row, column).Kind != CellKind::Empty) {
      if (++column == 9) column = 0, ++row;
    }
    ClickCell(rig, row, column);
    // Shown at once, without waiting for the timer.
    QVERIFY(ShowsTime(rig, "040"));
    QCOMPARE(rig.game.Cell(row, column).Number, int(rig.game.State().SolutionGrid[row][column]));
    QCOMPARE(rig.window->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(!Child(rig, "Picture4(0)")->isHidden());
    QVERIFY(Child(rig, "Picture4(1)")->isHidden());
    QVERIFY(!Child(rig, "Picture4(2)")->isHidden());

    rig.window->NewGame();
    QVERIFY(!Child(rig, "Picture4(1)")->isHidden());
    QVERIFY(ShowsTime(rig, "000"));
  }

  void gamePlayedThroughTheWidgets() {
    ViewRig rig;
    rig.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
    rig.window->NewGame();
    QCOMPARE(rig.window->cursor().shape(), Qt::ArrowCursor);
    QVERIFY2(!QGuiApplication::overrideCursor(), "the busy pointer is gone after the deal");

    // Panel 5 picked: the pointer shows it, a click on an open cell places a 5.
    Click(Child(rig, "Picture1(4)"));
    QVERIFY(PointerShows(rig, rig.images.Panel(5)));
    const auto& solution = rig.game.State().SolutionGrid;
    std::vector<std::pair<int, int>> open;
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) {
        if (rig.game.Cell(r, c).Kind == CellKind::Empty) open.emplace_back(r, c);
      }
    }
    QVERIFY(open.size() >= 2);
    const auto [r0, c0] = open.front();
    ClickCell(rig, r0, c0);
    QCOMPARE(rig.game.Cell(r0, c0), (CellView{CellKind::Placed, 5}));
    Click(Child(rig, "Picture2"));
    QVERIFY(PointerShows(rig, rig.images.Eraser()));
    ClickCell(rig, r0, c0);
    QCOMPARE(rig.game.Cell(r0, c0), (CellView{}));

    // Every open cell filled from the solution with the palette and the board.
    PassSeconds(rig, 30);
    for (const auto& [r, c] : open) {
      Click(Child(rig, QStringLiteral("Picture1(%1)").arg(solution[r][c] - 1)));
      ClickCell(rig, r, c);
    }
    QVERIFY(!rig.game.ClockRunning());
    QVERIFY(!rig.window->ClockTimer().isActive());
    QVERIFY(ShowsTime(rig, "030"));
    PassSeconds(rig, 5);
    QVERIFY2(ShowsTime(rig, "030"), "a solved game's time stays");

    std::vector<Sound> expected{Sound::Pick, Sound::Pick};  // panel 5, eraser
    expected.insert(expected.end(), open.size(), Sound::Pick);
    expected.push_back(Sound::Solved);
    QCOMPARE(rig.sounds.played, expected);
    QCOMPARE(rig.side.calls, QStringList{"record"});
    QCOMPARE(rig.game.Pending()->Seconds, 30);
  }

  void clearQuestionBox() {
    ViewRig rig;
    rig.window->NewGame();
    GameState& state = rig.game.MutableState();
    int row = 0, column = 0;
    while (rig.game.Cell(row, column).Kind != CellKind::Empty) {
      if (++column == 9) column = 0, ++row;
    }
    state.EntryGrid[row][column] = 4;

    // Answers the box once it is up, after checking what it says.
    const auto answerWith = [](QMessageBox::StandardButton button) {
      QTimer::singleShot(0, [button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("メッセージ"));
        QCOMPARE(box->text(), QStringLiteral("配置している全てのパネルを消しますか？"));
        QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        box->button(button)->click();
      });
    };
    answerWith(QMessageBox::No);
    Click(Child(rig, "Picture3"));
    QCOMPARE(rig.game.Cell(row, column), (CellView{CellKind::Placed, 4}));
    answerWith(QMessageBox::Yes);
    Click(Child(rig, "Picture3"));
    QCOMPARE(rig.game.Cell(row, column), (CellView{}));
    QVERIFY(rig.sounds.played.empty());
  }

  void aDoubleClickOnThePalettePicksOnce() {
    ViewRig rig;
    rig.window->NewGame();
    QWidget* panel = Child(rig, "Picture1(2)");
    // What Qt delivers for a double click: the second press comes as a double-click event.
    const QPointF at(10, 10);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                              QEvent::MouseButtonRelease}) {
      const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
      QMouseEvent event(type, at, panel->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
      QApplication::sendEvent(panel, &event);
    }
    QCOMPARE(rig.sounds.played, std::vector<Sound>{Sound::Pick});
    QVERIFY(PointerShows(rig, rig.images.Panel(3)));
  }
};

}  // namespace lumitile::testing

LUMITILE_VIEW_TEST_MAIN(lumitile::testing::MainWindowTest)
#include "main_window_test.moc"
