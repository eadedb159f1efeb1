// Answers, for the install test, where a game placed in this executable's
// folder would find its run-time files: the same search the game makes, with
// the same compiled-in data folder, but without starting any window.
//   data_lookup_probe NAME...          one found path per line; exit 1 if any is missing
//   data_lookup_probe --installed-dir  the compiled-in data folder
#include <cstdio>
#include <string_view>

#include "core/data_files.h"

#ifndef LUMITILE_INSTALLED_DATA_DIR
#error "LUMITILE_INSTALLED_DATA_DIR must name the installed data folder"
#endif

int main(int argc, char** argv) {
  if (argc == 2 && std::string_view(argv[1]) == "--installed-dir") {
    std::printf("%s\n", LUMITILE_INSTALLED_DATA_DIR);
    return 0;
  }
  const auto folders = lumitile::DataFolders(lumitile::ExecutableFolder(), LUMITILE_INSTALLED_DATA_DIR);
  int missing = 0;
  for (int i = 1; i < argc; ++i) {
    if (const auto found = lumitile::FindDataFile(folders, argv[i])) {
      std::printf("%s\n", found->c_str());
    } else {
      std::fprintf(stderr, "not found: %s\n", argv[i]);
      ++missing;
    }
  }
  return missing == 0 ? 0 : 1;
}
