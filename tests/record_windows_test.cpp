// The new-record entry and the best-time table over a real game: what they
// show, what OK, Enter and the close box store, that they stay single, and
// the question before the table is cleared.
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

#include "aux_windows_rig.h"
#include "view_rig.h"

namespace lumitile::testing {
namespace {

const QString kGothic = QStringLiteral("ＭＳ Ｐゴシック");
// Twenty-five characters; the table keeps the first twenty.
const QString kLongName = QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬねの");
const QString kFirstTwenty = kLongName.left(20);
const QString kNoName = QStringLiteral("名前なし").leftJustified(20);

struct Placed {
  QString name;
  QRect geometry;
  QString text;
};

QLabel* Label(QWidget* window, const QString& name) { return window->findChild<QLabel*>(name); }

QString Stored(const MemoryProfile& profile, const char* section, const char* key) {
  return QString::fromStdString(profile.Get(section, key));
}

// Japanese arrives as an input method's committed text, not as key presses.
void Type(QLineEdit* box, const QString& text) {
  QInputMethodEvent commit;
  commit.setCommitString(text);
  QApplication::sendEvent(box, &commit);
}

// Where Tab goes from widget: labels sit in the chain but take no focus.
QWidget* NextTabStop(QWidget* widget) {
  QWidget* next = widget->nextInFocusChain();
  while (next != widget && !(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
  return next;
}

void PressOk(QWidget* window) {
  QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
}

// Answers the next message box with the given button once it is up; the box
// is handed to inspect first.
void AnswerNextBox(QMessageBox::StandardButton answer, std::function<void(QMessageBox*)> inspect = {}) {
  QTimer::singleShot(0, [answer, inspect] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box);
    if (inspect) inspect(box);
    box->button(answer)->click();
  });
}

// Empty when window is a fixed, centred, non-blocking tool window of that
// name, caption and client size with a close box only.
QString ToolFrameFault(const QWidget* window, const QString& name, const QString& caption, QSize size) {
  const QRect screen = window->screen()->availableGeometry();
  const QRect client = window->geometry();
  const Qt::WindowFlags flags = window->windowFlags();
  if (window->objectName() != name || window->windowTitle() != caption) return QStringLiteral("name or caption");
  if (window->minimumSize() != size || window->maximumSize() != size) return QStringLiteral("size");
  if (window->windowType() != Qt::Tool || !flags.testFlag(Qt::WindowCloseButtonHint) ||
      flags.testFlag(Qt::WindowMinimizeButtonHint) || flags.testFlag(Qt::WindowMaximizeButtonHint))
    return QStringLiteral("frame");
  if (window->windowModality() != Qt::NonModal) return QStringLiteral("modal");
  if (std::abs(client.left() + client.right() - screen.left() - screen.right()) > 1 ||
      std::abs(client.top() + client.bottom() - screen.top() - screen.bottom()) > 1)
    return QStringLiteral("not centred");
  return {};
}

}  // namespace

class RecordWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void entryLayoutFocusAndFrame() {
    AuxRig rig;
    QVERIFY(rig.game.CheckRecord(123));
    QWidget* entry = rig.windows->RecordEntry();
    QVERIFY(entry);
    QCOMPARE(ToolFrameFault(entry, QStringLiteral("Form4"), QStringLiteral("おめでとう！"), {153, 94}), QString());

    const Placed labels[] = {
        {QStringLiteral("Label1"), {12, 6, 85, 12}, QStringLiteral("ハイスコアです。")},
        {QStringLiteral("Label2"), {12, 21, 124, 12}, QStringLiteral("名前を入力してください。")},
    };
    for (const Placed& placed : labels) {
      QLabel* label = Label(entry, placed.name);
      QVERIFY2(label, qPrintable(placed.name));
      QCOMPARE(label->geometry(), placed.geometry);
      QCOMPARE(label->text(), placed.text);
      QCOMPARE(label->focusPolicy(), Qt::NoFocus);
      QVERIFY2(Overflow(label).isEmpty(), qPrintable(Overflow(label)));
    }
    auto* text = entry->findChild<QLineEdit*>(QStringLiteral("Text1"));
    QVERIFY(text);
    QCOMPARE(text->geometry(), QRect(21, 39, 112, 19));
    QCOMPARE(text->text(), QStringLiteral("名前なし"));
    QCOMPARE(text->maxLength(), 32767);  // Qt's own: no limit of ours
    auto* ok = entry->findChild<QPushButton*>(QStringLiteral("Command1"));
    QVERIFY(ok);
    QCOMPARE(ok->geometry(), QRect(51, 66, 49, 19));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(!ok->isDefault());
    QVERIFY(!ok->autoDefault());
    QVERIFY(QFontMetrics(ok->font()).horizontalAdvance(ok->text()) < ok->width());

