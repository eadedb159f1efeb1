// The small windows beside the game: the new-record entry, the best-time
// table, the about window and the help viewer, and the question before the
// table is cleared. Each opens without blocking the main window, at most one
// of a kind; asking again brings the open one forward.
#pragma once

#include <QObject>
#include <QPointer>
#include <filesystem>
#include <functional>
#include <vector>

#include "core/command.h"

#include "ui/question.h"

class QString;
class QWidget;

namespace lumitile {

class AboutWindow;
struct CannotSave;
class BestTimesWindow;
class GameSession;
class HelpWindow;
class Images;
class RecordEntryWindow;

// The help document's file name, looked for in the data folders: the
// Japanese original, which stands in where the player's language has none.
inline constexpr const char* kHelpFileName = "Lumihlp.html";

class AuxiliaryWindows : public QObject {
  Q_OBJECT

 public:
  // dataFolders: where the help document is looked for (see core/data_files.h);
  // run: sends a command to the session through the main window, which
  // shows its outcome.
  AuxiliaryWindows(GameSession& game, const Images& images, QWidget* mainWindow,
                   std::vector<std::filesystem::path> dataFolders, Ask ask,
                   std::function<void(const Command&)> run);
  ~AuxiliaryWindows() override;

  // The name entry for the session's pending record ("おめでとう！").
  void ShowRecordEntry();
  // The best-time table ("ハイスコア"): shown at once as the session holds
  // it, and filled again once the file is read.
  void ShowBestTimes();
  // The table shown as the session holds it, without reading the file.
  void PresentBestTimes();
  // The open table filled again from the session.
  void RefreshBestTimes();
  // "Lumitile について".
  void ShowAbout();
  // The help document at its first page, in the game's own viewer.
  void ShowHelp();
  // Asks before clearing the best times; clears on OK, once the file takes it.
  void AskAndClearBestTimes();
  // Tells the player what could not be saved, why, and the file's path.
  void TellCannotSave(const CannotSave& trouble);

  // The open windows (null when closed).
  QWidget* RecordEntry() const;
  QWidget* BestTimes() const;
  QWidget* About() const;
  QWidget* Help() const;

 private:
  void StoreRecord(const QString& name);

  GameSession& game_;
  const Images& images_;
  QWidget* mainWindow_;
  std::vector<std::filesystem::path> dataFolders_;
  Ask ask_;
  std::function<void(const Command&)> run_;
  // A closed window lingers until its deferred deletion; the accessors treat
  // a hidden one as gone so that asking again builds a fresh window.
  QPointer<RecordEntryWindow> entry_;
  QPointer<BestTimesWindow> table_;
  QPointer<AboutWindow> about_;
  QPointer<HelpWindow> help_;
};

}  // namespace lumitile
