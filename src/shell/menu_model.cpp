#include "shell/menu_model.h"

#include <algorithm>
#include <stdexcept>

namespace vemo {

namespace {
const char* const kSpeedCaptions[5] = {
    "&Начать игру на первой скорости", "&Начать игру на второй скорости", "&Начать игру на третьей скорости",
    "&Начать игру на четвёртой скорости", "&Начать игру на пятой скорости"};
}

MenuModel::MenuModel() {
  auto add = [this](std::string name, std::string caption, std::string shortcut = {}, bool checked = false,
                    std::vector<std::string> children = {}) {
    items_.push_back(
        {std::move(name), std::move(caption), std::move(shortcut), checked, true, std::move(children), {}, {}});
  };
  add("N1", "&Файл", {}, false, {"N2", "N24", "N3", "N4", "N5", "N6"});
  add("N2", "Игра в &Тетрис", {}, false, {"N17", "N18", "N19", "N20", "N21"});
  for (int i = 0; i < 5; ++i) add("N" + std::to_string(17 + i), kSpeedCaptions[i], "F" + std::to_string(1 + i));
  add("N24", "Игра в &Удава ", {}, false, {"N25", "N26", "N27", "N28", "N29", "N13", "N15"});
  for (int i = 0; i < 5; ++i) {
    add("N" + std::to_string(25 + i), kSpeedCaptions[i], "Ctrl+F" + std::to_string(1 + i));
    // Desktops that switch workspaces on Ctrl+F1..Ctrl+F4 never pass them on.
    items_.back().moreShortcuts = {"Shift+F" + std::to_string(1 + i)};
  }
  add("N13", "-");
  add("N15", "&Изменить размер игрового поля...", "Ctrl+R");
  add("N3", "-");
  add("N4", "&Пауза", "Del");
  add("N5", "-");
  add("N6", "&Выход", "Ctrl+Q");
  add("N7", "&Параметры", {}, false, {"N8", "N9", "N22", "N33", "N10", "N11", "N31", "N30", "N14"});
  add("N8", "&Звук", "Ctrl+S", true);
  add("N9", "&Курсор", "Ctrl+C", true);
  add("N22", "&Повышение скорости", "Ctrl+A", true);
  add("N33", "&Управление", {}, false, {"N34", "N35"});
  add("N34", "&Чуствительное");
  add("N35", "&Стандартное", {}, true);
  add("N10", "-");
  add("N11", "&Следующая фигура", "Ctrl+G", true);
  add("N31", "&Анимация", {}, true);
  add("N30", "-");
  add("N14", "&Обновить", "Ctrl+U");
  add("N32", "&Рекорды");
  add("N12", "&О программе");
  topLevel_ = {"N1", "N7", "N32", "N12"};
}

MenuItem& MenuModel::find(std::string_view name) {
  auto it = std::find_if(items_.begin(), items_.end(), [&](const MenuItem& m) { return m.name == name; });
  if (it == items_.end()) throw std::out_of_range("no menu item " + std::string(name));
  return *it;
}

const MenuItem& MenuModel::item(std::string_view name) const {
  return const_cast<MenuModel*>(this)->find(name);
}

void MenuModel::setChecked(std::string_view name, bool on) {
  MenuItem& m = find(name);
  if (m.checked == on) return;
  m.checked = on;
  if (changed_) changed_(m);
}

void MenuModel::setEnabled(std::string_view name, bool on) {
  MenuItem& m = find(name);
  if (m.enabled == on) return;
  m.enabled = on;
  if (changed_) changed_(m);
}

void MenuModel::bind(std::string_view name, std::function<void()> command) { find(name).command = std::move(command); }

void MenuModel::click(std::string_view name) const {
  const MenuItem& m = item(name);
  if (m.enabled && m.command) m.command();
}

}  // namespace vemo
