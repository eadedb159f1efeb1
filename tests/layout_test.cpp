// The layout table as a whole, and every window as built from it, in
// Japanese and in English, which the locale chooses.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QMenuBar>
#include <QTextBrowser>
#include <cerrno>

#include "support/game_rig.h"
#include "ui/accessibility.h"
#include "ui/cannot_save_text.h"
#include "ui/images.h"
#include "ui/layout.h"
#include "ui/picture_box.h"
#include "ui/printing.h"
#include "ui/puzzle_words.h"

namespace lumitile {
namespace {

// The main window at every zoom, the others as they stand: each control
// inside its window and clear of the others, every edge the zoom times its
// place at 100 %, rounded.
TEST(Layout, EveryControlIsNamedInsideItsWindowAndClearOfTheOthersAtEveryZoom) {
  for (const WindowLayout* designed : AllLayouts()) {
    for (const int percent : kZoomPercents) {
      if (percent != 100 && designed->Name != QLatin1String("Form1")) continue;
      const qreal zoom = percent / 100.0;
      const WindowLayout layout = Zoomed(*designed, zoom);
      const QRect window(QPoint(0, 0), layout.Size);
      for (std::size_t i = 0; i < layout.Controls.size(); ++i) {
        const ControlPlace& control = layout.Controls[i];
        const std::string name = (layout.Name + "/" + control.Name).toStdString() + " at " + std::to_string(percent);
        const QRect at100 = designed->Controls[i].Rect;
        const QRect& at = control.Rect;
        for (const auto& [edge, design] : {std::pair{at.left(), at100.left()}, {at.top(), at100.top()},
                                           {at.right() + 1, at100.right() + 1}, {at.bottom() + 1, at100.bottom() + 1}})
          EXPECT_LE(std::abs(edge - design * zoom), 0.5) << name;
        EXPECT_FALSE(control.Name.isEmpty()) << name;
        EXPECT_TRUE(!control.Rect.isEmpty() && window.contains(control.Rect)) << name;
        for (std::size_t j = i + 1; j < layout.Controls.size(); ++j) {
          const ControlPlace& other = layout.Controls[j];
          EXPECT_NE(control.Name, other.Name) << name;
          if (!SameArray(control.Name, other.Name))
            EXPECT_FALSE(control.Rect.intersects(other.Rect)) << name << " overlaps " << other.Name.toStdString();
        }
      }
    }
  }
}

// The m:ss clock stays in the clock's place, the right column between its
// caption and the hint tokens, with the caption where it was. The table
// has a row a level at one pitch, each caption clear of its time.
TEST(Layout, TheMinutesClockKeepsTheClocksPlaceAndTheTableARowALevel) {
  const WindowLayout& seconds = MainLayout(false);
  const WindowLayout& minutes = MainLayout(true);
  const QRect column(QPoint(seconds.Place("Label2").left(), seconds.Place("Label1").bottom() + 1),
                     QPoint(seconds.Size.width() - 1, seconds.Place("Picture4(0)").top() - 1));
  for (const char* box : {"Picture5", "Picture6", "Picture7", "Picture8", "Picture9"})
    EXPECT_TRUE(column.contains(minutes.Place(box))) << box;
  EXPECT_EQ(minutes.Place("Label1"), seconds.Place("Label1"));
  const WindowLayout& table = BestTimesLayout();
  for (int level = 0; level < kLevelCount; ++level) {
    const QRect time = table.Place(QStringLiteral("Label3(%1)").arg(level));
    EXPECT_EQ(time.top(), table.Place("Label3(0)").top() + 27 * level) << level;
    for (const ControlPlace& control : table.Controls)
      if (control.Rect.top() == time.top() && control.Rect.right() < time.left())
        EXPECT_GE(time.left() - control.Rect.right(), 6) << control.Name.toStdString();
  }
}

// Each window's controls stand where the table puts them, at its size, and
// every caption is whole in its control: a label's line (trailing padding
// aside), a button's or a text box's text. In English no Japanese is left,
// in a caption, a title or a name a screen reader says.
void ExpectBuiltFromTable(QWidget* window, const WindowLayout& layout, Language language) {
  const bool english = language == Language::kEnglish;
  EXPECT_EQ(window->size(), layout.Size);
  EXPECT_FALSE(english && testing::HasJapanese(window->windowTitle())) << window->windowTitle().toStdString();
  for (const ControlPlace& control : layout.Controls) {
    const auto* widget = window->findChild<QWidget*>(control.Name);
    ASSERT_TRUE(widget) << control.Name.toStdString();
    EXPECT_EQ(widget->geometry(), control.Rect) << control.Name.toStdString();
  }
  for (const QWidget* control : window->findChildren<QWidget*>()) {
    const std::string name = (window->objectName() + "/" + control->objectName()).toStdString();
    const QString text = control->property("text").toString().trimmed();
    // The one caption both languages share that runs past its box, by its E's
    // side bearing (and a pixel of ink at 150 %), as it always has.
    if (text == QLatin1String("TIME")) continue;
    const QFontMetrics metrics(control->font());
    EXPECT_LE(metrics.horizontalAdvance(text), control->contentsRect().width()) << name;
    EXPECT_LE(metrics.tightBoundingRect(text).height(), control->contentsRect().height()) << name;
    EXPECT_FALSE(english && testing::HasJapanese(text + control->accessibleName())) << name;
  }
}

// Every window in Japanese and in English: the main window at every zoom
// with its menus, the side windows as the game opens them, the questions,
// every notice and the help, which explains every menu entry by its caption.
TEST(Layout, EveryWindowIsBuiltFromTheTableWithEveryCaptionWholeInBothLanguages) {
  // The palette reads as the numbers do: 1 2 3 across the top, 7 8 9 at the foot.
  for (int k = 1; k < 9; ++k) {
    const QRect before = MainLayout().Place(QStringLiteral("Picture1(%1)").arg(k - 1));
    const QRect at = MainLayout().Place(QStringLiteral("Picture1(%1)").arg(k));
    EXPECT_TRUE(k % 3 ? at.top() == before.top() && at.left() > before.left()
                      : at.top() > before.top() && at.left() < before.left()) << k;
  }
  for (const Language language : {Language::kJapanese, Language::kEnglish}) {
    const bool english = language == Language::kEnglish;
    SCOPED_TRACE(english ? "English" : "Japanese");
    const testing::SpokenLanguage spoken(language);
    testing::GameRig rig(nullptr, 1, {LUMITILE_BINARY_DIR});
    MainWindow& main = rig.Window();
    main.show();
    // The main window at each zoom; the menu bar keeps its size, and every
    // menu stays on it. Every picture shows again at the new size, drawn at
    // it rather than blown up: the palette, the tokens, the clock and the pointer.
    const int menuBar = main.height() - MainLayout().Size.height();
    rig.Session().Execute(cmd::NewGameOn{testing::PuzzleWithOpenCells(3)});
    rig.ticks.AdvanceSeconds(47);
    main.PickItem(Pick::Eraser());
    const Images& images = rig.game.Pictures();
    for (const int percent : {150, 300, 200, 100}) {
      const qreal zoom = percent / 100.0;
      main.SetZoom(percent);
      SCOPED_TRACE(percent);
      ExpectBuiltFromTable(rig.Find("ClientArea"), Zoomed(MainLayout(), zoom), language);
      EXPECT_EQ(main.maximumSize(), main.minimumSize());
      EXPECT_EQ(main.size(), rig.Find("ClientArea")->size() + QSize(0, menuBar));
      for (QAction* menu : main.menuBar()->actions())
        EXPECT_TRUE(main.menuBar()->rect().contains(main.menuBar()->actionGeometry(menu))) << menu->text().toStdString();
      EXPECT_TRUE(rig.Find<QAction>(QStringLiteral("zoom_%1").arg(percent))->isChecked());
      std::vector<std::pair<QString, QPixmap>> shown{{"Picture2", images.Eraser()},   {"Picture3", images.Burst()},
                                                     {"Picture4(1)", images.Hint()}, {"Picture5", images.Digit(0)},
                                                     {"Picture6", images.Digit(4)},  {"Picture7", images.Digit(7)}};
      for (int k = 0; k < 9; ++k) shown.emplace_back(QStringLiteral("Picture1(%1)").arg(k), images.Panel(k + 1));
      for (const auto& [name, picture] : shown)
        EXPECT_TRUE(testing::SamePixels(rig.Find<PictureBox>(name)->Picture(), picture)) << name.toStdString();
      EXPECT_TRUE(testing::SamePixels(rig.Find("ClientArea")->cursor().pixmap(), images.Eraser()));
      EXPECT_EQ(images.Panel(1).size(), QSize(32, 32) * zoom);
      const QString drawn = percent == 100 ? QString() : QStringLiteral("@%1x").arg(percent / 100);
      if (percent % 100 == 0)
        EXPECT_TRUE(testing::SamePixels(images.Panel(1), QImage(":/images/panel_1" + drawn + ".png")));
    }
    // At the added levels the clock reads m:ss in boxes laid out anew,
    // drawn at every zoom as the three digits are.
    main.SelectLevel(kFirstAddedLevel);
    rig.Session().Execute(cmd::NewGameOn{testing::PuzzleWithOpenCells(3)});
    rig.ticks.AdvanceSeconds(1000);
    for (const int percent : {300, 100}) {
      main.SetZoom(percent);
      ExpectBuiltFromTable(rig.Find("ClientArea"), Zoomed(MainLayout(true), percent / 100.0), language);
      EXPECT_TRUE(testing::SamePixels(rig.Find<PictureBox>("Picture9")->Picture(), images.Colon())) << percent;
    }
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(rig.Find("Board"));
    QStringList said{board->text(QAccessible::Name), board->tableInterface()->rowDescription(0),
                     rig.Find("Picture5")->accessibleName()};
    for (const bool paused : {false, true})
      for (const CellKind kind : {CellKind::Given, CellKind::Placed, CellKind::Empty})
        for (const uint16_t marks : {0, 2}) said << CellAccessibleName({0, 0}, {kind, 5}, marks, paused);
    for (QAction* action : main.findChildren<QAction*>()) said << action->text();

    // A record's name left as offered is nobody's, kept in Japanese.
    AuxiliaryWindows& side = main.SideWindows();
    rig.SolveOneCellIn(5);
    ExpectBuiltFromTable(side.RecordEntry(), RecordEntryLayout(), language);
    side.RecordEntry()->findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(rig.memory.Get("ハイスコア", "超上級名前"), "名前なし");
    side.ShowAbout();
    ExpectBuiltFromTable(side.BestTimes(), BestTimesLayout(), language);
    ExpectBuiltFromTable(side.About(), AboutLayout(), language);

    for (const Question& question : {ClearPanelsQuestion(), ClearTableQuestion()}) {
      testing::AnswerNextMessageBox(question.Yes, &said.emplace_back());  // the box's title and text
      AskInMessageBox(&main, question);
    }
    const FileFailure failures[] = {
        {FileStep::kNotRegularFile, 0, "/x"}, {FileStep::kTooLarge, 0, "/x"}, {FileStep::kMakeFolder, 0, ""},
        {FileStep::kLock, EWOULDBLOCK, "/x"}, {FileStep::kWrite, ENOSPC, "/x"}, {FileStep::kOpen, EACCES, "/x"},
        {FileStep::kRename, EROFS, "/x"},     {FileStep::kRead, EIO, "/x"},     {FileStep::kSync, EIO, "/x"},
        {FileStep::kLockNotFile, 0, "/x"},    {FileStep::kLock, ESTALE, "/x"},  {FileStep::kLock, EIO, "/x"},
        {FileStep::kOpen, ELOOP, "/x"},       {FileStep::kRename, EISDIR, "/x"}};
    for (const Keeping what :
         {Keeping::kSettings, Keeping::kLevel, Keeping::kRecord, Keeping::kClearedTable, Keeping::kOptions, Keeping::kGame})
      for (const FileFailure& why : failures) said << CannotSaveText({what, why});
    // A reason belongs to its cause: reading and writing are told apart.
    EXPECT_NE(CannotSaveText({Keeping::kLevel, {FileStep::kOpen, EACCES, "/x"}}),
              CannotSaveText({Keeping::kLevel, {FileStep::kRename, EACCES, "/x"}}));
    EXPECT_TRUE(CannotSaveText({Keeping::kLevel, {FileStep::kOpen, EACCES, "/x"}})
                    .endsWith(english ? QStringLiteral("read the settings file.") : QStringLiteral("読む権限がありません。")));
    // What a puzzle from outside is told: each refusal of its text, each verdict, each title.
    for (const auto kind : {PuzzleTextError::Kind::kTooShort, PuzzleTextError::Kind::kTooLong,
                            PuzzleTextError::Kind::kStray, PuzzleTextError::Kind::kClash})
      said << PuzzleTextNotice({.What = kind, .Length = 1, .Cell = 1}, "9").Text;
    for (const PuzzleVerdict& verdict :
         {PuzzleVerdict{.Clash = GivenClash{1, 0, 9}}, PuzzleVerdict{}, PuzzleVerdict{.Solutions = SolutionCount::kSeveral},
          PuzzleVerdict{.Solutions = SolutionCount::kOne, .Open = 1}, PuzzleVerdict{.Solutions = SolutionCount::kOne}})
      said << PuzzleVerdictQuestion(verdict).Text;
    for (int technique = 0; technique < kTechniqueCount; ++technique)
      said << PuzzleVerdictQuestion({.Solutions = SolutionCount::kOne, .Grade = {3 + technique % 3, Technique(technique)}})
                  .Text;
    said << WindowTitleFor(GameKind::kEntered, true) << WindowTitleFor(GameKind::kEntered, false);
    // The print's choice, laid out by Qt round its words, and its notice.
    auto* printing = main.findChild<Printing*>();
    printing->Start();
    said << printing->ChoiceWindow()->windowTitle() << CannotPrintNotice().Text;
    for (const QWidget* shown : printing->ChoiceWindow()->findChildren<QWidget*>()) said << shown->property("text").toString();
    printing->ChoiceWindow()->reject();
    side.ShowHelp();
    const QString help = side.Help()->findChild<QTextBrowser*>()->toPlainText();
    said << side.Help()->windowTitle() << help;
    for (QAction* action : main.findChildren<QAction*>())
      if (!action->isSeparator()) EXPECT_TRUE(help.contains(action->text())) << action->text().toStdString();
    for (const QString& text : said) EXPECT_FALSE(english && testing::HasJapanese(text)) << text.toStdString();
  }
}

TEST(Language, EnglishOnlyWhereTheLocaleSpeaksItAndCOrPosixStayJapanese) {
  constexpr Language en = Language::kEnglish, ja = Language::kJapanese;
  const struct { const char *lcAll, *lcMessages, *lang, *language; Language spoken; } cases[] = {
      {"", "", "", "", ja},           {"", "", "C", "en_US", ja},      {"", "", "POSIX", "", ja},
      {"", "", "C.UTF-8", "en", ja},  {"", "", "en_US.UTF-8", "", en}, {"", "", "en", "", en},
      {"", "", "ja_JP.UTF-8", "", ja}, {"", "", "fr_FR.UTF-8", "", ja}, {"", "en_GB@euro", "ja_JP", "", en},
      {"ja_JP", "en_GB", "en_US", "", ja}, {"C", "en_GB", "en_US", "", ja}, {"", "", "de_DE", "fr:en_GB:ja", en},
      {"", "", "en_US", "fr:ja:en", ja}, {"", "", "en_US", "fr:de", en}, {"", "", "ja_JP", "fr", ja},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LanguageFrom(c.lcAll, c.lcMessages, c.lang, c.language), c.spoken)
        << c.lcAll << "|" << c.lcMessages << "|" << c.lang << "|" << c.language;
}

}  // namespace
}  // namespace lumitile
