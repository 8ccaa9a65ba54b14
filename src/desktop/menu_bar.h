#pragma once
// The main window's menu bar, built from the core's menu model and kept in
// step with it. The model is the truth: Qt never keeps a check mark of its own.

#include <functional>
#include <map>
#include <string>

#include <QObject>

#include "shell/menu_model.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace vemo::desktop {

class MenuBar : public QObject {
  Q_OBJECT

 public:
  using Command = std::function<void(const std::string& item)>;

  // Fills `bar` with the model's tree; choosing an item calls `command` with its name.
  MenuBar(QMenuBar& bar, MenuModel& model, Command command);
  ~MenuBar() override;

  // The action of an item (a submenu's own action for a submenu); null for an unknown name.
  QAction* action(const std::string& item) const;

 private:
  void addItems(QWidget& container, const MenuItem& parent);
  QAction* addItem(QWidget& container, const MenuItem& item);
  void apply(const MenuItem& item);
  void choose(const std::string& item);

  MenuModel& model_;
  Command command_;
  std::map<std::string, QAction*> actions_;
};

// The key sequence of a shortcut as the model writes it ("F1", "Ctrl+F1", "Del").
QKeySequence ShortcutFor(const std::string& text);
// The sequences that trigger that shortcut: Ctrl+U also as Ctrl+Г, which is
// what the same keys give while only a Russian layout is loaded (with no
// Latin layout beside it, Qt has no Latin letter to match against).
QList<QKeySequence> ShortcutsFor(const std::string& text);

}  // namespace vemo::desktop
