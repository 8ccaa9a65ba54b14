// The reset of the game state: at program start and at every falling-block start.

#include <chrono>
#include <cstdlib>

#include "shell/form1.h"

namespace vemo {

namespace {
std::mt19937::result_type NewSeed() {
#ifdef VEMO_TEST_SEED
  // Test builds only: a seed from the environment deals the same pieces in
  // every build, so the desktop's surface and the page's can be compared.
  if (const char* seed = std::getenv("VEMO_TEST_SEED"))
    return static_cast<std::mt19937::result_type>(std::strtoul(seed, nullptr, 10));
#endif
  return static_cast<std::mt19937::result_type>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
}  // namespace

void TForm1::ChooseNextPiece() {
  GameState& s = State_;
  s.NextShape = static_cast<ShapeCode>(s.Random(kShapeCount));
  s.NextColour = kColourLetters[static_cast<std::size_t>(s.Random(6))];
  s.NextPhase = s.Random(4) + 1;
}

void TForm1::FormCreate() {
  GameState& s = State_;
  // The snake's part of the reset.
  s.AppleFollowUp = false;
  for (int k : {100, 101}) s.SegX[k] = s.SegY[k] = GameState::kNoCell;
  s.Mode = GameMode::Tetris;
  for (int c = 0; c <= WellGrid::kWallColumn; ++c) s.Well.set(c, WellGrid::kFloorRow, cell::kFloor);
  // Kept as it is: the wall is written only down to row 24, one below the
  // floor, and over the floor's own cell in column 10.
  for (int r = -1; r <= 24; ++r) s.Well.set(WellGrid::kWallColumn, r, cell::kWall);
  s.Generator.seed(NewSeed());
  s.FrameColour = {220, 205, 152};
  s.PieceInPlay = false;
  s.Speed = 0;
  s.Score = 0;
  s.Shape = s.NextShape;
  s.Phase = s.NextPhase;
  s.Colour = s.NextColour;
  s.PieceX = 3;
  s.PieceY = 0;
  ChooseNextPiece();
  // Copied twice on purpose: the first copy takes the previous game's next piece.
  s.Shape = s.NextShape;
  s.Phase = s.NextPhase;
  s.Colour = s.NextColour;
  s.PieceInPlay = true;
  ChooseNextPiece();
}

}  // namespace vemo
