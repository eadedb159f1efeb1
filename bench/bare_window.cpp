// The floor the game's desktop figures are compared against: the least a Qt
// program with the same kind of window costs. A main window with a menu bar
// and a painted 9 x 9 board of 32-pixel white cells with grid lines, and
// nothing else: no images, no fonts of its own, no sounds, no settings file,
// no timers.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QWidget>

namespace {

constexpr int kCell = 32;
constexpr int kBoard = 9 * kCell;  // 288

class Board : public QWidget {
 public:
  Board() { setFixedSize(kBoard, kBoard); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    for (int i = 0; i <= 9; ++i) {
      const int at = std::min(i * kCell, kBoard - 1);
      painter.drawLine(at, 0, at, kBoard - 1);
      painter.drawLine(0, at, kBoard - 1, at);
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  QMenu* game = window.menuBar()->addMenu(QStringLiteral("&Game"));
  game->addAction(QStringLiteral("&New"));
  game->addSeparator();
  game->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
  window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
  window.setCentralWidget(new Board);
  window.show();
  return app.exec();
}
