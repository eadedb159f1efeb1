// A left click as every control of the game takes it: it counts only when
// the button comes up over the control where it went down.
#pragma once

#include <QMouseEvent>
#include <QPoint>
#include <QRect>
#include <QtMath>
#include <optional>

namespace lumitile {

class PressThenRelease {
 public:
  void Press(const QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
  }
  // The pixel of area under a finished click, else nothing. The pixel under
  // the pointer, not the nearest corner: a fractional position on a scaled
  // screen must not round into the next cell.
  std::optional<QPoint> Release(const QMouseEvent* event, const QRect& area) {
    if (event->button() != Qt::LeftButton) return std::nullopt;
    const bool pressed = pressed_;
    pressed_ = false;
    const QPoint at(qFloor(event->position().x()), qFloor(event->position().y()));
    if (!pressed || !area.contains(at)) return std::nullopt;
    return at;
  }

 private:
  bool pressed_ = false;
};

}  // namespace lumitile
