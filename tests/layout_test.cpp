// The layout table as a whole, and the windows as built from it at every
// zoom with every picture refreshed.
#include <gtest/gtest.h>

#include "support/game_rig.h"
#include "ui/about_window.h"
#include "ui/best_times_window.h"
#include "ui/images.h"
#include "ui/layout.h"
#include "ui/picture_box.h"
#include "ui/record_entry_window.h"

#include <QAction>

namespace lumitile {
namespace {

// The main window at every zoom, the others as they stand: each control
// inside its window and clear of the others, every edge the zoom times its
// place at 100 %, rounded.
TEST(Layout, EveryControlIsNamedInsideItsWindowAndClearOfTheOthersAtEveryZoom) {
  for (const WindowLayout* designed : AllLayouts()) {
    for (const int percent : kZoomPercents) {
      if (percent != 100 && designed != &MainLayout()) continue;
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

// Each window's controls stand where the table puts them, at its size.
void ExpectBuiltFromTable(QWidget* window, const WindowLayout& layout) {
  for (const ControlPlace& control : layout.Controls) {
    const auto* widget = window->findChild<QWidget*>(control.Name);
    ASSERT_TRUE(widget) << control.Name.toStdString();
    EXPECT_EQ(widget->geometry(), control.Rect) << control.Name.toStdString();
  }
}

// At each zoom the main window is laid out again from the table, and every
// picture shows again at the new size, drawn at it rather than blown up: the
// palette, the tokens, the clock's digits and the pointer.
TEST(Layout, TheWindowsAreBuiltFromTheTable) {
  testing::GameRig rig;
  EXPECT_EQ(rig.Window().objectName(), MainLayout().Name);
  // The palette reads as the numbers do: 1 2 3 across the top, 7 8 9 at the foot.
  for (int k = 1; k < 9; ++k) {
    const QRect before = MainLayout().Place(QStringLiteral("Picture1(%1)").arg(k - 1));
    const QRect at = MainLayout().Place(QStringLiteral("Picture1(%1)").arg(k));
    EXPECT_TRUE(k % 3 ? at.top() == before.top() && at.left() > before.left()
                      : at.top() > before.top() && at.left() < before.left()) << k;
  }
  const int menuBar = rig.Window().height() - MainLayout().Size.height();
  rig.Session().Execute(cmd::NewGameOn{testing::PuzzleWithOpenCells(3)});
  rig.ticks.AdvanceSeconds(47);
  rig.Window().PickItem(Pick::Eraser());
  const Images& images = rig.game.Pictures();
  for (const int percent : {150, 300, 200, 100}) {
    const qreal zoom = percent / 100.0;
    rig.Window().SetZoom(percent);
    SCOPED_TRACE(percent);
    ExpectBuiltFromTable(&rig.Window(), Zoomed(MainLayout(), zoom));
    EXPECT_EQ(rig.Find("ClientArea")->size(), MainLayout().Size * zoom);
    EXPECT_EQ(rig.Window().maximumSize(), rig.Window().minimumSize());
    EXPECT_EQ(rig.Window().size(), rig.Find("ClientArea")->size() + QSize(0, menuBar)) << "the menu bar keeps its size";
    EXPECT_EQ(rig.Find("Label1")->font().pointSizeF(), 15.75 * zoom);
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
  RecordEntryWindow entry;
  BestTimesWindow table;
  AboutWindow about(rig.game.Pictures());
  const auto layouts = AllLayouts();
  for (QWidget* window : std::initializer_list<QWidget*>{&entry, &table, &about}) {
    const auto it = std::ranges::find_if(layouts, [window](auto* l) { return l->Name == window->objectName(); });
    ASSERT_NE(it, layouts.end()) << window->objectName().toStdString();
    EXPECT_EQ(window->size(), (*it)->Size);
    ExpectBuiltFromTable(window, **it);
  }
}

}  // namespace
}  // namespace lumitile