    QCOMPARE(entry->focusWidget(), static_cast<QWidget*>(text));
    QCOMPARE(NextTabStop(text), static_cast<QWidget*>(ok));
    QCOMPARE(NextTabStop(ok), static_cast<QWidget*>(text));
  }

  void enterInTheNameBoxStoresNothing() {
    AuxRig rig;
    rig.game.CheckRecord(200);
    auto* text = rig.windows->RecordEntry()->findChild<QLineEdit*>(QStringLiteral("Text1"));
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClick(text, Qt::Key_Enter);
    QVERIFY(rig.windows->RecordEntry());
    QVERIFY(rig.game.Pending().has_value());
    QCOMPARE(rig.game.BestTimeTable()[0].Seconds, 999);
    QVERIFY(!rig.windows->BestTimes());
  }

  void okStoresTheCutNameAndTheJudgedTimeThenShowsTheTable() {
    AuxRig rig;
    rig.game.SelectLevel(1);
    rig.ticks.AdvanceSeconds(123.4);
    QVERIFY(rig.game.CheckRecord(123));
    // The player takes a while to type; the judged time is what counts.
    rig.ticks.AdvanceSeconds(40);
    QPointer<QWidget> entry = rig.windows->RecordEntry();
    auto* text = entry->findChild<QLineEdit*>(QStringLiteral("Text1"));
    text->clear();
    Type(text, kLongName);
    QCOMPARE(text->text(), kLongName);
    rig.profile.writes.clear();

    PressOk(entry);

    QVERIFY(!rig.windows->RecordEntry());
    QVERIFY(!rig.game.Pending());
    const auto row = rig.game.BestTimeTable()[1];
    QCOMPARE(row.Seconds, 123);
    QCOMPARE(QString::fromStdString(row.Name), kFirstTwenty);
    QCOMPARE(rig.game.BestTimeTable()[0].Seconds, 999);

    QWidget* table = rig.windows->BestTimes();
    QVERIFY(table);
    QCOMPARE(Label(table, QStringLiteral("Label3(1)"))->text(), QStringLiteral("123"));
    QCOMPARE(Label(table, QStringLiteral("Label8(1)"))->text(), kFirstTwenty);
    QCOMPARE(Stored(rig.profile, "ハイスコア", "中級"), QStringLiteral("123"));
    QCOMPARE(Stored(rig.profile, "ハイスコア", "中級名前"), kFirstTwenty);

    // Closed for good: the entry is destroyed, not kept hidden.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(entry.isNull());
  }

  void closeBoxDropsTheRecord() {
    AuxRig rig;
    rig.game.CheckRecord(321);
    rig.profile.writes.clear();
    QVERIFY(rig.windows->RecordEntry()->close());
    QVERIFY(!rig.windows->RecordEntry());
    QVERIFY(!rig.game.Pending());
    for (const auto& row : rig.game.BestTimeTable()) QCOMPARE(row.Seconds, 999);
    QVERIFY(rig.profile.writes.empty());
    QVERIFY(!rig.windows->BestTimes());
  }

