// Build-time tool: writes the records file a new player starts with. The
// launcher copies it into a player's folder on the first start.

#include <cstdio>
#include <exception>

#include "records/data_file.h"
#include "records/fresh_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FILE\n", argv[0]);
    return 2;
  }
  try {
    vemo::ReplaceFile(argv[1], vemo::FreshRecordsFile());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
    return 1;
  }
  return 0;
}
