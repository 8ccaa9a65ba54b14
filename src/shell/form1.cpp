#include "shell/form1.h"

#include "shell/event_entry.h"

namespace vemo {

TForm1::TForm1(Desktop& desktop)
    : desktop_(desktop), Timers_([&desktop] { return desktop.nowUs(); }), Pictures_(Pictures::Load()) {
  BindTimer(TimerId::Mover, &TForm1::MoverTimer);
  BindTimer(TimerId::Phaser, &TForm1::PhaserTimer);
  BindTimer(TimerId::Left, &TForm1::LeftTimer);
  BindTimer(TimerId::Right, &TForm1::RightTimer);
  BindTimer(TimerId::T, &TForm1::TTimer);
  BindTimer(TimerId::Up, &TForm1::UpTimer);
  BindTimer(TimerId::New, &TForm1::NewTimer);
  BindTimer(TimerId::Destroyer, &TForm1::DestroyerTimer);
  BindTimer(TimerId::Speeder, &TForm1::SpeederTimer);
  BindTimer(TimerId::High, &TForm1::HighTimer);
  BindTimer(TimerId::NFigur, &TForm1::NFigurTimer);
  BindTimer(TimerId::Timer1, &TForm1::Timer1Timer);
  BindTimer(TimerId::Timer2, &TForm1::Timer2Timer);

  BindTimer(TimerId::Gor, &TForm1::GorTimer);
  BindTimer(TimerId::Beg, &TForm1::BegTimer);

  BindTimer(TimerId::SnakBeg, &TForm1::SnakBegTimer);
  BindTimer(TimerId::SnakVis, &TForm1::SnakVisTimer);
  BindTimer(TimerId::SnakMov, &TForm1::SnakMovTimer);
  // The timer places every later apple; the first one is placed by the start.
  Timers_.bind(TimerId::Apple, [this] { Enter([this] { AppleTimer(); }); });

  BindMenu(MenuId::N4, &TForm1::N4Click);
  BindMenu(MenuId::N6, &TForm1::N6Click);
  BindMenu(MenuId::N8, &TForm1::N8Click);
  BindMenu(MenuId::N9, &TForm1::N9Click);
  BindMenu(MenuId::N11, &TForm1::N11Click);
  BindMenu(MenuId::N22, &TForm1::N22Click);
  BindMenu(MenuId::N31, &TForm1::N31Click);
  BindMenu(MenuId::N14, &TForm1::N14Click);
  BindMenu(MenuId::N17, &TForm1::N17Click);
  BindMenu(MenuId::N18, &TForm1::N18Click);
  BindMenu(MenuId::N19, &TForm1::N19Click);
  BindMenu(MenuId::N20, &TForm1::N20Click);
  BindMenu(MenuId::N21, &TForm1::N21Click);
  BindMenu(MenuId::N34, &TForm1::N34Click);
  BindMenu(MenuId::N35, &TForm1::N35Click);
  BindMenu(MenuId::N25, &TForm1::N25Click);
  BindMenu(MenuId::N26, &TForm1::N26Click);
  BindMenu(MenuId::N27, &TForm1::N27Click);
  BindMenu(MenuId::N28, &TForm1::N28Click);
  BindMenu(MenuId::N29, &TForm1::N29Click);
  BindMenu(MenuId::N15, &TForm1::N15Click);
  BindMenu(MenuId::N32, &TForm1::N32Click);
  BindMenu(MenuId::N12, &TForm1::N12Click);

  FormCreate();
}

void TForm1::BindTimer(TimerId id, void (TForm1::*handler)()) {
  Timers_.bind(id, [this, handler] { Enter([this, handler] { (this->*handler)(); }); });
}

void TForm1::BindMenu(MenuId item, void (TForm1::*handler)()) {
  Menu_.bind(item, [this, handler] { (this->*handler)(); });
}

void TForm1::OnShow() {
  Enter([this] { FormShow(); });
  // What the window system paints under the game picture when the window first shows.
  PaintTitleLayer();
}
void TForm1::OnTimers() { Timers_.fireDue(); }
void TForm1::OnMenu(const std::string& item) { Enter([&] { Menu_.click(item); }); }
void TForm1::OnKeyDown(int key) {
  heldKeys_.press(key);
  Enter([&] { FormKeyDown(key); });
}

void TForm1::OnKeyUp(int key) {
  if (heldKeys_.release(key)) Enter([&] { FormKeyUp(key); });
}

void TForm1::OnKeysLost() {
  for (const int key : heldKeys_.takeAll()) Enter([&] { FormKeyUp(key); });
}

void TForm1::OnPlayerLeft() {
  OnKeysLost();
  Enter([this] {
    // Only a game that really runs: not one paused, nor one whose game-over message is up.
    const TimerId own = State_.Mode == GameMode::Tetris ? TimerId::Mover : TimerId::SnakMov;
    if (State_.RunState == Run::Game && Timers_.enabled(own)) N4Click();
  });
}
void TForm1::OnMouseDown() { Enter([this] { FormMouseDown(); }); }
void TForm1::OnLabelClick(int label) { Enter([&] { label == 1 ? Label1Click() : Label2Click(); }); }

bool TForm1::OnCloseQuery() {
  bool canClose = false;
  Enter([&] { canClose = FormCloseQuery(); });
  return canClose;
}

void TForm1::FormShow() { Refresh(); }

}  // namespace vemo
