// The windows beside the game over a real controller, with stand-ins for
// time and the settings file, and a plain widget as the main window. A broken
// record opens the name entry, as in the game.
#pragma once

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <vector>

#include "core_fakes.h"
#include "game/game_controller.h"
#include "game/random_source.h"
#include "records/auxiliary_windows.h"

namespace lumitile::testing {

struct EntryOpeningEvents : GameEvents {
  AuxiliaryWindows* windows = nullptr;
  void PlaySound(Sound) override {}
  void RecordBroken(int32_t) override {
    if (windows) windows->ShowRecordEntry();
  }
};

// Started and dealt, the clock running at 0 seconds.
struct AuxRig {
  explicit AuxRig(std::vector<std::filesystem::path> dataFolders = {}) {
    game.LoadSettings();
    game.NewGame();
    main.setObjectName(QStringLiteral("Form1"));
    main.show();
    windows = std::make_unique<AuxiliaryWindows>(game, &main, std::move(dataFolders));
    events.windows = windows.get();
  }

  FakeTicks ticks;
  MemoryProfile profile;
  SeededRandom random{20260314};
  EntryOpeningEvents events;
  GameController game{random, ticks, profile, events};
  QWidget main;
  std::unique_ptr<AuxiliaryWindows> windows;
};

// Empty when the label's text shows whole in its box (trailing padding does
// not count); otherwise what does not fit.
inline QString Overflow(const QLabel* label) {
  const QFontMetrics metrics(label->font());
  QString text = label->text();
  while (text.endsWith(QLatin1Char(' '))) text.chop(1);
  const int width = metrics.horizontalAdvance(text);
  const int height = metrics.tightBoundingRect(text).height();
  if (width <= label->width() && height <= label->height()) return {};
  return QStringLiteral("%1 \"%2\": %3 x %4 in %5 x %6")
      .arg(label->objectName(), text)
      .arg(width)
      .arg(height)
      .arg(label->width())
      .arg(label->height());
}

// The windows of this object name that are open; the windows beside the game
// are separate windows even when they have the main window as their parent.
inline int OpenWindows(const QString& objectName) {
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == objectName && widget->isVisible()) ++count;
  }
  return count;
}

}  // namespace lumitile::testing
