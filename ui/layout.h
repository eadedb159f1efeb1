// Where every control of the fixed windows sits: one table per window,
// objectName and rectangle in pixels at 100 %. The windows are built from
// it, and a test checks it as a whole (inside the window, no overlaps,
// names unique) instead of retyping it.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

class QWidget;

namespace lumitile {

struct ControlPlace {
  QString Name;
  QRect Rect;
};

struct WindowLayout {
  QString Name;
  QSize Size;  // the client area (for Form1, below the menus)
  std::vector<ControlPlace> Controls;

  // The rectangle of the named control; an empty one for a name not listed.
  QRect Place(const QString& name) const;
};

// Form1 with the clock as the game on the board counts it: three digits of
// seconds, or m:ss at the levels added after the first three.
const WindowLayout& MainLayout(bool minutesClock = false);
const WindowLayout& RecordEntryLayout();  // Form4
const WindowLayout& BestTimesLayout();    // Form5
const WindowLayout& AboutLayout();        // Form6
std::vector<const WindowLayout*> AllLayouts();

// The table at a zoom: every edge scaled and rounded on its own, so controls
// that touch at 100 % still touch and none comes to overlap another.
QRect Zoomed(const QRect& rect, qreal zoom);
WindowLayout Zoomed(const WindowLayout& layout, qreal zoom);

// Controls of one array (Picture1(0), Picture1(1)...) may touch and overlap:
// their frames were drawn to share an edge.
bool SameArray(const QString& a, const QString& b);

}  // namespace lumitile
