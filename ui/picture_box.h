// A picture control of the main window: a coloured ground, an optional flat
// one-pixel frame (at 100 %) and a picture at its natural size in the top-left corner
// (inside the frame). It is a button: a left click that comes up over it is
// reported, once for a double click; what the click means is the main window's business.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QMetaMethod>
#include <QPixmap>

namespace lumitile {

class PictureBox : public QAbstractButton {
  Q_OBJECT

 public:
  PictureBox(const QString& name, const QRect& geometry, const QColor& ground, bool framed,
             QWidget* parent);

  void SetPicture(const QPixmap& picture);
  // The frame is one design pixel wide, so it widens with the window's zoom.
  void SetZoom(qreal zoom);
  const QPixmap& Picture() const { return picture_; }
  // Whether a click does something; the clock's digits are only pictures.
  bool Pressable() const { return isSignalConnected(QMetaMethod::fromSignal(&PictureBox::Clicked)); }
  // The palette's pick is framed, so it shows without moving the pointer;
  // a reader hears it as the checked one of the items that can be picked.
  void SetPickable(bool pickable) { pickable_ = pickable; }
  bool Pickable() const { return pickable_; }
  void SetPicked(bool picked);
  bool Picked() const { return picked_; }
  // A palette panel whose number stands nine times on the board is faded
  // and ticked (強調表示), so the numbers still to place stand out.
  void SetDone(bool done);
  bool Done() const { return done_; }

 signals:
  void Clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  // A palette item with the focus leaves every key to the window's key
  // table, which has its own rows for the palette.
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  QPixmap picture_;
  QColor ground_;
  bool framed_;
  qreal zoom_ = 1.0;
  bool picked_ = false;
  bool pickable_ = false;
  bool done_ = false;
};

}  // namespace lumitile
