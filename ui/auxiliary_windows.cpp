#include "ui/auxiliary_windows.h"

#include <QFile>
#include <QString>
#include <utility>

#include "core/data_files.h"
#include "core/game_session.h"
#include "ui/cannot_save_text.h"
#include "ui/about_window.h"
#include "ui/best_times_window.h"
#include "ui/help_window.h"
#include "ui/record_entry_window.h"
#include "ui/window_look.h"
#include "ui/window_placement.h"

namespace lumitile {

namespace {

template <typename Window>
Window* Open(const QPointer<Window>& window) {
  return window && window->isVisible() ? window.data() : nullptr;
}

void Present(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace

AuxiliaryWindows::AuxiliaryWindows(GameSession& game, const Images& images, QWidget* mainWindow,
                                   std::vector<std::filesystem::path> dataFolders, Ask ask,
                                   std::function<void(const Command&)> run)
    : game_(game),
      images_(images),
      mainWindow_(mainWindow),
      dataFolders_(std::move(dataFolders)),
      ask_(std::move(ask)),
      run_(std::move(run)) {}

AuxiliaryWindows::~AuxiliaryWindows() {
  // Windows still open would call back into this object; they go with it.
  delete entry_.data();
  delete table_.data();
  delete about_.data();
  delete help_.data();
}

void AuxiliaryWindows::ShowRecordEntry() {
  // A second record while the entry is open keeps the entry and what was typed.
  if (!Open(entry_)) {
    entry_ = new RecordEntryWindow(mainWindow_);
    connect(entry_, &RecordEntryWindow::Confirmed, this, &AuxiliaryWindows::StoreRecord);
    connect(entry_, &RecordEntryWindow::Dismissed, this, [this] { run_(cmd::DismissRecord{}); });
    CentreOnScreen(entry_);
  }
  Present(entry_);
}

// The table shows once the file holds the record (or has refused it).
void AuxiliaryWindows::StoreRecord(const QString& name) { run_(cmd::ConfirmRecord{StoredName(name)}); }

void AuxiliaryWindows::ShowBestTimes() {
  PresentBestTimes();
  // Read on every showing, so a record stored meanwhile, here or by another
  // running game, appears as soon as the file is read.
  run_(cmd::ReadBestTimes{});
}

void AuxiliaryWindows::PresentBestTimes() {
  if (!Open(table_)) {
    table_ = new BestTimesWindow(mainWindow_);
    CentreOnScreen(table_);
  }
  table_->Fill(game_.BestTimeTable());
  Present(table_);
}

void AuxiliaryWindows::RefreshBestTimes() {
  if (BestTimesWindow* table = Open(table_)) table->Fill(game_.BestTimeTable());
}

void AuxiliaryWindows::ShowAbout() {
  if (!Open(about_)) {
    about_ = new AboutWindow(images_, mainWindow_);
    CentreOnScreen(about_);
  }
  Present(about_);
}

void AuxiliaryWindows::ShowHelp() {
  if (!Open(help_)) {
    help_ = new HelpWindow(mainWindow_);
    CentreOnScreen(help_);
  }
  // The document in the player's language is the translation of its name.
  //: The help document's file name: Lumihlp_en.html for English.
  const QString translated = tr("Lumihlp.html");
  if (const auto path = FindDataFile(dataFolders_, translated.toStdString())) {
    help_->ShowDocument(*path);
  } else if (const auto original = FindDataFile(dataFolders_, kHelpFileName)) {
    help_->ShowDocument(*original);
  } else {
    help_->ShowMissing(translated);
  }
  Present(help_);
}

void AuxiliaryWindows::AskAndClearBestTimes() {
  // Cleared or not, the open table says what the file says once it is known.
  if (ask_(mainWindow_, ClearTableQuestion())) run_(cmd::ClearBestTimes{});
}

void AuxiliaryWindows::TellCannotSave(const CannotSave& trouble) {
  // The path in the system's own decoding: a folder name need not be UTF-8.
  QString text = CannotSaveText(trouble);
  if (!trouble.Failure.path.empty()) text += QStringLiteral("\n") + QFile::decodeName(trouble.Failure.path.c_str());
  ask_(mainWindow_, CannotSaveNotice(text));
}

QWidget* AuxiliaryWindows::RecordEntry() const { return Open(entry_); }
QWidget* AuxiliaryWindows::BestTimes() const { return Open(table_); }
QWidget* AuxiliaryWindows::About() const { return Open(about_); }
QWidget* AuxiliaryWindows::Help() const { return Open(help_); }

}  // namespace lumitile
