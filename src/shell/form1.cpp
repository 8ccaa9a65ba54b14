#include "shell/form1.h"

#include <utility>

#include "shell/event_entry.h"

namespace vemo {

TForm1::TForm1(Desktop& desktop)
    : desktop_(desktop), Timers_([&desktop] { return desktop.nowUs(); }), Pictures_(Pictures::Load()) {
  // What each timer's tick runs, and each menu item's command.
  using Handler = void (TForm1::*)();
  static constexpr std::pair<TimerId, Handler> kTicks[] = {
      {TimerId::Mover, &TForm1::MoverTimer},
      {TimerId::Phaser, &TForm1::PhaserTimer},
      {TimerId::Left, &TForm1::LeftTimer},
      {TimerId::Right, &TForm1::RightTimer},
      {TimerId::T, &TForm1::TTimer},
      {TimerId::Up, &TForm1::UpTimer},
      {TimerId::New, &TForm1::NewTimer},
      {TimerId::Destroyer, &TForm1::DestroyerTimer},
      {TimerId::Speeder, &TForm1::SpeederTimer},
      {TimerId::High, &TForm1::HighTimer},
      {TimerId::NFigur, &TForm1::NFigurTimer},
      {TimerId::Timer1, &TForm1::Timer1Timer},
      {TimerId::Timer2, &TForm1::Timer2Timer},
      {TimerId::Gor, &TForm1::GorTimer},
      {TimerId::Beg, &TForm1::BegTimer},
      {TimerId::SnakBeg, &TForm1::SnakBegTimer},
      {TimerId::SnakVis, &TForm1::SnakVisTimer},
      {TimerId::SnakMov, &TForm1::SnakMovTimer},
  };
  static constexpr std::pair<MenuId, Handler> kCommands[] = {
      {MenuId::N4, &TForm1::N4Click},
      {MenuId::N6, &TForm1::N6Click},
      {MenuId::N8, &TForm1::N8Click},
      {MenuId::N9, &TForm1::N9Click},
      {MenuId::N11, &TForm1::N11Click},
      {MenuId::N22, &TForm1::N22Click},
      {MenuId::N31, &TForm1::N31Click},
      {MenuId::N14, &TForm1::N14Click},
      {MenuId::N17, &TForm1::N17Click},
      {MenuId::N18, &TForm1::N18Click},
      {MenuId::N19, &TForm1::N19Click},
      {MenuId::N20, &TForm1::N20Click},
      {MenuId::N21, &TForm1::N21Click},
      {MenuId::N34, &TForm1::N34Click},
      {MenuId::N35, &TForm1::N35Click},
      {MenuId::N25, &TForm1::N25Click},
      {MenuId::N26, &TForm1::N26Click},
      {MenuId::N27, &TForm1::N27Click},
      {MenuId::N28, &TForm1::N28Click},
      {MenuId::N29, &TForm1::N29Click},
      {MenuId::N15, &TForm1::N15Click},
      {MenuId::N32, &TForm1::N32Click},
      {MenuId::N12, &TForm1::N12Click},
  };
  for (const auto& [id, handler] : kTicks) BindTimer(id, handler);
  // The timer places every later apple; the first one is placed by the start.
  Timers_.bind(TimerId::Apple, [this] { Enter([this] { AppleTimer(); }); });
  for (const auto& [item, handler] : kCommands) BindMenu(item, handler);

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
