#include "ui/layout.h"

#include <array>
#include <initializer_list>
#include <tuple>
#include <utility>

#include "core/game_types.h"

namespace lumitile {

namespace {

QString Indexed(const char* name, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index); }

WindowLayout BuildMainLayout(bool minutesClock) {
  WindowLayout layout{QStringLiteral("Form1"), {404, 290}, {}};
  auto& c = layout.Controls;
  c.push_back({QStringLiteral("Board"), {0, 0, 288, 288}});
  c.push_back({QStringLiteral("Label1"), {322, 3, 55, 24}});
  if (minutesClock) {
    // m:ss under the same caption, centred where the three digits were:
    // minutes in Picture5 and 6, the colon (Picture9), seconds in Picture7 and 8.
    for (const auto& [name, left, width] : {std::tuple{"Picture5", 304, 20}, {"Picture6", 325, 20},
                                            {"Picture9", 346, 7}, {"Picture7", 354, 20}, {"Picture8", 375, 20}})
      c.push_back({QLatin1String(name), {left, 30, width, 35}});
  } else {
    for (int i = 0; i < 3; ++i) c.push_back({QStringLiteral("Picture%1").arg(5 + i), {318 + 21 * i, 30, 20, 35}});
  }
  for (int i = 0; i < 3; ++i) c.push_back({Indexed("Picture4", i), {303 + 30 * i, 69, 32, 32}});
  c.push_back({QStringLiteral("Label2"), {300, 108, 97, 19}});
  for (int k = 0; k < 9; ++k) c.push_back({Indexed("Picture1", k), {300 + 33 * (k % 3), 132 + 33 * (k / 3), 34, 34}});
  c.push_back({QStringLiteral("Picture2"), {315, 237, 32, 32}});
  c.push_back({QStringLiteral("Picture3"), {357, 237, 32, 32}});
  c.push_back({QStringLiteral("Label3"), {300, 276, 100, 12}});
  return layout;
}

// A window whose controls are all named once, listed as they stand.
WindowLayout Fixed(const char* window, QSize size, std::initializer_list<std::pair<const char*, QRect>> controls) {
  WindowLayout layout{QLatin1String(window), size, {}};
  for (const auto& [name, rect] : controls) layout.Controls.push_back({QLatin1String(name), rect});
  return layout;
}

WindowLayout BuildRecordEntryLayout() {
  return Fixed("Form4", {153, 94},
               {{"Label1", {12, 6, 85, 12}}, {"Label2", {12, 21, 124, 12}}, {"Text1", {21, 39, 112, 19}},
                {"Command1", {51, 66, 49, 19}}});
}

WindowLayout BuildBestTimesLayout() {
  // One row a level at the same pitch, the OK button below the last.
  constexpr int kPitch = 27;
  const int buttonTop = 18 + kPitch * kLevelCount;
  WindowLayout layout{QStringLiteral("Form5"), {270, buttonTop + kPitch}, {}};
  // The names the rows have always had: the advanced caption came last.
  // The levels added later took the next free names. Their captions are
  // wider ("超上級：" is 56 pixels) and start two pixels further left; their
  // times are m:ss without a unit, in a box clear of the caption, and the
  // names moved right to make room for them.
  const char* captions[] = {"Label1", "Label2", "Label4", "Label9", "Label10", "Label13"};
  const char* units[] = {"Label5", "Label6", "Label7"};
  static_assert(std::size(captions) >= kLevelCount);
  for (int level = 0; level < kLevelCount; ++level) {
    const int top = 18 + kPitch * level;
    if (CountsMinutes(level)) {
      layout.Controls.push_back({QLatin1String(captions[level]), {13, top, 70, 16}});
      layout.Controls.push_back({Indexed("Label3", level), {89, top, 46, 16}});
    } else {
      layout.Controls.push_back({QLatin1String(captions[level]), {15, top, 40, 16}});
      layout.Controls.push_back({Indexed("Label3", level), {69, top, 24, 16}});
      layout.Controls.push_back({QLatin1String(units[level]), {96, top, 16, 16}});
    }
    layout.Controls.push_back({Indexed("Label8", level), {147, top, 112, 16}});
  }
  layout.Controls.push_back({QStringLiteral("Command1"), {204, buttonTop, 43, 19}});
  return layout;
}

WindowLayout BuildAboutLayout() {
  return Fixed("Form6", {308, 146},
               {{"Command1", {237, 117, 43, 19}}, {"Picture1", {12, 15, 32, 32}}, {"Label1", {51, 18, 252, 28}},
                {"Label2", {259, 51, 46, 19}}, {"Label3", {24, 99, 100, 12}}, {"Label4", {24, 114, 163, 22}}});
}

}  // namespace

QRect WindowLayout::Place(const QString& name) const {
  for (const ControlPlace& control : Controls)
    if (control.Name == name) return control.Rect;
  return {};
}

const std::array<WindowLayout, 5>& Layouts() {
  static const std::array<WindowLayout, 5> layouts{BuildMainLayout(false), BuildRecordEntryLayout(),
                                                   BuildBestTimesLayout(), BuildAboutLayout(),
                                                   BuildMainLayout(true)};
  return layouts;
}

const WindowLayout& MainLayout(bool minutesClock) { return Layouts()[minutesClock ? 4 : 0]; }
const WindowLayout& RecordEntryLayout() { return Layouts()[1]; }
const WindowLayout& BestTimesLayout() { return Layouts()[2]; }
const WindowLayout& AboutLayout() { return Layouts()[3]; }

std::vector<const WindowLayout*> AllLayouts() {
  std::vector<const WindowLayout*> all;
  for (const WindowLayout& layout : Layouts()) all.push_back(&layout);
  return all;
}

QRect Zoomed(const QRect& rect, qreal zoom) {
  const auto edge = [zoom](int at) { return qRound(at * zoom); };
  return QRect(QPoint(edge(rect.left()), edge(rect.top())),
               QPoint(edge(rect.right() + 1) - 1, edge(rect.bottom() + 1) - 1));
}

WindowLayout Zoomed(const WindowLayout& layout, qreal zoom) {
  WindowLayout zoomed{layout.Name, Zoomed(QRect(QPoint(0, 0), layout.Size), zoom).size(), {}};
  for (const ControlPlace& control : layout.Controls) zoomed.Controls.push_back({control.Name, Zoomed(control.Rect, zoom)});
  return zoomed;
}

bool SameArray(const QString& a, const QString& b) {
  const qsizetype open = a.indexOf(u'(');
  return open > 0 && a.left(open + 1) == b.left(open + 1);
}

}  // namespace lumitile
