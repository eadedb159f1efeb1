#include "ui/picture_box.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace lumitile {

PictureBox::PictureBox(const QString& name, const QRect& geometry, const QColor& ground,
                       bool framed, QWidget* parent)
    : QWidget(parent), ground_(ground), framed_(framed) {
  setObjectName(name);
  setGeometry(geometry);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetPicture(const QPixmap& picture) {
  // Pixmaps share their data, so this is cheap; skip the repaint when the
  // clock sets the digit it already shows.
  if (picture.cacheKey() == picture_.cacheKey()) return;
  picture_ = picture;
  update();
}

void PictureBox::SetZoom(qreal zoom) {
  zoom_ = zoom;
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The frame as a filled border of whole screen pixels, the same on every
  // side at any scale, with the picture pixel for pixel just inside it.
  const qreal ratio = devicePixelRatioF();
  const qreal inset = framed_ ? std::max(1.0, std::round(zoom_ * ratio)) / ratio : 0.0;
  if (framed_) painter.fillRect(rect(), Qt::black);
  painter.fillRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), ground_);
  painter.drawPixmap(QPointF(inset, inset), picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  click_.Press(event);
  QWidget::mousePressEvent(event);
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
  // Qt delivers the second press of a double click as this event, and the
  // default turns it into a press; a double click is one click, not two.
  event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  if (click_.Release(event, rect())) emit Clicked();
}

}  // namespace lumitile
