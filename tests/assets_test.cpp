// Checks the committed pictures, as compiled into the resources, against
// what the window code takes for granted: each name resolves, has the size
// the board and clock are laid out for, has a sharp copy at exactly twice
// that size, covers its cell when it is a tile and lets the cell show
// through when it is a panel or pointer.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Tiles fill their cell; overlays are painted over one and leave its
// colour around them; the icon's rounded corners are neither.
enum class Cover { kOpaque, kOverlay, kIcon };

struct Expected {
  QString name;
  int width;
  int height;
  Cover cover;
};

std::vector<Expected> AllPictures() {
  std::vector<Expected> list;
  const Cover opaque = Cover::kOpaque, overlay = Cover::kOverlay;
  for (int d = 0; d <= 9; ++d) list.push_back({QStringLiteral("digit_%1").arg(d), 20, 35, opaque});
  for (int n = 1; n <= 9; ++n) list.push_back({QStringLiteral("given_%1").arg(n), 32, 32, opaque});
  for (int n = 1; n <= 9; ++n) list.push_back({QStringLiteral("panel_%1").arg(n), 32, 32, overlay});
  list.push_back({QStringLiteral("hint"), 32, 32, overlay});
  list.push_back({QStringLiteral("eraser"), 32, 32, overlay});
  list.push_back({QStringLiteral("burst"), 16, 16, overlay});
  list.push_back({QStringLiteral("blank"), 32, 32, opaque});
  list.push_back({QStringLiteral("icon"), 32, 32, Cover::kIcon});
  return list;
}

QImage Load(const QString& name, int scale) {
  const QString suffix = scale == 2 ? QStringLiteral("@2x") : QString();
  return QImage(QStringLiteral(":/images/%1%2.png").arg(name, suffix))
      .convertToFormat(QImage::Format_ARGB32);
}

std::string Trace(const QString& name, int scale) {
  return name.toStdString() + (scale == 2 ? "@2x" : "");
}

// The box round every pixel that is not fully transparent.
QRect Ink(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) > 0) box |= QRect(x, y, 1, 1);
  return box;
}

TEST(Assets, EveryPictureResolvesAtItsSizeWithASharpCopyAtTwice) {
  for (const Expected& e : AllPictures()) {
    for (int scale : {1, 2}) {
      SCOPED_TRACE(Trace(e.name, scale));
      const QImage image(QStringLiteral(":/images/%1%2.png")
                             .arg(e.name, scale == 2 ? QStringLiteral("@2x") : QString()));
      ASSERT_FALSE(image.isNull());
      EXPECT_EQ(image.width(), e.width * scale);
      EXPECT_EQ(image.height(), e.height * scale);
      // Qt reads the scale from the file name; a misnamed copy would be
      // drawn at double size on a 200% screen.
      EXPECT_EQ(image.devicePixelRatio(), scale);
    }
  }
}

TEST(Assets, TilesCoverTheirCellAndOverlaysLetItShowThrough) {
  for (const Expected& e : AllPictures()) {
    for (int scale : {1, 2}) {
      SCOPED_TRACE(Trace(e.name, scale));
      const QImage image = Load(e.name, scale);
      ASSERT_FALSE(image.isNull());
      const int w = image.width() - 1, h = image.height() - 1;
      if (e.cover == Cover::kOpaque) {
        for (int y = 0; y <= h; ++y)
          for (int x = 0; x <= w; ++x) ASSERT_EQ(qAlpha(image.pixel(x, y)), 255) << x << "," << y;
      } else if (e.cover == Cover::kOverlay) {
        for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
          EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << corner.x() << "," << corner.y();
        EXPECT_FALSE(Ink(image).isEmpty());
      }
    }
  }
}

// Panels and the hint are also the mouse pointer, whose hot spot is the
// middle of the picture: the digit must sit there and not be cut off.
TEST(Assets, PointerDigitsAreCentredAndUncut) {
  QStringList names{QStringLiteral("hint")};
  for (int n = 1; n <= 9; ++n) names << QStringLiteral("panel_%1").arg(n);
  for (const QString& name : names) {
    for (int scale : {1, 2}) {
      SCOPED_TRACE(Trace(name, scale));
      const QImage image = Load(name, scale);
      ASSERT_FALSE(image.isNull());
      const QRect ink = Ink(image);
      EXPECT_GT(ink.top(), 0);
      EXPECT_GT(ink.left(), 0);
      EXPECT_LT(ink.bottom(), image.height() - 1);
      EXPECT_LT(ink.right(), image.width() - 1);
      // Within one 1x pixel of the middle, either way.
      const int slack = 2 * scale;
      EXPECT_LE(std::abs(ink.left() + ink.right() + 1 - image.width()), slack);
      EXPECT_LE(std::abs(ink.top() + ink.bottom() + 1 - image.height()), slack);
      // Big enough to read at a glance: most of the square's height.
      EXPECT_GE(ink.height(), 22 * scale);
    }
  }
}

}  // namespace
