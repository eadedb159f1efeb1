// The board: 9 x 9 cells painted from the game controller on every paint,
// with the grid strokes over them. It keeps no picture of its own and holds no
// rule; a finished left click is handed on as a position for the controller
// to judge.
#pragma once

#include <QWidget>

namespace lumitile {

class GameController;
class Images;

class BoardWidget : public QWidget {
  Q_OBJECT

 public:
  BoardWidget(const GameController& game, const Images& images, QWidget* parent = nullptr);

 signals:
  // A left click released at (x, y), pixels from the board's top-left corner,
  // after the button went down on the board as well.
  void Clicked(int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  const GameController& game_;
  const Images& images_;
  bool leftPressed_ = false;
};

}  // namespace lumitile
