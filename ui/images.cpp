#include "ui/images.h"

#include <QString>
#include <algorithm>

// The pictures are compiled into the view library; a static library's
// resources must be pulled in by name or the linker drops them.
static void InitImageResources() { Q_INIT_RESOURCE(images); }

namespace lumitile {

namespace {

QPixmap Load(const QString& name, qreal devicePixelRatio) {
  if (devicePixelRatio >= 1.5) {
    QPixmap sharp(QStringLiteral(":/images/%1@2x.png").arg(name));
    if (!sharp.isNull()) {
      sharp.setDevicePixelRatio(2.0);
      return sharp;
    }
  }
  return QPixmap(QStringLiteral(":/images/%1.png").arg(name));
}

template <std::size_t N>
const QPixmap& At(const std::array<QPixmap, N>& pictures, int index) {
  static const QPixmap none;
  if (index < 0 || static_cast<std::size_t>(index) >= N) return none;
  return pictures[static_cast<std::size_t>(index)];
}

}  // namespace

Images::Images(qreal devicePixelRatio) {
  InitImageResources();
  for (int d = 0; d < 10; ++d) digits_[d] = Load(QStringLiteral("digit_%1").arg(d), devicePixelRatio);
  for (int n = 1; n <= 9; ++n) {
    givens_[n - 1] = Load(QStringLiteral("given_%1").arg(n), devicePixelRatio);
    panels_[n - 1] = Load(QStringLiteral("panel_%1").arg(n), devicePixelRatio);
  }
  hint_ = Load(QStringLiteral("hint"), devicePixelRatio);
  eraser_ = Load(QStringLiteral("eraser"), devicePixelRatio);
  burst_ = Load(QStringLiteral("burst"), devicePixelRatio);
  blank_ = Load(QStringLiteral("blank"), devicePixelRatio);
  iconPicture_ = Load(QStringLiteral("icon"), devicePixelRatio);
  // The icon picks its own @2x drawing for each size it is asked for.
  icon_ = QIcon(QStringLiteral(":/images/icon.png"));
}

const QPixmap& Images::Digit(int digit) const { return At(digits_, digit); }
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
  // A hot spot of -1 puts it in the middle of the picture at any pixel ratio,
  // so a panel lands where its centre is seen.
  return QCursor(*picture, -1, -1);
}

bool Images::Complete() const {
  const auto loaded = [](const QPixmap& p) { return !p.isNull(); };
  return std::all_of(digits_.begin(), digits_.end(), loaded) &&
         std::all_of(givens_.begin(), givens_.end(), loaded) &&
         std::all_of(panels_.begin(), panels_.end(), loaded) && loaded(hint_) && loaded(eraser_) &&
         loaded(burst_) && loaded(blank_) && loaded(iconPicture_) && !icon_.isNull();
}

}  // namespace lumitile
