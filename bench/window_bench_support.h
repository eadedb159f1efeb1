// What the window benchmarks share: a game with no sound, and a count of
// the board's paints, to be sure each measured step was really drawn.
#pragma once

#include <QEvent>
#include <QtGlobal>
#include <QObject>

#include "ui/sound_player.h"

namespace lumitile::bench {

// With no display named, the window benchmarks run offscreen.
inline void OffscreenWithoutDisplay() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
}

class NoSound final : public SoundPlayer {
 public:
  void Play(Sound) override {}
};

class PaintCounter final : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

}  // namespace lumitile::bench
