#include "ui/fonts.h"

#include <QFontMetrics>
#include <QStringList>

namespace lumitile {

QFont MakeFont(const FontStyle& style, qreal zoom) {
  QFont font;
  if (style.Family == Face::Serif) {
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setStyleHint(QFont::Serif);
  } else {
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")});
    font.setStyleHint(QFont::SansSerif);
  }
  // Pixel sizes where a box was laid out for a pixel font, so the screen's
  // dots per inch cannot push the text out of it.
  if (style.Pixels > 0) {
    font.setPixelSize(qRound(style.Pixels * zoom));
  } else {
    font.setPointSizeF(style.Points * zoom);
  }
  if (style.Bold) font.setBold(true);
  if (style.Italic) font.setItalic(true);
  if (style.Underline) font.setUnderline(true);
  return font;
}

QFont FittingGothicFont(const QString& text, const QSize& box, qreal zoom) {
  // Where neither gothic face is installed the stand-in may be wider, so shrink to fit.
  QFont font;
  for (int pixels = qRound(10 * zoom); pixels > qRound(6 * zoom); --pixels) {
    font = MakeFont({.Family = Face::Gothic, .Pixels = pixels});
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(text) <= box.width() && metrics.height() <= box.height()) break;
  }
  return font;
}

}  // namespace lumitile
