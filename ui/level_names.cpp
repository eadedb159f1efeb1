#include "ui/level_names.h"

#include <QCoreApplication>
#include <iterator>

#include "core/game_types.h"

namespace lumitile {

namespace {

struct LevelWords {
  const char* EntryName;
  const char* Caption;
};

// Translated in the level menu's own context, where the words first stood.
constexpr LevelWords kLevels[] = {
    {"beg_game", QT_TRANSLATE_NOOP("lumitile::MainWindow", "初級")},
    {"mid_game", QT_TRANSLATE_NOOP("lumitile::MainWindow", "中級")},
    {"hi_game", QT_TRANSLATE_NOOP("lumitile::MainWindow", "上級")},
    {"sup_game", QT_TRANSLATE_NOOP("lumitile::MainWindow", "超上級")},
    {"mas_game", QT_TRANSLATE_NOOP("lumitile::MainWindow", "達人")},
};
static_assert(std::size(kLevels) == kLevelCount, "every level needs its words here");

bool IsLevel(int level) { return level >= 0 && level < kLevelCount; }

}  // namespace

QString LevelName(int level) {
  return IsLevel(level) ? QCoreApplication::translate("lumitile::MainWindow", kLevels[level].Caption) : QString();
}

QString LevelEntryName(int level) {
  return IsLevel(level) ? QString::fromLatin1(kLevels[level].EntryName) : QString();
}

}  // namespace lumitile
