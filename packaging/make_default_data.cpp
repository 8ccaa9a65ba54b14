// Build-time tool: writes the records file a new player starts with, the
// built-in table, the options of a new window and the default field size,
// through the program's own file builder. The launcher copies it into a
// player's folder on the first start. The scrambling draws come from a fixed
// seed, so every build writes the same bytes.

#include <cstdio>
#include <exception>
#include <random>

#include "records/data_file.h"
#include "records/records_file.h"
#include "shell/menu_model.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FILE\n", argv[0]);
    return 2;
  }
  try {
    const vemo::MenuModel newMenu;
    vemo::OptionFlags options{};
    for (std::size_t i = 0; i < options.size(); ++i) options[i] = newMenu.checked(vemo::kOptionItems[i]);
    std::mt19937 generator(1045);
    vemo::LineImage image = vemo::LineImage::Fresh();
    vemo::BuildImage(image, vemo::BuiltInRows(), options, vemo::kDefaultFieldSize,
                     [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(generator); });
    vemo::ReplaceFile(argv[1], vemo::JoinLines(image));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
    return 1;
  }
  return 0;
}
