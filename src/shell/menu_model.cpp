#include "shell/menu_model.h"

#include <algorithm>
#include <stdexcept>

namespace vemo {

namespace {

// One item of a new window's menu. `children` and `more` are names and key
// texts separated by blanks.
struct MenuEntry {
  std::string_view name, caption, shortcut = {};
  bool checked = false;
  std::string_view children = {};
  // Further keys for the same command: desktops that switch workspaces on
  // Ctrl+F1..Ctrl+F4 never pass them on.
  std::string_view more = {};
};

constexpr MenuEntry kMenu[] = {
    {"N1", "&Файл", {}, false, "N2 N24 N3 N4 N5 N6"},
    {"N2", "Игра в &Тетрис", {}, false, "N17 N18 N19 N20 N21"},
    {"N17", "&Начать игру на первой скорости", "F1"},
    {"N18", "&Начать игру на второй скорости", "F2"},
    {"N19", "&Начать игру на третьей скорости", "F3"},
    {"N20", "&Начать игру на четвёртой скорости", "F4"},
    {"N21", "&Начать игру на пятой скорости", "F5"},
    {"N24", "Игра в &Удава ", {}, false, "N25 N26 N27 N28 N29 N13 N15"},
    {"N25", "&Начать игру на первой скорости", "Ctrl+F1", false, {}, "Shift+F1"},
    {"N26", "&Начать игру на второй скорости", "Ctrl+F2", false, {}, "Shift+F2"},
    {"N27", "&Начать игру на третьей скорости", "Ctrl+F3", false, {}, "Shift+F3"},
    {"N28", "&Начать игру на четвёртой скорости", "Ctrl+F4", false, {}, "Shift+F4"},
    {"N29", "&Начать игру на пятой скорости", "Ctrl+F5", false, {}, "Shift+F5"},
    {"N13", "-"},
    {"N15", "&Изменить размер игрового поля...", "Ctrl+R"},
    {"N3", "-"},
    {"N4", "&Пауза", "Del"},
    {"N5", "-"},
    {"N6", "&Выход", "Ctrl+Q"},
    {"N7", "&Параметры", {}, false, "N8 N9 N22 N33 N10 N11 N31 N30 N14"},
    {"N8", "&Звук", "Ctrl+S", true},
    {"N9", "&Курсор", "Ctrl+C", true},
    {"N22", "&Повышение скорости", "Ctrl+A", true},
    {"N33", "&Управление", {}, false, "N34 N35"},
    {"N34", "&Чуствительное"},
    {"N35", "&Стандартное", {}, true},
    {"N10", "-"},
    {"N11", "&Следующая фигура", "Ctrl+G", true},
    {"N31", "&Анимация", {}, true},
    {"N30", "-"},
    {"N14", "&Обновить", "Ctrl+U"},
    {"N32", "&Рекорды"},
    {"N12", "&О программе"},
};

constexpr std::string_view kTopLevel = "N1 N7 N32 N12";

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find(' '), text.size());
    words.emplace_back(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return words;
}

}  // namespace

MenuModel::MenuModel() : topLevel_(Words(kTopLevel)) {
  items_.reserve(std::size(kMenu));
  for (const MenuEntry& e : kMenu) {
    MenuItem& item = items_.emplace_back();
    item.name = e.name;
    item.caption = e.caption;
    item.shortcut = e.shortcut;
    item.checked = e.checked;
    item.children = Words(e.children);
    item.moreShortcuts = Words(e.more);
  }
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
