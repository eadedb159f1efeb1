// The main window's zoom as the settings file keeps it, under [Options]. The
// key exists only once the player has chosen a zoom, so a first run leaves
// the file as earlier releases wrote it.
#pragma once

#include "core/records/profile.h"

namespace lumitile {

// The stored zoom in percent, 100 when none is stored or it is not one of kZoomPercents.
int LoadZoom(const IniFile& file);
void SaveZoom(IniFile& file, int percent);

}  // namespace lumitile
