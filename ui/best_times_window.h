// The best-time table ("ハイスコア"): one row per level with the time and the
// holder's name. It shows what it is given and knows nothing of the game.
#pragma once

#include <QWidget>
#include <array>

#include "core/game_types.h"

class QLabel;

namespace lumitile {

class BestTimesWindow : public QWidget {
  Q_OBJECT

 public:
  explicit BestTimesWindow(QWidget* parent = nullptr);

  // One row per level: the time in decimal, the name with all its padding.
  void Fill(const std::array<BestTimeRow, kLevelCount>& rows);

 private:
  std::array<QLabel*, kLevelCount> times_{};
  std::array<QLabel*, kLevelCount> names_{};
};

}  // namespace lumitile
