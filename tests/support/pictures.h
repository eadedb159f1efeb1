// Pictures as the tests judge them: in premultiplied ARGB, the form the game
// paints from. A file's straight colours reach that form by exact integer
// work on every processor; the way back divides by alpha through an estimate
// whose last bit differs between processors, so no compare takes it.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QMetaEnum>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <ostream>

// What gtest shows of a picture: its size and pixel format.
inline void PrintTo(const QImage& image, std::ostream* os) {
  *os << image.width() << "x" << image.height() << " "
      << QMetaEnum::fromType<QImage::Format>().valueToKey(image.format());
}

namespace lumitile::testing {

inline QImage Pixels(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32_Premultiplied); }
inline QImage Pixels(const QPixmap& pixmap) { return Pixels(pixmap.toImage()); }
inline QImage Shot(QWidget* widget) { return Pixels(widget->grab()); }

// Both through the one conversion above; a difference names the first pixel
// that differs and both its values.
template <typename A, typename B>
::testing::AssertionResult SamePixels(const A& a, const B& b) {
  const QImage left = Pixels(a), right = Pixels(b);
  if (left.size() != right.size())
    return ::testing::AssertionFailure()
           << ::testing::PrintToString(left) << " against " << ::testing::PrintToString(right);
  for (int y = 0; y < left.height(); ++y)
    for (int x = 0; x < left.width(); ++x)
      if (left.pixel(x, y) != right.pixel(x, y))
        return ::testing::AssertionFailure()
               << ::testing::PrintToString(left) << " pictures differ first at (" << x << "," << y << "): "
               << QString::asprintf("#%08x against #%08x", left.pixel(x, y), right.pixel(x, y)).toStdString();
  return ::testing::AssertionSuccess();
}

}  // namespace lumitile::testing
