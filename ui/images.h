// Every picture the main window shows, loaded from the game's resources and
// handed out by what it stands for. Each is drawn for the screen's pixel
// ratio times the window's zoom, from the finest drawing it needs (1x to
// 4x), so nothing is an enlarged small bitmap.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <array>

#include "core/game_clock.h"  // kUnlitDigit
#include "core/game_types.h"

namespace lumitile {

class Images {
 public:
  // devicePixelRatio: the screen's.
  explicit Images(qreal devicePixelRatio = 1.0);

  // Loads the main window's pictures again at zoom times their size on
  // screen; the icon, which only the about window shows, keeps its size.
  void SetZoom(qreal zoom);

  const QPixmap& Digit(int digit) const;  // clock digit 0..9 or kUnlitDigit, 20 x 35
  const QPixmap& Colon() const { return colon_; }  // the m:ss clock's colon, 7 x 35
  const QPixmap& Given(int number) const; // given panel 1..9, 32 x 32
  const QPixmap& Panel(int number) const; // palette panel 1..9, 32 x 32, transparent
  const QPixmap& Hint() const { return hint_; }
  const QPixmap& Eraser() const { return eraser_; }
  const QPixmap& Burst() const { return burst_; }
  const QPixmap& Blank() const { return blank_; }
  const QIcon& Icon() const { return icon_; }
  const QPixmap& IconPicture() const { return iconPicture_; }  // 32 x 32

  // The picture a pointer shows, or null for the default arrow.
  const QPixmap* PointerPicture(PointerView pointer) const;
  // The pointer itself: the picture with its hot spot in the middle, or the arrow.
  QCursor PointerCursor(PointerView pointer) const;

 private:
  qreal devicePixelRatio_;
  qreal zoom_ = 0;  // none loaded yet
  std::array<QPixmap, 10> digits_;
  std::array<QPixmap, 9> givens_;
  std::array<QPixmap, 9> panels_;
  QPixmap unlitDigit_, colon_;
  QPixmap hint_, eraser_, burst_, blank_, iconPicture_;
  QIcon icon_;
};

// A pointer showing picture with its hot spot in the picture's middle. Some
// platforms read a pointer's hot spot in the picture's own pixels, others in
// the window's (the picture's pixels over its ratio); imagePixels says which.
QCursor CentredCursor(const QPixmap& picture, bool imagePixels);

}  // namespace lumitile
