// The windows beside the game over a real controller: the new-record entry,
// the best-time table, the about window, the help viewer and the question
// before the table is cleared.
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <cmath>
#include <functional>
#include <initializer_list>

#include "core/data_files.h"
#include "ui/auxiliary_windows.h"
#include "view_rig.h"

namespace lumitile::testing {
namespace {

const QString kNoName = QStringLiteral("名前なし").leftJustified(20);

// A broken record opens the name entry, as in the game.
struct EntryOpeningEvents : GameEvents {
  AuxiliaryWindows* windows = nullptr;
  void PlaySound(Sound) override {}
  void RecordBroken(int32_t) override { windows->ShowRecordEntry(); }
};

// Started and dealt, the clock running at 0 seconds, a plain widget as the main window.
struct AuxRig {
  explicit AuxRig(std::vector<std::filesystem::path> dataFolders = {}) {
    game.LoadSettings();
    game.NewGame();
    main.show();
    windows = std::make_unique<AuxiliaryWindows>(game, &main, std::move(dataFolders));
    events.windows = windows.get();
  }
  QString Stored(const char* key) const { return QString::fromStdString(profile.Get("ハイスコア", key)); }

  FakeTicks ticks;
  MemoryProfile profile;
  SeededRandom random{20260314};
  EntryOpeningEvents events;
  GameController game{random, ticks, profile, events};
  QWidget main;
  std::unique_ptr<AuxiliaryWindows> windows;
};

QString Text(QWidget* window, const char* name) {
  QWidget* control = window ? window->findChild<QWidget*>(name) : nullptr;
  return control ? control->property("text").toString() : QStringLiteral("<no %1>").arg(name);
}

void PressOk(QWidget* window) { QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton); }

// The open windows of that name; the side windows are top-level windows.
int OpenWindows(const QString& name) {
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) count += widget->objectName() == name && widget->isVisible();
  return count;
}

// Empty when the label's text shows whole in its box (trailing padding aside).
QString Overflow(const QLabel* label) {
  const QFontMetrics metrics(label->font());
  const QString text = label->text().trimmed();
  const QSize needed(metrics.horizontalAdvance(text), metrics.tightBoundingRect(text).height());
  if (needed.width() <= label->width() && needed.height() <= label->height()) return {};
  return QStringLiteral("%1 \"%2\" needs %3x%4").arg(label->objectName(), text).arg(needed.width()).arg(
      needed.height());
}

struct Placed {
  const char* name;
  int x, y, w, h;
  QString text;
};

// The window's name, caption and size, then each control at its place with its text.
void CheckLayout(QWidget* window, const char* name, const QString& title, QSize size,
                 std::initializer_list<Placed> controls) {
  QVERIFY(window);
  QCOMPARE(window->objectName(), name);
  QCOMPARE(window->windowTitle(), title);
  QCOMPARE(window->size(), size);
  for (const Placed& placed : controls) {
    auto* control = window->findChild<QWidget*>(placed.name);
    QVERIFY2(control, placed.name);
    QCOMPARE(control->geometry(), QRect(placed.x, placed.y, placed.w, placed.h));
    QCOMPARE(control->property("text").toString(), placed.text);
    if (auto* label = qobject_cast<QLabel*>(control)) {
      QVERIFY2(Overflow(label).isEmpty(), qPrintable(Overflow(label)));
      QVERIFY2(label->alignment() & Qt::AlignTop, placed.name);
    }
  }
}

// The contrast ratio of two colours as legibility guidelines reckon it (1 to 21).
double Contrast(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& c) {
    const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Answers the next message box once it is up, after handing it to check.
void AnswerNextBox(QMessageBox::StandardButton answer, std::function<void(QMessageBox*)> check = {}) {
  QTimer::singleShot(0, [answer, check] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box);
    if (check) check(box);
    box->button(answer)->click();
  });
}

}  // namespace

class AuxWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void entryLayoutAndNeitherEnterNorTheCloseBoxStores() {
    AuxRig rig;
    QVERIFY(rig.game.CheckRecord(200));
    QWidget* entry = rig.windows->RecordEntry();
    CheckLayout(entry, "Form4", "おめでとう！", {153, 94},
                {{"Label1", 12, 6, 85, 12, "ハイスコアです。"},
                 {"Label2", 12, 21, 124, 12, "名前を入力してください。"},
                 {"Text1", 21, 39, 112, 19, "名前なし"},
                 {"Command1", 51, 66, 49, 19, "OK"}});
    auto* text = qobject_cast<QLineEdit*>(entry->focusWidget());
    QVERIFY(text);
    QCOMPARE(text->objectName(), "Text1");
    QCOMPARE(text->selectedText(), "名前なし");
    QTest::keyClicks(text, "Taro");
    QCOMPARE(text->text(), "Taro");

    QTest::keyClick(entry->focusWidget(), Qt::Key_Return);
    QTest::keyClick(entry->focusWidget(), Qt::Key_Enter);
    QCOMPARE(rig.windows->RecordEntry(), entry);
    QVERIFY(rig.game.Pending());

    rig.profile.writes.clear();
    QVERIFY(entry->close());
    QVERIFY(!rig.game.Pending());
    QCOMPARE(rig.game.BestTimeTable()[0].Seconds, 999);
    QVERIFY(rig.profile.writes.empty());
    QVERIFY(!rig.windows->BestTimes());
  }

  void okByEnterStoresTheCutNameAndTheJudgedTimeThenShowsTheTableElided() {
    const QString longName = QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬねの");
    AuxRig rig;
    rig.game.SelectLevel(1);
    QVERIFY(rig.game.CheckRecord(150));
    QWidget* entry = rig.windows->RecordEntry();
    auto* text = entry->findChild<QLineEdit*>("Text1");
    text->clear();
    QInputMethodEvent commit;  // Japanese arrives from the input method, not as keys
    commit.setCommitString(longName);
    QApplication::sendEvent(text, &commit);
    // A second record while the entry is open keeps the window and what was typed.
    QVERIFY(rig.game.CheckRecord(123));
    QCOMPARE(rig.windows->RecordEntry(), entry);
    QCOMPARE(OpenWindows("Form4"), 1);
    rig.ticks.AdvanceSeconds(40);  // the player types slowly; the judged time counts

    auto* ok = entry->findChild<QPushButton*>("Command1");
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Enter);
    QVERIFY(!rig.windows->RecordEntry());
    QCOMPARE(rig.game.BestTimeTable()[1].Seconds, 123);
    QCOMPARE(rig.Stored("中級名前"), longName.left(20));
    QWidget* table = rig.windows->BestTimes();
    QCOMPARE(Text(table, "Label3(1)"), "123");
    // Too wide for its box: cut at a whole glyph, marked, and whole in the tooltip.
    auto* name = table->findChild<QLabel*>("Label8(1)");
    QVERIFY2(name->text().endsWith(u'…') && longName.startsWith(name->text().chopped(1)), qPrintable(name->text()));
    QVERIFY2(Overflow(name).isEmpty(), qPrintable(Overflow(name)));
    QCOMPARE(name->toolTip(), longName.left(20));
    QVERIFY(table->findChild<QLabel*>("Label8(0)")->toolTip().isEmpty());
  }

  void okTakesReturnOrEnterAndEscapeClosesTheTableAndTheAbout() {
    AuxRig rig;
    const std::function<QWidget*()> openers[] = {
        [&rig] { rig.windows->ShowBestTimes(); return rig.windows->BestTimes(); },
        [&rig] { rig.windows->ShowAbout(); return rig.windows->About(); }};
    for (const auto& open : openers) {
      for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QWidget* window = open();
        QVERIFY(window);
        QWidget* focus = window->focusWidget();
        QCOMPARE(focus->objectName(), "Command1");
        QTest::keyClick(focus, key);
        QVERIFY2(!window->isVisible(), qPrintable(QStringLiteral("%1 after key %2").arg(window->objectName()).arg(int(key))));
      }
    }
  }

  void labelsStayLegibleUnderADarkTheme() {
    const QPalette light = QApplication::palette();
    const auto restore = qScopeGuard([&light] { QApplication::setPalette(light); });
    QPalette dark = light;
    const std::pair<QPalette::ColorRole, QColor> darkColours[] = {
        {QPalette::Window, QColor(45, 45, 45)}, {QPalette::WindowText, QColor(220, 220, 220)},
        {QPalette::Base, QColor(30, 30, 30)},   {QPalette::Text, QColor(220, 220, 220)},
        {QPalette::Button, QColor(60, 60, 60)}, {QPalette::ButtonText, QColor(220, 220, 220)}};
    for (const auto& [role, colour] : darkColours) dark.setColor(role, colour);
    QApplication::setPalette(dark);

    AuxRig rig;
    QVERIFY(rig.game.CheckRecord(200));
    rig.windows->ShowBestTimes();
    rig.windows->ShowAbout();
    for (QWidget* window : {rig.windows->RecordEntry(), rig.windows->BestTimes(), rig.windows->About()}) {
      QVERIFY(window);
      const QColor ground = window->palette().color(QPalette::Window);
      for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;  // a picture
        // The faintest pair by design is the about window's red on its light blue, at 2.3.
        const double contrast = Contrast(label->palette().color(QPalette::WindowText), ground);
        QVERIFY2(contrast >= 2, qPrintable(QStringLiteral("%1 %2: %3").arg(window->objectName(), label->objectName()).arg(contrast)));
      }
    }
  }

  void tableLayoutFontsAndSavingOnOpening() {
    AuxRig rig;
    rig.game.MutableState().BestTimes[2] = 12345;  // from a file edited by hand
    rig.windows->ShowBestTimes();
    QWidget* table = rig.windows->BestTimes();
    CheckLayout(table, "Form5", "ハイスコア", {258, 126},
                {{"Label1", 15, 18, 40, 16, "初級："}, {"Label3(0)", 69, 18, 24, 16, "999"},
                 {"Label5", 96, 18, 16, 16, "秒"}, {"Label8(0)", 135, 18, 112, 16, kNoName},
                 {"Label2", 15, 45, 40, 16, "中級："}, {"Label3(1)", 69, 45, 24, 16, "999"},
                 {"Label6", 96, 45, 16, 16, "秒"}, {"Label8(1)", 135, 45, 112, 16, kNoName},
                 {"Label4", 15, 72, 40, 16, "上級："}, {"Label3(2)", 69, 72, 24, 16, "12345"},
                 {"Label7", 96, 72, 16, 16, "秒"}, {"Label8(2)", 135, 72, 112, 16, kNoName},
                 {"Command1", 192, 99, 43, 19, "OK"}});
    for (QLabel* label : table->findChildren<QLabel*>()) {
      QCOMPARE(label->font().families().value(0), "ＭＳ Ｐゴシック");
      QCOMPARE(label->font().pointSize(), 12);
    }
    QCOMPARE(rig.Stored("上級"), "12345");
    QCOMPARE(rig.Stored("初級名前"), kNoName);
  }

  void anOpenTableTakesRecordsAndTheClearQuestionDecides() {
    AuxRig rig;
    rig.windows->ShowBestTimes();
    QWidget* table = rig.windows->BestTimes();
    rig.windows->ShowBestTimes();
    rig.game.SelectLevel(2);
    QVERIFY(rig.game.CheckRecord(88));
    PressOk(rig.windows->RecordEntry());
    QCOMPARE(rig.windows->BestTimes(), table);
    QCOMPARE(OpenWindows("Form5"), 1);
    QCOMPARE(Text(table, "Label3(2)"), "88");
    QCOMPARE(rig.Stored("上級"), "88");

    rig.profile.writes.clear();
    bool asked = false;
    AnswerNextBox(QMessageBox::Cancel, [&asked](QMessageBox* box) {
      asked = true;
      QCOMPARE(box->text(), "ハイスコアをクリアします。\nよろしいですか？");
      QCOMPARE(box->windowTitle(), "メッセージ");
      QCOMPARE(box->icon(), QMessageBox::Critical);
      QCOMPARE(box->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
      QCOMPARE(box->defaultButton(), box->button(QMessageBox::Ok));
    });
    QVERIFY(!rig.windows->AskAndClearBestTimes());
    QVERIFY(asked);
    QVERIFY(rig.profile.writes.empty());
    QCOMPARE(rig.game.BestTimeTable()[2].Seconds, 88);
    QCOMPARE(rig.game.State().CurrentLevel, int16_t{2});
    QCOMPARE(Text(table, "Label3(2)"), "88");

    rig.ticks.AdvanceSeconds(12);
    const GameState before = rig.game.State();
    AnswerNextBox(QMessageBox::Ok);
    QVERIFY(rig.windows->AskAndClearBestTimes());
    for (const auto& row : rig.game.BestTimeTable()) {
      QCOMPARE(row.Seconds, 999);
      QCOMPARE(QString::fromStdString(row.Name), kNoName);
    }
    QCOMPARE(rig.game.LevelChecks(), (std::array<bool, 3>{true, false, false}));
    QCOMPARE(rig.game.State().CurrentLevel, int16_t{0});
    QCOMPARE(rig.profile.Get("レベル", "値"), "0");
    QCOMPARE(Text(table, "Label3(2)"), "999");
    QCOMPARE(Text(table, "Label8(2)"), kNoName);
    // The board and the clock go on.
    QVERIFY(rig.game.State().GivenGrid == before.GivenGrid && rig.game.State().EntryGrid == before.EntryGrid);
    rig.ticks.AdvanceSeconds(3);
    QCOMPARE(rig.game.ElapsedSeconds(), 15);
  }

  void aboutLayoutFontsAndOpeningOnce() {
    AuxRig rig;
    rig.windows->ShowAbout();
    QWidget* about = rig.windows->About();
    rig.windows->ShowAbout();
    QCOMPARE(rig.windows->About(), about);
    QCOMPARE(OpenWindows("Form6"), 1);
    CheckLayout(about, "Form6", "Lumitile について", {308, 146},
                {{"Picture1", 12, 15, 32, 32, ""},
                 {"Label1", 51, 18, 252, 28, "Lumitile for Linux"},
                 {"Label2", 259, 51, 46, 19, "ver 0.1"},
                 {"Label3", 24, 99, 100, 12, "© 2026 Lumitile"},
                 {"Label4", 24, 114, 163, 22, "Lumitile Project"},
                 {"Command1", 237, 117, 43, 19, "OK"}});
    const struct { const char* name; qreal points; bool italic; } serif[] = {
        {"Label1", 18, true}, {"Label2", 12, false}, {"Label4", 14.25, false}};
    for (const auto& look : serif) {
      const QFont font = about->findChild<QLabel*>(look.name)->font();
      QCOMPARE(font.families().value(0), "Times New Roman");
      QCOMPARE(font.pointSizeF(), look.points);
      QVERIFY(font.bold());
      QCOMPARE(font.italic(), look.italic);
    }
  }

  void helpOpensOnceAndNamesEveryMenuCaption() {
    AuxRig rig(DataFolders(LUMITILE_BINARY_DIR, {}));  // where the built game looks
    rig.windows->ShowHelp();
    QWidget* help = rig.windows->Help();
    rig.windows->ShowHelp();
    QCOMPARE(rig.windows->Help(), help);
    QCOMPARE(OpenWindows("HelpViewer"), 1);
    auto* browser = help->findChild<QTextBrowser*>();
    QCOMPARE(browser->source().fileName(), "Lumihlp.html");

    ViewRig game;  // the menus as the game builds them
    int captions = 0;
    for (QAction* action : game.window->findChildren<QAction*>()) {
      if (action->isSeparator()) continue;
      QVERIFY2(browser->toPlainText().contains(action->text()), qPrintable(action->text()));
      ++captions;
    }
    QVERIFY(captions > 0);
  }

  void aMissingHelpDocumentIsToldAndTheGameGoesOn() {
    QTemporaryDir empty;
    AuxRig rig({empty.path().toStdString()});
    rig.ticks.AdvanceSeconds(5);
    rig.windows->ShowHelp();
    QCOMPARE(rig.windows->Help()->findChild<QTextBrowser*>()->toPlainText(),
             "ヘルプファイル Lumihlp.html が見つかりません。");
    rig.ticks.AdvanceSeconds(2);
    QCOMPARE(rig.game.ElapsedSeconds(), 7);
  }
};

}  // namespace lumitile::testing

LUMITILE_VIEW_TEST_MAIN(lumitile::testing::AuxWindowsTest)
#include "aux_windows_test.moc"
