// The fonts of the windows, each face as a list of families: the face the
// game was designed with first, then the nearest free face shipped with the
// desktop, so the original face wins wherever it is installed.
#pragma once

#include <QFont>
#include <QString>

namespace lumitile {

// Times New Roman and its metric twin; the Japanese proportional gothic and
// its free counterpart.
enum class Face { Serif, Gothic };

struct FontStyle {
  Face Family = Face::Gothic;
  qreal Points = 9;  // used when Pixels is 0
  int Pixels = 0;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
};

// zoom: the window's zoom, which scales the size.
QFont MakeFont(const FontStyle& style, qreal zoom = 1.0);
// The gothic face at the largest pixel size, at most 10 (times zoom), in
// which text fits box.
QFont FittingGothicFont(const QString& text, const QSize& box, qreal zoom = 1.0);

}  // namespace lumitile
