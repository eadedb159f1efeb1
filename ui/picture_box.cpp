#include "ui/picture_box.h"

#include <QPainter>

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

void PictureBox::SetPicked(bool picked) {
  if (picked_ == picked) return;
  picked_ = picked;
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int inset = framed_ ? 1 : 0;
  // The frame as a filled border, so it stays one pixel on every side at any
  // screen scale.
  if (framed_) painter.fillRect(rect(), Qt::black);
  painter.fillRect(rect().adjusted(inset, inset, -inset, -inset), ground_);
  painter.drawPixmap(inset, inset, picture_);
  if (picked_) {
    // Red around white reads on every ground of the palette.
    const QRect edge = rect().adjusted(inset, inset, -inset, -inset);
    painter.setPen(QPen(Qt::red, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(edge.adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(edge.adjusted(2, 2, -3, -3));
  }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  click_.Press(event);
  QWidget::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  if (click_.Release(event, rect())) emit Clicked();
}

}  // namespace lumitile
