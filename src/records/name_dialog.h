#pragma once
// TForm3, the dialog in which a player who reaches the records table types a
// name. It opens empty; Enter closes it (Escape does nothing); however it
// closes, the typed text becomes the player's name exactly as typed and the
// main window is redrawn.

#include <functional>
#include <string>
#include <utility>

#include "shell/dialog_layout.h"
#include "records/record_row.h"
#include "shell/dialog.h"

namespace vemo {

inline constexpr EditDialogLayout kNameDialogLayout{
    {"", 204, 68, {}},
    {"Label1", 8, 8, 185, 39, {}, TextAlign::Left, true, false,
     "Вы набрали рекордное количество очков, назовите себя"},
    // Longer names would not fit the records file whole.
    {"Edit1", 8, 40, 185, 21, kMaxNameLength},
};

class TForm3 : public Dialog {
 public:
  // Closing it writes the typed text into `playerName` and runs `refresh`.
  TForm3(std::string& playerName, std::function<void()> refresh)
      : playerName_(playerName), refresh_(std::move(refresh)) {}

  DialogKind kind() const override { return DialogKind::NameEntry; }
  void FormShow() override;
  void KeyDown(int key) override { Edit1KeyDown(key); }
  void Edit1KeyDown(int key);
  bool FormCloseQuery() override;

 private:
  std::string& playerName_;
  std::function<void()> refresh_;
};

}  // namespace vemo
