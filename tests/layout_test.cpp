// The layout table as a whole, and the windows as built from it.
#include <gtest/gtest.h>

#include "support/game_rig.h"
#include "ui/about_window.h"
#include "ui/best_times_window.h"
#include "ui/layout.h"
#include "ui/record_entry_window.h"

namespace lumitile {
namespace {

TEST(Layout, EveryControlIsNamedInsideItsWindowAndClearOfTheOthers) {
  for (const WindowLayout* layout : AllLayouts()) {
    const QRect window(QPoint(0, 0), layout->Size);
    for (std::size_t i = 0; i < layout->Controls.size(); ++i) {
      const ControlPlace& control = layout->Controls[i];
      const std::string name = (layout->Name + "/" + control.Name).toStdString();
      EXPECT_FALSE(control.Name.isEmpty()) << name;
      EXPECT_TRUE(!control.Rect.isEmpty() && window.contains(control.Rect)) << name;
      for (std::size_t j = i + 1; j < layout->Controls.size(); ++j) {
        const ControlPlace& other = layout->Controls[j];
        EXPECT_NE(control.Name, other.Name) << name;
        if (!SameArray(control.Name, other.Name)) {
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

TEST(Layout, TheWindowsAreBuiltFromTheTable) {
  testing::GameRig rig;
  ExpectBuiltFromTable(&rig.Window(), MainLayout());
  EXPECT_EQ(rig.Find("ClientArea")->size(), MainLayout().Size);
  EXPECT_EQ(rig.Window().objectName(), MainLayout().Name);
  RecordEntryWindow entry;
  BestTimesWindow table;
  AboutWindow about(rig.game.Pictures());
  for (QWidget* window : {static_cast<QWidget*>(&entry), static_cast<QWidget*>(&table), static_cast<QWidget*>(&about)}) {
    const auto layouts = AllLayouts();
    const auto it = std::find_if(layouts.begin(), layouts.end(),
                                 [window](const WindowLayout* l) { return l->Name == window->objectName(); });
    ASSERT_NE(it, layouts.end()) << window->objectName().toStdString();
    EXPECT_EQ(window->size(), (*it)->Size);
    ExpectBuiltFromTable(window, **it);
  }
}

}  // namespace
}  // namespace lumitile
