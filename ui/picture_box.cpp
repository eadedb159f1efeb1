#include "ui/picture_box.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace lumitile {

PictureBox::PictureBox(const QString& name, const QRect& geometry, const QColor& ground,
                       bool framed, QWidget* parent)
    : QAbstractButton(parent), ground_(ground), framed_(framed) {
  setObjectName(name);
  setGeometry(geometry);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The board keeps the keyboard: a box holding the focus would take the
  // arrow keys and Space that move and act on the board's cursor.
  setFocusPolicy(Qt::NoFocus);
  connect(this, &QAbstractButton::clicked, this, &PictureBox::Clicked);
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

void PictureBox::SetPicked(bool picked) {
  if (picked_ == picked) return;
  picked_ = picked;
  update();
  if (QAccessible::isActive()) {
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
  }
}

void PictureBox::SetDone(bool done) {
  if (done_ == done) return;
  done_ = done;
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
  if (done_) {
    const QRectF face = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    QColor veil = ground_;
    veil.setAlpha(176);
    painter.fillRect(face, veil);
    // A tick, black edged in white, across the lower right.
    const qreal z = zoom_;
    const QPolygonF tick{face.topLeft() + QPointF(14 * z, 21 * z), face.topLeft() + QPointF(19 * z, 26 * z),
                         face.topLeft() + QPointF(28 * z, 12 * z)};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 6 * z, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(tick);
    painter.setPen(QPen(Qt::black, 3 * z, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(tick);
    painter.restore();
  }
  if (picked_) {
    // Red around white reads on every ground of the palette; both widen with the zoom.
    const QRectF edge = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    const qreal z = zoom_;
    painter.setPen(QPen(Qt::red, 2 * z, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(edge.adjusted(z, z, -z, -z));
    painter.setPen(QPen(Qt::white, z));
    painter.drawRect(edge.adjusted(2 * z, 2 * z, -3 * z, -3 * z));
  }
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
  // Qt delivers the second press of a double click as this event, and the
  // default turns it into a press; a double click is one click, not two.
  event->accept();
}

}  // namespace lumitile

namespace lumitile {

void PictureBox::keyPressEvent(QKeyEvent* event) { event->ignore(); }

void PictureBox::keyReleaseEvent(QKeyEvent* event) { event->ignore(); }

}  // namespace lumitile
