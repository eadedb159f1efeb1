// Every change to the settings file is one read-modify-write under a lock:
// take the lock file beside the settings file, read the file as it is now,
// let the caller change the keys it is about, and replace the file once. Two
// running games therefore never write over each other's changes, and the
// keys of one change (a record's time and name) land together or not at all.
//
// The lock is advisory (flock) on a hidden file beside the settings file's
// name (not beside a link's target) that the game never removes, and on the
// folder they are in: someone else removing the lock file while a change
// holds it must not let a second change in. A lock file removed or replaced
// between its open and its flock is taken afresh. Temporary files a killed
// writer left behind are removed by the next change.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/records/file_store.h"
#include "core/records/file_system.h"
#include "core/records/ini_file.h"
#include "core/records/settings_location.h"

namespace lumitile {

// How long a read or a change waits for another game's change to finish.
// The game runs these off the window's thread, but a change the player
// makes still waits behind them, so the wait stays short. A change holds the
// lock for the few milliseconds it takes to read, write and flush a small
// file, so 0.2 s sees any live game's change through; only a stuck process
// holds it longer, and then a read goes ahead without the lock and a change
// reports kLock.
inline constexpr int kLockAttempts = 10;  // one FileSystem::Pause apart (20 ms)

// "<folder>/.<name>.lock" beside the settings file's name (SettingsFiles::NamePath).
std::string LockPathFor(const std::string& settingsName);

struct SettingsSnapshot {
  IniFile file;                        // empty when there is no file yet or it cannot be read
  std::optional<FileFailure> failure;  // why the file could not be read
};

// The settings as the file holds them now. Waits for a change in progress to
// finish when it can take the lock; without the lock (a folder it may not
// write in, a stuck holder) it reads anyway, since the file is only ever
// replaced whole.
SettingsSnapshot ReadSettings(const SettingsFiles& files, FileSystem& fs = SystemFileSystem());
// The same without the lock, so it never waits for another game: what the
// window shows at start-up. The file is only ever replaced whole, so this is
// the file as it was before or after any change, never a mix.
SettingsSnapshot PeekSettings(const SettingsFiles& files, FileSystem& fs = SystemFileSystem());

// Hands change the file as it is now, to read and edit, and writes the result
// once. A file that change left as it was is not written again. Nothing is
// written when the file cannot be read (a write would drop what it holds) or
// when the result would be too large to be read again (kTooLarge).
// Returns the step that failed, or nothing when the file holds the change.
std::optional<FileFailure> ChangeSettings(const SettingsFiles& files,
                                          const std::function<void(IniFile&)>& change,
                                          FileSystem& fs = SystemFileSystem());

}  // namespace lumitile
