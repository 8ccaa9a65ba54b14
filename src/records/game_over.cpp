#include "records/game_over.h"

#include "shell/str_to_int.h"
#include "shell/form1.h"

namespace vemo {

std::string PointsSuffix(std::int32_t score) {
  const std::int32_t lastTwo = score % 100;
  const std::int32_t last = score % 10;
  if (lastTwo >= 11 && lastTwo <= 14) return " очков";
  if (last == 1) return " очко";
  if (last >= 2 && last <= 4) return " очка";
  return " очков";
}

std::string GameOverText(std::int32_t score) {
  return "Игра окончена, игрок набрал " + std::to_string(score) + PointsSuffix(score);
}

void TForm1::ShowGameOver() { desktop_.messageBox(MessageKind::Information, GameOverText(State_.Score)); }

// A score enters only above the tenth one and settles below every row whose
// score is at least as high, so among equal scores the older stays above.
// Scores are compared as integers, each cell read at the moment of its test.
void TForm1::InsertRecord() {
  const std::int32_t score = State_.Score;
  if (ToInt(Form2.ScoreText(kTableRows)) >= score) return;
  desktop_.showModal(Form3);

  const RecordRow entry{PlayerName, std::to_string(score)};
  Form2.SetRow(kTableRows, entry);
  for (int k = kTableRows - 1; k >= 1; --k) {
    if (ToInt(Form2.ScoreText(k)) < score) {
      Form2.SetRow(k + 1, {Form2.Name(k), Form2.ScoreText(k)});
      Form2.SetRow(k, entry);
    }
  }
  desktop_.showModal(Form2);
}

}  // namespace vemo
