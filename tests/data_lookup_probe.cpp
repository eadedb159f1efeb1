// Answers, for the install test, where a game placed in this executable's
// folder would find its run-time files (NAME... in, one path a line out): the
// same search with the same compiled-in data folder, but without any window.
#include <cstdio>
#include <string>

#include "core/data_files.h"

int main(int argc, char** argv) {
  const auto folders = lumitile::DataFolders(lumitile::ExecutableFolder(), LUMITILE_INSTALLED_DATA_DIR);
  bool missing = false;
  for (int i = 1; i < argc; ++i) {
    const auto found = lumitile::FindDataFile(folders, argv[i]);
    std::printf("%s\n", found ? found->c_str() : ("not found: " + std::string(argv[i])).c_str());
    missing = missing || !found;
  }
  return missing ? 1 : 0;
}
