// The colours of the solving aids' marks on the board. A mark that must read
// on any cell is two-toned: a dark band and a white one. The dark band reads
// (3:1 or better) on every ground at least as light as its luminance times
// three plus a tenth, the white band on every ground darker than 0.3, and
// each dark colour here is dark enough that the two ranges meet: whatever a
// tile's shade, one band of the mark stands out from it.
#pragma once

#include <QColor>
#include <algorithm>
#include <cmath>

namespace lumitile::aids {

struct TwoTone {
  QColor Dark;
  QColor Light;
};

// Clashes and wrong panels (間違いを表示): maroon and white.
inline const TwoTone kWarning{QColor(128, 0, 0), QColor(255, 255, 255)};
// Cells holding the number in question (強調表示): black corners edged in white.
inline const TwoTone kSameNumber{QColor(0, 0, 0), QColor(255, 255, 255)};
// The next step: the cells that make the deduction, and the cells it changes.
inline const TwoTone kStepPattern{QColor(0, 80, 0), QColor(255, 255, 255)};
inline const TwoTone kStepTarget{QColor(110, 0, 110), QColor(255, 255, 255)};
// The step's second group of cells: a fish's fins, the second colour, a wing's pivot.
inline const TwoTone kStepSecondary{QColor(100, 50, 0), QColor(255, 255, 255)};
// Grounds of open cells: the cursor's lines, and the units a step looks at.
inline const QColor kCursorLines(208, 224, 255);
inline const QColor kStepUnits(255, 240, 176);
// A pencil mark of the number in question: a white digit on a navy disc.
inline const QColor kMarkDisc(0, 0, 160);

// WCAG 2 relative luminance and contrast ratio.
inline double Luminance(const QColor& colour) {
  const auto linear = [](int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) + 0.0722 * linear(colour.blue());
}
inline double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
// How well a two-toned mark reads on a ground: by its better band.
inline double Contrast(const TwoTone& mark, const QColor& ground) {
  return std::max(Contrast(mark.Dark, ground), Contrast(mark.Light, ground));
}

}  // namespace lumitile::aids
