#include "ui/fonts.h"

#include <QFontMetrics>

namespace lumitile {

QStringList SerifFamilies() { return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")}; }

QStringList GothicFamilies() {
  return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")};
}

QFont SerifFont(qreal points, bool bold, bool italic, bool underline) {
  QFont font;
  font.setFamilies(SerifFamilies());
  font.setStyleHint(QFont::Serif);
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  return font;
}

QFont GothicFont() {
  QFont font;
  font.setFamilies(GothicFamilies());
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(9);
  return font;
}

QFont FittingGothicFont(const QString& text, const QSize& box) {
  QFont font;
  // The menus' face: one face fewer to load before the window can show.
  font.setFamilies(GothicFamilies());
  font.setStyleHint(QFont::SansSerif);
  // Pixel sizes, so the screen's dots per inch cannot push it out; where
  // neither face is installed the stand-in may be wider, so shrink to fit.
  for (int pixels = 10; pixels > 6; --pixels) {
    font.setPixelSize(pixels);
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(text) <= box.width() && metrics.height() <= box.height()) break;
  }
  return font;
}

}  // namespace lumitile
