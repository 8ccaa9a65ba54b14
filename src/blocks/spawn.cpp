// Writing the falling piece into the well, and bringing in the next piece
// after a landing.

#include "blocks/piece_steps.h"
#include "shell/form1.h"

namespace vemo {

void TForm1::PlacePiece() {
  GameState& s = State_;
  if (!ValidPhase(s.Phase)) return;
  for (Offset o : CellsOf(s.Shape, s.Phase)) s.Well.set(s.PieceX + o.dc, s.PieceY + o.dr, s.Colour);
}

void TForm1::NewTimer() {
  GameState& s = State_;
  Timers_.disable(TimerId::New);
  if (!s.PieceInPlay) {
    s.Shape = s.NextShape;
    s.Phase = s.NextPhase;
    s.Colour = s.NextColour;
    s.PieceX = 3;
    // Lifted so that the topmost cell of the new piece is in row 0.
    s.PieceY = ValidPhase(s.Phase) ? -MinRowOffset(s.Shape, s.Phase) : 0;
    // Full rows go before the new piece enters, so it is never part of a row test.
    DestroyerTimer();
    PlacePiece();
    s.PieceInPlay = true;
    ChooseNextPiece();
  }
  NFigurTimer();
}

}  // namespace vemo
