// Where the settings file lives. It sits beside the executable, named after
// it, so a copy of the game carried on a stick keeps its records with it.
// When that folder or file cannot be written (an install shared by all users)
// the records go to the user's configuration folder instead, and so they do
// for a game built for a shared install, whoever runs it. The choice is
// made afresh on every call: nothing is cached and no file is held open.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumitile {

struct ProgramPlace {
  std::string folder;  // empty when unknown
  std::string name;    // file name of the executable
  // Installed for every user of the machine (a distribution's package): its
  // folder is never written, not even by root, who could write /usr/bin.
  bool shared = false;
};

// folder + the executable's name without its extension + ".ini".
std::string IniFilePath(std::string_view folder, std::string_view programName);

// The running executable, from /proc/self/exe; shared when the game was
// built with LUMITILE_SHARED_INSTALL.
std::optional<ProgramPlace> ThisProgram();

// The entry of folder whose name equals name without regard to ASCII case,
// preferring an exact match; empty when there is none.
std::optional<std::string> FindIgnoringCase(const std::string& folder, std::string_view name);

// $XDG_CONFIG_HOME/lumitile, or $HOME/.config/lumitile; relative paths do not count.
std::optional<std::string> UserSettingsFolder(const char* xdgConfigHome, const char* home);

// Whether this process may create or replace path in its folder: the folder
// must be writable and an existing file must not be read-only.
bool CanReplace(const std::string& path);

struct SettingsFiles {
  std::string readPath;
  // Where changes are written: through a link, to the file it points to, so
  // a player's link into a synced folder stays a link.
  std::string writePath;
  // The file whose content a first write into the user's folder starts from,
  // so values kept beside the executable are carried over; empty when none.
  std::string seedPath;
  bool createFolder = false;  // the write path's folder may need creating
  // The settings file's own name in the folder the game found or made it
  // in, before any link is followed; empty when that is writePath itself.
  std::string namePath;

  // The files the game makes of its own (the lock, the kept game) go beside
  // this name, never beside a link's target, which may be anywhere: /dev,
  // another user's folder.
  const std::string& NamePath() const { return namePath.empty() ? writePath : namePath; }
};

SettingsFiles LocateSettings(const ProgramPlace& program);

}  // namespace lumitile
