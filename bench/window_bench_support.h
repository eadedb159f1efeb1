// What the window benchmarks share: a game with no sound, and a count of
// the board's paints, to be sure each measured step was really drawn.
#pragma once

#include <QEvent>
#include <QObject>
#include <QtGlobal>
#include <algorithm>
#include <vector>

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

// The value below which the fraction of the samples lie, by nearest rank.
inline double Percentile(std::vector<double> values, double fraction) {
  std::sort(values.begin(), values.end());
  const auto at = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
  return values[at];
}

}  // namespace lumitile::bench
