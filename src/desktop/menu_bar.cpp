#include "desktop/menu_bar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "desktop/key_codes.h"

namespace vemo::desktop {

QKeySequence ShortcutFor(const std::string& text) {
  return QKeySequence::fromString(QString::fromStdString(text), QKeySequence::PortableText);
}

QList<QKeySequence> ShortcutsFor(const std::string& text) {
  const QKeySequence shortcut = ShortcutFor(text);
  QList<QKeySequence> all{shortcut};
  if (shortcut.count() == 1) {
    const QKeyCombination combination = shortcut[0];
    if (const int cyrillic = CyrillicOnKey(combination.key())) {
      all.append(QKeySequence(QKeyCombination(combination.keyboardModifiers(), static_cast<Qt::Key>(cyrillic))));
    }
  }
  return all;
}

MenuBar::MenuBar(QMenuBar& bar, MenuModel& model, Command command)
    : QObject(&bar), model_(model), command_(std::move(command)) {
  for (const std::string& name : model_.topLevel()) addItem(bar, model_.item(name));
  model_.setChangeListener([this](const MenuItem& item) { apply(item); });
}

MenuBar::~MenuBar() { model_.setChangeListener({}); }

QAction* MenuBar::action(const std::string& item) const {
  const auto it = actions_.find(item);
  return it == actions_.end() ? nullptr : it->second;
}

void MenuBar::addItems(QWidget& container, const MenuItem& parent) {
  for (const std::string& name : parent.children) addItem(container, model_.item(name));
}

QAction* MenuBar::addItem(QWidget& container, const MenuItem& item) {
  QAction* action = nullptr;
  if (item.submenu()) {
    // The menu belongs to its container, so it goes when the bar goes.
    auto* menu = new QMenu(QString::fromStdString(item.caption), &container);
    addItems(*menu, item);
    action = menu->menuAction();
  } else if (item.separator()) {
    action = new QAction(&container);
    action->setSeparator(true);
  } else {
    action = new QAction(QString::fromStdString(item.caption), &container);
    if (!item.shortcut.empty()) {
      // The menu shows the first; the item's further keys only work.
      QList<QKeySequence> shortcuts = ShortcutsFor(item.shortcut);
      for (const std::string& more : item.moreShortcuts) shortcuts.append(ShortcutsFor(more));
      action->setShortcuts(shortcuts);
      // Shortcuts work wherever the focus is in the main window, and not
      // while a modal window is open.
      action->setShortcutContext(Qt::WindowShortcut);
    }
    const std::string name = item.name;
    connect(action, &QAction::triggered, this, [this, name] { choose(name); });
  }
  container.addAction(action);
  actions_[item.name] = action;
  apply(item);
  return action;
}

void MenuBar::apply(const MenuItem& item) {
  QAction* action = this->action(item.name);
  if (!action) return;
  // Only a checked item is checkable: an unchecked one shows no indicator
  // at all, as the program's menus always looked.
  action->setCheckable(item.checked);
  action->setChecked(item.checked);
  action->setEnabled(item.enabled);
}

void MenuBar::choose(const std::string& item) {
  command_(item);
  // Qt flips a checkable action on its own before it reports the trigger;
  // the command decided the real state.
  apply(model_.item(item));
}

}  // namespace vemo::desktop
