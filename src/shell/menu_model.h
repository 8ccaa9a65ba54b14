#pragma once
// The main window's menu: items known by their names (N1..N35), with captions
// ("&" marks the mnemonic), shortcuts, check marks and enabled states, and the
// command bound to each. The desktop builds its menu bar from this model and
// keeps it in step through the change listener.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/menu_items.h"

namespace vemo {

struct MenuItem {
  std::string name;
  std::string caption;       // "-" for a separator
  std::string shortcut;      // portable key text: "F1", "Ctrl+F1", "Del"; empty for none
  bool checked = false;
  bool enabled = true;
  std::vector<std::string> children;  // names of the items of a submenu
  std::function<void()> command;
  // Further keys for the same command, in the same text; the menu shows only
  // `shortcut`.
  std::vector<std::string> moreShortcuts;

  bool separator() const { return caption == "-"; }
  bool submenu() const { return !children.empty(); }
};

class MenuModel {
 public:
  MenuModel();  // the whole tree with the check marks of a new window

  const std::vector<std::string>& topLevel() const { return topLevel_; }
  const std::vector<MenuItem>& items() const { return items_; }
  const MenuItem& item(std::string_view name) const;

  bool checked(std::string_view name) const { return item(name).checked; }
  bool enabled(std::string_view name) const { return item(name).enabled; }
  void setChecked(std::string_view name, bool on);
  void setEnabled(std::string_view name, bool on);
  void bind(std::string_view name, std::function<void()> command);
  // Runs the item's command as if it had been chosen.
  void click(std::string_view name) const;

  // The same by compile-time name, as the game code reaches its items.
  bool checked(MenuId id) const { return checked(MenuName(id)); }
  void setChecked(MenuId id, bool on) { setChecked(MenuName(id), on); }
  void setEnabled(MenuId id, bool on) { setEnabled(MenuName(id), on); }
  void bind(MenuId id, std::function<void()> command) { bind(MenuName(id), std::move(command)); }
  void click(MenuId id) const { click(MenuName(id)); }

  // Told the name of an item whose check mark or enabled state changed.
  void setChangeListener(std::function<void(const MenuItem&)> listener) { changed_ = std::move(listener); }

 private:
  MenuItem& find(std::string_view name);
  std::vector<MenuItem> items_;
  std::vector<std::string> topLevel_;
  std::function<void(const MenuItem&)> changed_;
};

}  // namespace vemo
