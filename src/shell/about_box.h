#pragma once
// TAboutBox, the about box: the program's picture, name, version, an author
// line and the controls help. The OK button (a click, Enter, or Space, the
// button having the focus) and the close box close it; Escape does nothing.
// Closing it has the main window redrawn 25 ms later.

#include <array>
#include <string_view>

#include "shell/dialog_layout.h"
#include "shell/product.h"
#include "render/picture.h"
#include "shell/dialog.h"
#include "shell/timer_table.h"

namespace vemo {

struct AboutBoxLayout {
  WindowLayout window;
  BevelLayout panel1;  // holds the four labels and the picture below
  PictureLayout programIcon;
  LabelLayout productName;
  LabelLayout ver;
  LabelLayout label1;  // the author line
  LabelLayout comments;
  // Where the word wrap of `comments` breaks it: the runs of 31 and 29
  // blanks in its text are there to start each part on a line of its own.
  std::array<std::string_view, 3> commentLines;
  ButtonLayout okButton;
};

inline constexpr AboutBoxLayout kAboutBoxLayout = [] {
  // The panel's elements are placed inside it; here they are given in the window.
  constexpr int kPanelX = 4;
  constexpr int kPanelY = 8;
  return AboutBoxLayout{
      {"О программе", 285, 230, {}},
      {"Panel1", kPanelX, kPanelY, 277, 185, BevelStyle::RaisedPanel},
      {"ProgramIcon", kPanelX + 8, kPanelY + 8, 65, 57},
      {"ProductName", kPanelX + 88, kPanelY + 2, 0, 0, {"Tempus Sans ITC", 35, true}, TextAlign::Left, false, false,
       kProductName},
      {"Ver", kPanelX + 88, kPanelY + 52, 0, 0, {}, TextAlign::Left, false, false, "Версия 1.45"},
      {"Label1", kPanelX + 8, kPanelY + 80, 257, 41, {}, TextAlign::Left, true, false,
       "Две игры в одном окне: падающие фигуры и удав. Автор: команда Vemo"},
      {"Comments", kPanelX + 8, kPanelY + 134, 265, 47, {}, TextAlign::Left, true, false,
       "Управление :  вращение фигуры - стрелка вверх"
       "                               "  // 31 blanks
       "движение - стрелки влево и вправо"
       "                             "  // 29 blanks
       "ускоренное падение - стрелка вниз"},
      {"Управление :  вращение фигуры - стрелка вверх", "движение - стрелки влево и вправо",
       "ускоренное падение - стрелка вниз"},
      {"OKButton", 105, 200, 75, 25, "OK", true},
  };
}();

class TAboutBox : public Dialog {
 public:
  // Closing it asks the main window for a repaint through its timer Up.
  explicit TAboutBox(TimerTable& mainTimers);

  DialogKind kind() const override { return DialogKind::About; }
  void OKButtonClick() { Close(); }
  // The OK button has the focus and is the default button.
  void KeyDown(int key) override;
  bool FormCloseQuery() override;

  // The program's picture, stretched to the ProgramIcon box.
  const Picture ProgramIcon;

 private:
  TimerTable& mainTimers_;
};

}  // namespace vemo
