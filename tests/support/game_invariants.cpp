#include "support/game_invariants.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string_view>
#include <utility>

#include "render/geometry.h"
#include "render/tiles.h"
#include "shell/str_to_int.h"
#include "snake/snake_field.h"
#include "support/block_fixture.h"

namespace vemo::testing {

namespace {

std::string At(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

// The 15 x 15 square at window pixel `o` equals `want` read from (wx, wy).
bool SquareIs(const Surface& surface, Point o, const Picture& want, int wx, int wy) {
  for (int dy = 0; dy < kCellSize; ++dy) {
    const std::uint8_t* got =
        surface.bytes() + static_cast<std::size_t>(o.y + dy) * surface.bytesPerLine() + static_cast<std::size_t>(o.x) * 3;
    const Rgb* expected = &want.pixels[static_cast<std::size_t>((wy + dy) * want.width + wx)];
    static_assert(sizeof(Rgb) == 3);
    if (std::memcmp(got, expected, kCellSize * 3) != 0) return false;
  }
  return true;
}

// A cell shows a colour letter's tile; any other code shows the background.
bool CellShows(TForm1& form, Point o, char code) {
  if (IsColourLetter(code)) return SquareIs(form.Canvas(), o, TileFor(code), 0, 0);
  return SquareIs(form.Canvas(), o, form.Images().Image1, o.x, o.y);
}

}  // namespace

std::string WellFault(const GameState& s, bool holdsGame) {
  const WellGrid& w = s.Well;
  for (int c = 0; c < WellGrid::kPlayColumns; ++c)
    if (w.at(c, WellGrid::kFloorRow) != cell::kFloor) return "floor broken at column " + std::to_string(c);
  for (int r = -1; r <= 24; ++r)
    if (w.at(WellGrid::kWallColumn, r) != cell::kWall) return "wall broken at row " + std::to_string(r);
  for (int r = 24; r <= WellGrid::kLastRow; ++r)
    for (int c = 0; c < WellGrid::kPlayColumns; ++c)
      if (w.at(c, r) != cell::kNeverWritten) return "a cell below the floor was written: " + At(c, r);
  if (!holdsGame) return {};
  for (int r = -1; r <= WellGrid::kLastPlayRow; ++r)
    for (int c = 0; c < WellGrid::kPlayColumns; ++c)
      if (std::string_view(" rygbvc").find(w.at(c, r)) == std::string_view::npos)
        return "code " + std::to_string(int(w.at(c, r))) + " in playing cell " + At(c, r);
  const bool inPlay = s.Mode == GameMode::Tetris && s.PieceInPlay && (s.RunState == Run::Game || s.RunState == Run::Pause);
  if (!inPlay) return {};
  if (s.Phase < 1 || s.Phase > 4) return "phase " + std::to_string(s.Phase) + " of the piece in play";
  if (!IsColourLetter(s.Colour)) return "the piece in play has no colour";
  for (auto [c, r] : Translate(PatternCells(s.Shape, s.Phase), s.PieceX, s.PieceY))
    if (c < 0 || c >= WellGrid::kPlayColumns || r < -1 || r > WellGrid::kLastPlayRow || w.at(c, r) != s.Colour)
      return "the piece in play is not whole at " + At(c, r) + " (" + NameOf(s.Shape) + " phase " +
             std::to_string(s.Phase) + " at " + At(s.PieceX, s.PieceY) + ")";
  return {};
}

std::string SettledCells::check(const GameState& s) {
  if (s.Mode != GameMode::Tetris || s.RunState == Run::None) {
    known_ = false;
    return {};
  }
  const bool inPlay = s.PieceInPlay && (s.RunState == Run::Game || s.RunState == Run::Pause);
  Cells now{};
  for (int r = -1; r <= WellGrid::kLastPlayRow; ++r)
    for (int c = 0; c < WellGrid::kPlayColumns; ++c) now[static_cast<std::size_t>((r + 1) * 10 + c)] = s.Well.at(c, r);
  if (inPlay)
    for (auto [c, r] : Translate(PatternCells(s.Shape, s.Phase), s.PieceX, s.PieceY))
      if (c >= 0 && c < WellGrid::kPlayColumns && r >= -1 && r <= WellGrid::kLastPlayRow)
        now[static_cast<std::size_t>((r + 1) * 10 + c)] = ' ';
  std::string fault;
  if (known_ && (inPlay_ || !inPlay)) {
    int added = 0;
    for (std::size_t i = 0; i < now.size() && fault.empty(); ++i) {
      if (now[i] == cells_[i]) continue;
      const std::string where = At(static_cast<int>(i % 10), static_cast<int>(i / 10) - 1);
      if (inPlay || cells_[i] != ' ') fault = "cell " + where + " changed outside the falling piece";
      ++added;
    }
    if (fault.empty() && inPlay_ && !inPlay && added != 4)
      fault = "a landing added " + std::to_string(added) + " cells";
    if (fault.empty() && !inPlay_ && !inPlay && added != 0) fault = "the well changed with no piece in play";
  }
  known_ = true;
  inPlay_ = inPlay;
  cells_ = now;
  return fault;
}

std::string SnakeFault(const GameState& s, bool segmentsInField, bool applePending) {
  const int n = s.FieldSize;
  if (n < 1 || n > GameState::kMaxFieldSide) return "field size " + std::to_string(n);
  if (s.SegCount < 3 || s.SegCount > n * n + 1) return "segment count " + std::to_string(s.SegCount);
  std::set<std::pair<int, int>> body;
  for (int k = 1; k < s.SegCount; ++k) {
    const snake::Cell c = snake::EntryCell(s, k);
    const std::string what = "segment " + std::to_string(k) + " at " + At(c.x, c.y);
    if (!snake::OnField(n, c)) return what + " is off the field";
    if (!body.insert({c.x, c.y}).second) return what + " shares its cell";
    if (!IsColourLetter(s.SegColour[k])) return what + " has no colour";
    if (segmentsInField && s.SnakeField[c.x][c.y] != s.SegColour[k]) return what + " is not in the field in its colour";
    if (k > 1) {
      const snake::Cell p = snake::EntryCell(s, k - 1);
      if (std::abs(p.x - c.x) + std::abs(p.y - c.y) != 1) return what + " is not next to the segment before";
    }
  }
  const snake::Cell blank = snake::EntryCell(s, s.SegCount);
  if (s.SegColour[s.SegCount] != ' ') return "the blank entry has a colour";
  if (!snake::OnField(n, blank) && !(blank == snake::Cell{GameState::kParking, GameState::kParking}))
    return "the blank entry points to " + At(blank.x, blank.y);
  for (int k = s.SegCount + 1; k <= GameState::kSegEntries; ++k)
    if (s.SegColour[k] != ' ' || !(snake::EntryCell(s, k) == snake::Cell{GameState::kParking, GameState::kParking}))
      return "spare entry " + std::to_string(k) + " is in use";
  int apples = 0;
  for (int x = 0; x < n; ++x)
    for (int y = 0; y < n; ++y) {
      const char code = s.SnakeField[x][y];
      if (code != ' ' && !IsColourLetter(code)) return "code " + std::to_string(int(code)) + " in field cell " + At(x, y);
      if (IsColourLetter(code) && !(segmentsInField && body.contains({x, y}))) ++apples;
    }
  if (apples > 1) return std::to_string(apples) + " apples";
  const bool full = s.SegCount - 1 == n * n;
  if (apples == 0 && !applePending && !full) return "no apple";
  return {};
}

void FallOracle::before(const GameState& s) {
  inPlay_ = s.Mode == GameMode::Tetris && s.PieceInPlay && s.RunState == Run::Game;
  y_ = s.PieceY;
  free_ = true;
  if (!inPlay_) return;
  const CellSet cells = Translate(PatternCells(s.Shape, s.Phase), s.PieceX, s.PieceY);
  for (auto [c, r] : cells)
    if (!cells.contains({c, r + 1}) && s.Well.at(c, r + 1) != ' ') free_ = false;
}

std::string FallOracle::after(const GameState& s, bool newEnabled) const {
  if (!inPlay_) return {};
  if (free_) {
    if (s.PieceY != y_ + 1 || !s.PieceInPlay) return "the piece should have fallen from row " + std::to_string(y_);
    return {};
  }
  if (s.PieceY != y_ || s.PieceInPlay) return "the piece should have stopped in row " + std::to_string(y_);
  if (y_ <= 0 && s.RunState != Run::Stop) return "a piece stopped in row " + std::to_string(y_) + ": game over";
  if (y_ > 0 && !newEnabled) return "a landing should bring the next piece";
  return {};
}

void LandingOracle::before(const GameState& s, bool sound, bool speedIncrease, int sounds) {
  active_ = !s.PieceInPlay;
  if (!active_) return;
  const auto row = [&s](int r) {
    std::string text;
    for (int c = 0; c < WellGrid::kPlayColumns; ++c) text += s.Well.at(c, r);
    return text + '\n';
  };
  std::string kept;
  full_ = 0;
  for (int r = 0; r <= 22; ++r) {
    const std::string text = row(r);
    if (text.find(' ') == std::string::npos)
      ++full_;
    else
      kept += text;
  }
  want_.clear();
  for (int i = 0; i <= full_; ++i) want_ += row(-1);
  want_ += kept;
  const int level = s.Speed;
  points_ = 2 * level * full_;
  if (full_ > 1) points_ += level > 3 ? full_ * (full_ + 1) / 2 - 1 : full_ * (full_ - 1) / 2;
  score_ = s.Score + points_;
  level_ = level;
  if (speedIncrease)
    for (auto [threshold, to] : {std::pair{75, 2}, {150, 3}, {300, 4}, {600, 5}})
      if (score_ > threshold && level_ < to) level_ = to;
  sounds_ = sounds + (sound && full_ > 0 ? 1 : 0);
  shape_ = s.NextShape;
  phase_ = s.NextPhase;
  colour_ = s.NextColour;
}

std::string LandingOracle::after(const GameState& s, int sounds, const std::string& caption) const {
  if (!active_) return {};
  const std::string rows = " (" + std::to_string(full_) + " rows)";
  if (s.Score != score_) return "score " + std::to_string(s.Score) + ", expected " + std::to_string(score_) + rows;
  if (s.Speed != level_) return "level " + std::to_string(s.Speed) + ", expected " + std::to_string(level_) + rows;
  if (sounds != sounds_) return std::to_string(sounds - sounds_) + " sounds too many" + rows;
  if (caption != "Vemo score : " + std::to_string(s.Score)) return "caption '" + caption + "'";
  if (s.Shape != shape_ || s.Phase != phase_ || s.Colour != colour_ || !s.PieceInPlay || s.PieceX != 3)
    return "the next piece did not come in at column 3";
  const CellSet cells = Translate(PatternCells(shape_, phase_), s.PieceX, s.PieceY);
  int top = 99;
  for (auto [c, r] : cells) top = std::min(top, r);
  if (top != 0) return "the new piece's top is in row " + std::to_string(top);
  for (int r = -1; r <= 22; ++r)
    for (int c = 0; c < WellGrid::kPlayColumns; ++c) {
      const char expected = cells.contains({c, r}) ? colour_ : want_[static_cast<std::size_t>((r + 1) * 11 + c)];
      if (s.Well.at(c, r) != expected)
        return "cell " + At(c, r) + " holds '" + std::string(1, s.Well.at(c, r)) + "', expected '" +
               std::string(1, expected) + "'" + rows;
    }
  return {};
}

std::string PieceAreaFault(TForm1& form) {
  const GameState& s = form.State();
  for (int r = std::max(s.PieceY - 1, -1); r <= std::min(s.PieceY + 3, WellGrid::kLastPlayRow); ++r)
    for (int c = std::max(s.PieceX - 2, 0); c <= std::min(s.PieceX + 4, WellGrid::kPlayColumns - 1); ++c)
      if (!CellShows(form, CellOrigin(c, r), s.Well.at(c, r)))
        return "well cell " + At(c, r) + " does not show '" + std::string(1, s.Well.at(c, r)) + "'";
  return {};
}

std::string RecordsFault(const TForm2& table) {
  std::optional<int> above;
  for (int row = 1; row <= kTableRows; ++row) {
    const std::optional<int> score = StrToInt(table.ScoreText(row));
    if (!score) return "row " + std::to_string(row) + " score '" + table.ScoreText(row) + "'";
    if (above && *score > *above) return "row " + std::to_string(row) + " scores more than the row above";
    above = score;
  }
  return {};
}

std::string CellPixelsFault(TForm1& form) {
  const GameState& s = form.State();
  if (s.Mode == GameMode::Tetris) {
    for (int r = -1; r <= WellGrid::kLastPlayRow; ++r)
      for (int c = 0; c < WellGrid::kPlayColumns; ++c)
        if (!CellShows(form, CellOrigin(c, r), s.Well.at(c, r)))
          return "well cell " + At(c, r) + " does not show '" + std::string(1, s.Well.at(c, r)) + "'";
    return {};
  }
  const int n = snake::Side(s);
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x)
      if (!CellShows(form, SnakeCellOrigin(x, y), s.SnakeField[x][y]))
        return "field cell " + At(x, y) + " does not show '" + std::string(1, s.SnakeField[x][y]) + "'";
  return {};
}

}  // namespace vemo::testing
