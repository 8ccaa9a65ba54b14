#pragma once
// TForm2, the records view. Its cells are the records table itself: Label1 to
// Label10 hold the ranks "1".."10", Label11 to Label20 the names of rows 1 to
// 10, Label21 to Label30 their scores as text. The table is read and written
// through these cells whether or not the window is open. Any key or mouse
// button closes the window; closing it has the main window redrawn 25 ms later.

#include <array>
#include <string>

#include "shell/dialog_layout.h"
#include "records/record_row.h"
#include "shell/dialog.h"
#include "shell/timer_table.h"

namespace vemo {

inline constexpr int kRecordsCellCount = 30;

struct RecordsViewLayout {
  WindowLayout window;
  std::array<LabelLayout, kRecordsCellCount> cells;  // Label1..Label30
  BevelLayout bevel1;                                // frame around the table
  BevelLayout bevel2;                                // between ranks and names
  BevelLayout bevel3;                                // between names and scores
};

inline constexpr RecordsViewLayout kRecordsViewLayout = [] {
  constexpr std::array<std::string_view, kRecordsCellCount> kNames{
      "Label1",  "Label2",  "Label3",  "Label4",  "Label5",  "Label6",  "Label7",  "Label8",  "Label9",  "Label10",
      "Label11", "Label12", "Label13", "Label14", "Label15", "Label16", "Label17", "Label18", "Label19", "Label20",
      "Label21", "Label22", "Label23", "Label24", "Label25", "Label26", "Label27", "Label28", "Label29", "Label30"};
  constexpr FontLayout kCellFont{"MS Sans Serif", 19, false};
  constexpr int kRowPitch = 28;
  RecordsViewLayout layout{
      {"Рекорды", 244, 311, {}},
      {},
      {"Bevel1", 6, 8, 233, 297, BevelStyle::SunkenBox},
      {"Bevel2", 42, 8, 0, 297, BevelStyle::VerticalLine},
      {"Bevel3", 176, 8, 0, 297, BevelStyle::VerticalLine},
  };
  for (int row = 0; row < kTableRows; ++row) {
    const int y = 24 + kRowPitch * row;
    // The first rank is larger and sits higher.
    layout.cells[row] = row == 0 ? LabelLayout{kNames[0], 16, 15, 0, 0, {"MS Sans Serif", 24, false}}
                                 : LabelLayout{kNames[row], 16, y, 0, 0, kCellFont};
    layout.cells[10 + row] = {kNames[10 + row], 56, y, 110, 0, kCellFont, TextAlign::Left, false, true};
    // Right-aligned at x = 228; a wider score grows to the left.
    layout.cells[20 + row] = {kNames[20 + row], 177, y, 51, 0, kCellFont, TextAlign::Right};
  }
  return layout;
}();

class TForm2 : public Dialog {
 public:
  // Closing it asks the main window for a repaint through its timer Up.
  explicit TForm2(TimerTable& mainTimers);

  DialogKind kind() const override { return DialogKind::Records; }
  void KeyDown(int key) override { FormKeyDown(key); }
  void FormKeyDown(int key);
  void FormMouseDown() override;
  bool FormCloseQuery() override;

  // The text of cell LabelN, N = 1..30.
  const std::string& Label(int n) const { return cells_.at(static_cast<std::size_t>(n - 1)); }

  // The records table held in the cells; rows count from 1.
  const std::string& Name(int row) const { return Label(10 + row); }
  const std::string& ScoreText(int row) const { return Label(20 + row); }
  void SetRow(int row, const RecordRow& content);
  RecordRows Rows() const;
  void SetRows(const RecordRows& rows);

 private:
  std::string& Cell(int n) { return cells_.at(static_cast<std::size_t>(n - 1)); }

  TimerTable& mainTimers_;
  std::array<std::string, kRecordsCellCount> cells_;
};

}  // namespace vemo
