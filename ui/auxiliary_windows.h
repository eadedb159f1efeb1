// The small windows beside the game: the new-record entry, the best-time
// table, the about window and the help viewer, and the question before the
// table is cleared. Each opens without blocking the main window, at most one
// of a kind; asking again brings the open one forward.
#pragma once

#include <QObject>
#include <QPointer>
#include <filesystem>
#include <vector>

#include "ui/window_events.h"

class QString;
class QWidget;

namespace lumitile {

class AboutWindow;
class BestTimesWindow;
class GameController;
class HelpWindow;
class RecordEntryWindow;

// The help document's file name, looked for in the data folders.
inline constexpr const char* kHelpFileName = "Lumihlp.html";

class AuxiliaryWindows : public QObject, public SideWindows {
  Q_OBJECT

 public:
  // dataFolders: where the help document is looked for (see game/data_files.h).
  AuxiliaryWindows(GameController& game, QWidget* mainWindow,
                   std::vector<std::filesystem::path> dataFolders, QObject* parent = nullptr);
  ~AuxiliaryWindows() override;

  // The name entry for the controller's pending record ("おめでとう！").
  void ShowRecordEntry() override;
  // The best-time table ("ハイスコア"): filled, and the table saved, on opening,
  // and again whenever a record is stored while it is open.
  void ShowBestTimes() override;
  // "Lumitile について".
  void ShowAbout() override;
  // The help document at its first page, in the game's own viewer.
  void ShowHelp() override;
  // Asks before clearing the best times; clears on OK. Returns whether it cleared.
  bool AskAndClearBestTimes() override;

  // The open windows, for tests (null when closed).
  QWidget* RecordEntry() const;
  QWidget* BestTimes() const;
  QWidget* About() const;
  QWidget* Help() const;

 private:
  void StoreRecord(const QString& name);

  GameController& game_;
  QWidget* mainWindow_;
  std::vector<std::filesystem::path> dataFolders_;
  // A closed window lingers until its deferred deletion; the accessors treat
  // a hidden one as gone so that asking again builds a fresh window.
  QPointer<RecordEntryWindow> entry_;
  QPointer<BestTimesWindow> table_;
  QPointer<AboutWindow> about_;
  QPointer<HelpWindow> help_;
};

}  // namespace lumitile