  void aSecondRecordKeepsTheOpenEntryAndItsText() {
    AuxRig rig;
    rig.game.CheckRecord(300);
    QWidget* entry = rig.windows->RecordEntry();
    auto* text = entry->findChild<QLineEdit*>(QStringLiteral("Text1"));
    text->setText(QStringLiteral("みどり"));
    rig.game.CheckRecord(250);
    QCOMPARE(rig.windows->RecordEntry(), entry);
    QCOMPARE(text->text(), QStringLiteral("みどり"));
    QCOMPARE(OpenWindows(QStringLiteral("Form4")), 1);

    // OK stores the latest judged time; the next entry starts afresh.
    PressOk(entry);
    QCOMPARE(rig.game.BestTimeTable()[0].Seconds, 250);
    QCOMPARE(QString::fromStdString(rig.game.BestTimeTable()[0].Name), QStringLiteral("みどり").leftJustified(20));
    rig.game.CheckRecord(100);
    QWidget* next = rig.windows->RecordEntry();
    QVERIFY(next && next != entry);
    QCOMPARE(next->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), QStringLiteral("名前なし"));
    PressOk(next);
    QCOMPARE(QString::fromStdString(rig.game.BestTimeTable()[0].Name), kNoName);
  }

  void tableLayoutFontsAndFocus() {
    AuxRig rig;
    rig.windows->ShowBestTimes();
    QWidget* table = rig.windows->BestTimes();
    QVERIFY(table);
    QCOMPARE(ToolFrameFault(table, QStringLiteral("Form5"), QStringLiteral("ハイスコア"), {258, 126}), QString());

    std::vector<Placed> labels;
    const QString captions[] = {QStringLiteral("初級："), QStringLiteral("中級："), QStringLiteral("上級：")};
    const QString captionNames[] = {QStringLiteral("Label1"), QStringLiteral("Label2"), QStringLiteral("Label4")};
    const QString unitNames[] = {QStringLiteral("Label5"), QStringLiteral("Label6"), QStringLiteral("Label7")};
    for (int level = 0; level < 3; ++level) {
      const int top = 18 + 27 * level;
      labels.push_back({captionNames[level], {15, top, 40, 16}, captions[level]});
      labels.push_back({QStringLiteral("Label3(%1)").arg(level), {69, top, 24, 16}, QStringLiteral("999")});
      labels.push_back({unitNames[level], {96, top, 16, 16}, QStringLiteral("秒")});
      labels.push_back({QStringLiteral("Label8(%1)").arg(level), {135, top, 112, 16}, kNoName});
    }
    for (const Placed& placed : labels) {
      QLabel* label = Label(table, placed.name);
      QVERIFY2(label, qPrintable(placed.name));
      QCOMPARE(label->geometry(), placed.geometry);
      QCOMPARE(label->text(), placed.text);
      QCOMPARE(label->font().families().value(0), kGothic);
      QCOMPARE(label->font().pointSize(), 12);
      QCOMPARE(label->font().weight(), QFont::Normal);
      QVERIFY(!label->font().italic());
      QVERIFY2(Overflow(label).isEmpty(), qPrintable(Overflow(label)));
    }
    QCOMPARE(std::size_t(table->findChildren<QLabel*>().size()), labels.size());

    auto* ok = table->findChild<QPushButton*>(QStringLiteral("Command1"));
    QCOMPARE(ok->geometry(), QRect(192, 99, 43, 19));
    QCOMPARE(ok->font(), table->font());
    QCOMPARE(table->focusWidget(), static_cast<QWidget*>(ok));
    for (QWidget* child : table->findChildren<QWidget*>()) {
      if (child != ok) QCOMPARE(child->focusPolicy(), Qt::NoFocus);
    }

    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!rig.windows->BestTimes());
  }

  void openingTheTableSavesIt() {
    AuxRig rig;
    rig.game.MutableState().BestTimes[2] = 77;  // not yet in the file
    rig.profile.writes.clear();
    rig.windows->ShowBestTimes();
    const std::vector<std::string> expected{
        "ハイスコア/初級=999", "ハイスコア/初級名前=" + kNoName.toStdString(),
        "ハイスコア/中級=999", "ハイスコア/中級名前=" + kNoName.toStdString(),
        "ハイスコア/上級=77",  "ハイスコア/上級名前=" + kNoName.toStdString(),
    };
    QCOMPARE(rig.profile.writes, expected);
    QCOMPARE(Label(rig.windows->BestTimes(), QStringLiteral("Label3(2)"))->text(), QStringLiteral("77"));
  }

  void anOpenTableTakesANewRecordAndStaysSingle() {
    AuxRig rig;
    rig.windows->ShowBestTimes();
    QWidget* table = rig.windows->BestTimes();
    rig.windows->ShowBestTimes();
    QCOMPARE(rig.windows->BestTimes(), table);

    rig.game.SelectLevel(2);
    rig.game.CheckRecord(45);
    rig.profile.writes.clear();
    PressOk(rig.windows->RecordEntry());
    QCOMPARE(rig.windows->BestTimes(), table);
    QCOMPARE(OpenWindows(QStringLiteral("Form5")), 1);
    QCOMPARE(Label(table, QStringLiteral("Label3(2)"))->text(), QStringLiteral("45"));
    QCOMPARE(Stored(rig.profile, "ハイスコア", "上級"), QStringLiteral("45"));
  }

  void aTimeWiderThanItsBoxIsNarrowedNotCut() {
    AuxRig rig;
    rig.game.MutableState().BestTimes[0] = 12345;  // from a file edited by hand
    rig.windows->ShowBestTimes();
    QLabel* time = Label(rig.windows->BestTimes(), QStringLiteral("Label3(0)"));
    QCOMPARE(time->text(), QStringLiteral("12345"));
    QCOMPARE(time->font().pointSize(), 12);
    QVERIFY2(Overflow(time).isEmpty(), qPrintable(Overflow(time)));
  }

  void clearingAfterOkResetsTableAndLevelWhileTheGameGoesOn() {
    AuxRig rig;
    rig.game.SelectLevel(2);
    rig.game.CheckRecord(88);
    PressOk(rig.windows->RecordEntry());
    QWidget* table = rig.windows->BestTimes();
    QCOMPARE(Label(table, QStringLiteral("Label3(2)"))->text(), QStringLiteral("88"));
    rig.ticks.AdvanceSeconds(12);
    const GameState before = rig.game.State();

    bool asked = false;
    AnswerNextBox(QMessageBox::Ok, [&asked](QMessageBox* box) {
      asked = true;
      QCOMPARE(box->text(), QStringLiteral("ハイスコアをクリアします。\nよろしいですか？"));
      QCOMPARE(box->windowTitle(), QStringLiteral("メッセージ"));
      QCOMPARE(box->icon(), QMessageBox::Critical);
      QCOMPARE(box->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
      QCOMPARE(box->defaultButton(), box->button(QMessageBox::Ok));
    });
    QVERIFY(rig.windows->AskAndClearBestTimes());
    QVERIFY(asked);

    for (const auto& row : rig.game.BestTimeTable()) {
      QCOMPARE(row.Seconds, 999);
      QCOMPARE(QString::fromStdString(row.Name), kNoName);
    }
    QCOMPARE(rig.game.LevelChecks(), (std::array<bool, 3>{true, false, false}));
    QCOMPARE(rig.game.State().CurrentLevel, int16_t{0});
    QCOMPARE(Stored(rig.profile, "レベル", "値"), QStringLiteral("0"));
    QCOMPARE(Stored(rig.profile, "ハイスコア", "上級"), QStringLiteral("999"));
    // The open table shows the cleared rows.
    QCOMPARE(Label(table, QStringLiteral("Label3(2)"))->text(), QStringLiteral("999"));
    QCOMPARE(Label(table, QStringLiteral("Label8(2)"))->text(), kNoName);
    // The board and the clock go on.
    QVERIFY(rig.game.State().GivenGrid == before.GivenGrid);
    QVERIFY(rig.game.State().EntryGrid == before.EntryGrid);
    QVERIFY(rig.game.ClockRunning());
    rig.ticks.AdvanceSeconds(3);
    QCOMPARE(rig.game.ElapsedSeconds(), 15);
  }

  void cancellingTheClearChangesNothing_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("Cancel") << int(QMessageBox::Cancel);
    QTest::newRow("closed") << -1;
  }
  void cancellingTheClearChangesNothing() {
    QFETCH(int, answer);
    AuxRig rig;
    rig.game.SelectLevel(1);
    rig.game.CheckRecord(66);
    PressOk(rig.windows->RecordEntry());
    const auto table = rig.game.BestTimeTable();
    rig.profile.writes.clear();

    if (answer < 0) {
      QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(box);
        QTest::keyClick(box, Qt::Key_Escape);
      });
    } else {
      AnswerNextBox(QMessageBox::StandardButton(answer));
    }
    QVERIFY(!rig.windows->AskAndClearBestTimes());

    QCOMPARE(rig.game.BestTimeTable()[1].Seconds, table[1].Seconds);
    QCOMPARE(rig.game.BestTimeTable()[1].Name, table[1].Name);
    QCOMPARE(rig.game.State().CurrentLevel, int16_t{1});
    QVERIFY(rig.profile.writes.empty());
    QCOMPARE(Label(rig.windows->BestTimes(), QStringLiteral("Label3(1)"))->text(), QStringLiteral("66"));
  }
};

}  // namespace lumitile::testing

LUMITILE_VIEW_TEST_MAIN(lumitile::testing::RecordWindowsTest)
#include "record_windows_test.moc"
