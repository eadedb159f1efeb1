#include "ui/images.h"

#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cmath>

// The pictures are compiled into the view library; a static library's
// resources must be pulled in by name or the linker drops them.
static void InitImageResources() { Q_INIT_RESOURCE(images); }

namespace lumitile {

namespace {

constexpr std::array<int, 4> kDrawnScales{1, 2, 3, 4};

QImage Drawing(const QString& name, int scale) {
  return QImage(scale == 1 ? QStringLiteral(":/images/%1.png").arg(name)
                           : QStringLiteral(":/images/%1@%2x.png").arg(name).arg(scale));
}

// The picture at `scale` screen pixels to each of its design pixels, shown at
// devicePixelRatio. The smallest drawing at least that fine is shrunk
// smoothly to size; above the finest, a drawing the scale is a whole multiple
// of is enlarged pixel by pixel, which keeps every edge hard.
QPixmap Load(const QString& name, qreal scale, qreal devicePixelRatio) {
  constexpr qreal kSlack = 0.01;
  int drawn = kDrawnScales.back();
  for (int candidate : kDrawnScales) {
    if (candidate + kSlack >= scale) {
      drawn = candidate;
      break;
    }
  }
  Qt::TransformationMode mode = Qt::SmoothTransformation;
  if (drawn + kSlack < scale) {
    for (int candidate : kDrawnScales) {
      const qreal times = scale / candidate;
      if (std::abs(times - std::round(times)) < kSlack) {
        drawn = candidate;
        mode = Qt::FastTransformation;
      }
    }
  }
  // A picture drawn at fewer scales (the icon) falls back to its finest.
  QImage image = Drawing(name, drawn);
  while (image.isNull() && drawn > 1) image = Drawing(name, --drawn);
  if (image.isNull()) return {};
  const QSize design = image.size() / drawn;
  const QSize size(qRound(design.width() * scale), qRound(design.height() * scale));
  if (image.size() != size) image = image.scaled(size, Qt::IgnoreAspectRatio, mode);
  QPixmap picture = QPixmap::fromImage(image);
  picture.setDevicePixelRatio(devicePixelRatio);
  return picture;
}

template <std::size_t N>
const QPixmap& At(const std::array<QPixmap, N>& pictures, int index) {
  static const QPixmap none;
  if (index < 0 || static_cast<std::size_t>(index) >= N) return none;
  return pictures[static_cast<std::size_t>(index)];
}

}  // namespace

Images::Images(qreal devicePixelRatio) : devicePixelRatio_(devicePixelRatio) {
  InitImageResources();
  SetZoom(1.0);
  iconPicture_ = Load(QStringLiteral("icon"), devicePixelRatio, devicePixelRatio);
  // The icon picks its own @2x drawing for each size it is asked for.
  icon_ = QIcon(QStringLiteral(":/images/icon.png"));
}

void Images::SetZoom(qreal zoom) {
  if (zoom == zoom_) return;
  zoom_ = zoom;
  const qreal scale = devicePixelRatio_ * zoom;
  const auto load = [this, scale](const QString& name) { return Load(name, scale, devicePixelRatio_); };
  for (int d = 0; d < 10; ++d) digits_[d] = load(QStringLiteral("digit_%1").arg(d));
  unlitDigit_ = load(QStringLiteral("digit_off"));
  colon_ = load(QStringLiteral("clock_colon"));
  for (int n = 1; n <= 9; ++n) {
    givens_[n - 1] = load(QStringLiteral("given_%1").arg(n));
    panels_[n - 1] = load(QStringLiteral("panel_%1").arg(n));
  }
  hint_ = load(QStringLiteral("hint"));
  eraser_ = load(QStringLiteral("eraser"));
  burst_ = load(QStringLiteral("burst"));
  blank_ = load(QStringLiteral("blank"));
}

const QPixmap& Images::Digit(int digit) const { return digit == kUnlitDigit ? unlitDigit_ : At(digits_, digit); }
const QPixmap& Images::Given(int number) const { return At(givens_, number - 1); }
const QPixmap& Images::Panel(int number) const { return At(panels_, number - 1); }

const QPixmap* Images::PointerPicture(PointerView pointer) const {
  if (!pointer) return nullptr;
  switch (pointer->What) {
    case Pick::Kind::Panel: return &Panel(pointer->Index + 1);
    case Pick::Kind::Eraser: return &eraser_;
    case Pick::Kind::Hint: return &hint_;
  }
  return nullptr;
}

QCursor Images::PointerCursor(PointerView pointer) const {
  const QPixmap* picture = PointerPicture(pointer);
  if (!picture || picture->isNull()) return QCursor(Qt::ArrowCursor);
  // X11 takes the hot spot in the picture's own pixels, so on a scaled
  // screen the centre Qt works out in window pixels lands up and to the left.
  return CentredCursor(*picture, QGuiApplication::platformName() == QLatin1String("xcb"));
}

QCursor CentredCursor(const QPixmap& picture, bool imagePixels) {
  // -1 puts the hot spot in the middle, reckoned in window pixels.
  if (!imagePixels) return QCursor(picture, -1, -1);
  // At a ratio of 1 the two units agree, so the middle is the middle
  // however the platform reads it, and the picture keeps its pixels.
  QPixmap own = picture;
  own.setDevicePixelRatio(1.0);
  return QCursor(own, own.width() / 2, own.height() / 2);
}

}  // namespace lumitile
