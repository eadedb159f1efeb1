// Every picture the main window shows, loaded once from the game's resources
// and handed out by what it stands for. On a high-density screen the @2x
// drawing of a picture is used, at the same size on screen.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <array>

#include "core/game_types.h"

namespace lumitile {

class Images {
 public:
  // devicePixelRatio: the screen's; 2 or more picks the @2x drawings.
  explicit Images(qreal devicePixelRatio = 1.0);

  const QPixmap& Digit(int digit) const;  // clock digit 0..9, 20 x 35
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

  // True when every picture was found.
  bool Complete() const;

 private:
  std::array<QPixmap, 10> digits_;
  std::array<QPixmap, 9> givens_;
  std::array<QPixmap, 9> panels_;
  QPixmap hint_, eraser_, burst_, blank_, iconPicture_;
  QIcon icon_;
};

}  // namespace lumitile
