#include "records/fresh_file.h"

#include <random>

#include "records/records_file.h"
#include "shell/menu_model.h"
#include "shell/portable_random.h"

namespace vemo {

std::string NewRecordsFile(const RecordRows& rows, unsigned seed) {
  const MenuModel newMenu;
  OptionFlags options{};
  for (std::size_t i = 0; i < options.size(); ++i) options[i] = newMenu.checked(kOptionItems[i]);
  std::mt19937 generator(seed);
  LineImage image = LineImage::Fresh();
  BuildImage(image, rows, options, kDefaultFieldSize,
             [&](int n) { return DrawBelow(generator, n); });
  return JoinLines(image);
}

std::string FreshRecordsFile() { return NewRecordsFile(BuiltInRows(), 1045); }

}  // namespace vemo
