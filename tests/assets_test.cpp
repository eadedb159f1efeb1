// The committed pictures, as compiled into the resources, against what the
// window code takes for granted: each name resolves at its size with sharp
// copies at exactly two, three and four times that; a tile covers its cell; a
// panel or pointer lets the cell show through and holds its digit whole in the
// middle, where the pointer's hot spot is.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <vector>

namespace {

enum class Cover { kOpaque, kOverlay, kPointer, kIcon };

TEST(Assets, EveryPictureAtItsSizeCoveringWhatItShould) {
  struct Expected { QString name; QSize size; Cover cover; };
  std::vector<Expected> pictures{{"hint", {32, 32}, Cover::kPointer}, {"eraser", {32, 32}, Cover::kOverlay},
                                 {"burst", {16, 16}, Cover::kOverlay}, {"blank", {32, 32}, Cover::kOpaque},
                                 {"icon", {32, 32}, Cover::kIcon}};
  for (int d = 0; d <= 9; ++d) pictures.push_back({QStringLiteral("digit_%1").arg(d), {20, 35}, Cover::kOpaque});
  pictures.push_back({"digit_off", {20, 35}, Cover::kOpaque});
  pictures.push_back({"clock_colon", {7, 35}, Cover::kOpaque});
  for (int n = 1; n <= 9; ++n) {
    pictures.push_back({QStringLiteral("given_%1").arg(n), {32, 32}, Cover::kOpaque});
    pictures.push_back({QStringLiteral("panel_%1").arg(n), {32, 32}, Cover::kPointer});
  }
  for (const Expected& e : pictures) {
    for (int scale : {1, 2, 3, 4}) {
      if (e.cover == Cover::kIcon && scale > 2) continue;  // only the about window shows it
      const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
      SCOPED_TRACE((e.name + suffix).toStdString());
      const QImage file(QStringLiteral(":/images/%1%2.png").arg(e.name, suffix));
      ASSERT_FALSE(file.isNull());
      EXPECT_EQ(file.size(), e.size * scale);
      EXPECT_EQ(file.devicePixelRatio(), scale) << "Qt takes the scale from the name: drawn at this size";
      const QImage image = file.convertToFormat(QImage::Format_ARGB32);
      QRect ink;  // round every pixel that is not fully transparent
      bool opaque = true;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
          if (qAlpha(image.pixel(x, y)) > 0) ink |= QRect(x, y, 1, 1);
          opaque = opaque && qAlpha(image.pixel(x, y)) == 255;
        }
      if (e.cover == Cover::kOpaque) EXPECT_TRUE(opaque);
      if (e.cover == Cover::kOverlay || e.cover == Cover::kPointer) {
        const QRect r = image.rect();
        for (const QPoint corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
          EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << corner.x() << "," << corner.y();
        EXPECT_FALSE(ink.isEmpty());
      }
      if (e.cover == Cover::kPointer) {
        EXPECT_TRUE(image.rect().adjusted(1, 1, -1, -1).contains(ink));
        // Within one 1x pixel of the middle either way, and most of the square's height.
        EXPECT_LE(std::abs(ink.left() + ink.right() + 1 - image.width()), 2 * scale);
        EXPECT_LE(std::abs(ink.top() + ink.bottom() + 1 - image.height()), 2 * scale);
        EXPECT_GE(ink.height(), 22 * scale);
      }
    }
  }
}

}  // namespace
