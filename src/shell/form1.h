#pragma once
// TForm1: the main window of the program as the core sees it. It owns the
// game state, the timers, the menu and the drawing surface; its methods are
// the window's handlers. The desktop calls the On... entries; every handler
// runs to completion through the one event entry.

#include <optional>
#include <string>

#include "blocks/game_state.h"
#include "records/line_image.h"
#include "records/name_dialog.h"
#include "records/records_view.h"
#include "records/score_run.h"
#include "render/pictures.h"
#include "render/surface.h"
#include "shell/about_box.h"
#include "shell/title_clicks.h"
#include "shell/desktop.h"
#include "shell/event_entry.h"
#include "shell/held_keys.h"
#include "shell/menu_model.h"
#include "shell/timer_table.h"
#include "shell/virtual_keys.h"
#include "snake/field_size_dialog.h"

namespace vemo {

class TForm1 {
 public:
  explicit TForm1(Desktop& desktop);
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // Entries for the desktop; each runs one handler through the event entry.
  void OnShow();
  void OnTimers();
  void OnMenu(const std::string& item);
  void OnKeyDown(int key);
  void OnKeyUp(int key);
  // The main window lost the keyboard to something other than the program's
  // own modal windows (an opened menu, say): every key still held gets its
  // release, in the order the keys went down.
  void OnKeysLost();
  // The player turned to another program (the application went inactive):
  // the held keys are released, then a running game pauses as with Del.
  void OnPlayerLeft();
  // A mouse button pressed on the window outside the two title labels.
  void OnMouseDown();
  // A left click (press and release) on title label 1 or 2.
  void OnLabelClick(int label);
  // The main window is asked to close; true lets it close.
  bool OnCloseQuery();
  // An event of a dialog window (its key, click, show or close handler).
  template <typename Handler>
  bool OnDialogEvent(Handler&& handler) {
    return Enter(std::forward<Handler>(handler));
  }

  GameState& State() { return State_; }
  TimerTable& Timers() { return Timers_; }
  MenuModel& Menu() { return Menu_; }
  Surface& Canvas() { return Canvas_; }
  Desktop& Host() { return desktop_; }

  const Pictures& Images() const { return Pictures_; }

  // --- The window and its start ---
  void FormCreate();  // resets the game state
  void FormShow();
  void FormKeyDown(int key);
  void FormKeyUp(int key);
  void FormMouseDown();
  void Label1Click();
  void Label2Click();
  bool FormCloseQuery();
  void GorTimer();
  void BegTimer();
  bool CheckColourDepth();
  void WipeIn();
  void WipeOut();
  // The title layer under the game picture: the product name and the hint.
  void PaintTitleLayer();

  // --- Menu commands ---
  void N4Click();   // pause / resume
  void N6Click();   // exit
  void N8Click();   // sound option
  void N9Click();   // cursor option
  void N11Click();  // next-piece option
  void N22Click();  // speed-increase option
  void N31Click();  // animation option
  void N14Click();  // refresh
  void N17Click();  // falling-block starts, speed 1..5
  void N18Click();
  void N19Click();
  void N20Click();
  void N21Click();
  void N34Click();  // sensitive control
  void N35Click();  // standard control
  void N32Click();  // records view
  void N12Click();  // about box

  // --- Falling-block game ---
  void PlacePiece();
  void MoverTimer();
  void NewTimer();
  void NFigurTimer();  // never enabled, like Destroyer, Speeder and High: run directly
  void Timer1Timer();
  void Timer2Timer();
  void DestroyerTimer();
  void SpeederTimer();
  void HighTimer();
  void PhaserTimer();
  void LeftTimer();
  void RightTimer();
  void TTimer();

  // --- Drawing ---
  void DrawCell(int c, int r);
  void RedrawWell();
  void RedrawPieceArea();
  void Refresh();
  void WellFrame();
  void UpTimer();

  // --- Snake game ---
  void N25Click();  // snake starts, speed 1..5
  void N26Click();
  void N27Click();
  void N28Click();
  void N29Click();
  void N15Click();  // field size dialog
  void SnakBegTimer();
  void SnakVisTimer();
  void SnakMovTimer();
  void AppleTimer(bool first = false);
  void DrawSnake();

  // --- Records ---
  void ShowGameOver();
  void InsertRecord();
  void SaveData();
  void LoadData();
  // The bytes SaveData would write now, built without touching the game or
  // the file: for a front end that must keep them at a moment's notice.
  // Nothing before the start-up has read the records file: the table is the
  // built-in one then, and keeping it would erase the player's records.
  std::optional<std::string> RecordsFileBytes() const;

 private:
  void StartTetris(int speed);
  void SideTimer(TimerId timer, bool& pending, int dc);
  void GameOver();
  void WipeRow(int r);
  template <typename Handler>
  bool Enter(Handler&& handler) {
    return EnterHandler(desktop_, std::forward<Handler>(handler));
  }
  void BindTimer(TimerId id, void (TForm1::*handler)());
  void BindMenu(MenuId item, void (TForm1::*handler)());
  // The options of the «Параметры» menu: the code reads their check marks.
  bool SoundOn() const { return Menu_.checked(MenuId::N8); }
  bool CursorOn() const { return Menu_.checked(MenuId::N9); }
  bool SpeedIncreaseOn() const { return Menu_.checked(MenuId::N22); }
  bool StandardControl() const { return Menu_.checked(MenuId::N35); }
  bool NextPieceOn() const { return Menu_.checked(MenuId::N11); }
  bool AnimationOn() const { return Menu_.checked(MenuId::N31); }
  void ChooseNextPiece();
  void BuildFileImage(LineImage& image, const RandomDraw& draw) const;
  // The snake game's own steps.
  void StartSnake(int speed);
  void SnakeFrame();
  void SnakeKeyDown(int key);
  void EndSnakeGame();

  Desktop& desktop_;
  GameState State_;
  TimerTable Timers_;
  MenuModel Menu_;
  Surface Canvas_;
  Pictures Pictures_;
  HeldKeys heldKeys_;
  bool saveFailedOnce_ = false;
  bool recordsRead_ = false;  // the start-up has read, or tried to read, the records file

 public:
  // --- The dialog windows and the records ---
  std::string PlayerName;
  TAboutBox AboutBox{Timers_};
  TForm2 Form2{Timers_};  // its cells are the records table
  TForm3 Form3{PlayerName, [this] { Refresh(); }};
  TForm4 Form4{Timers_};
  // The records file's lines, kept for the program's life.
  LineImage FileImage = LineImage::Fresh();
};

}  // namespace vemo
