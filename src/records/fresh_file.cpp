#include "records/fresh_file.h"

#include <random>

#include "records/records_file.h"
#include "shell/menu_model.h"

namespace vemo {

std::string FreshRecordsFile() {
  const MenuModel newMenu;
  OptionFlags options{};
  for (std::size_t i = 0; i < options.size(); ++i) options[i] = newMenu.checked(kOptionItems[i]);
  std::mt19937 generator(1045);
  LineImage image = LineImage::Fresh();
  BuildImage(image, BuiltInRows(), options, kDefaultFieldSize,
             [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(generator); });
  return JoinLines(image);
}

}  // namespace vemo
