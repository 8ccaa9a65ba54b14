#pragma once
// A main window on the fake desktop, with helpers to drive it on the virtual
// clock and to look at the well as text.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "shell/form1.h"
#include "support/fake_desktop.h"

namespace vemo::testing {

class GameTest : public ::testing::Test {
 protected:
  GameTest() : form(std::make_unique<TForm1>(desktop)) {
    desktop.fireTimers = [this] { form->OnTimers(); };
    desktop.nextDueUs = [this] {
      auto due = form->Timers().nextDueUs();
      return due ? *due : std::int64_t{-1};
    };
  }

  GameState& state() { return form->State(); }
  TimerTable& timers() { return form->Timers(); }
  MenuModel& menu() { return form->Menu(); }
  Surface& canvas() { return form->Canvas(); }
  void run(std::int64_t ms) { desktop.runFor(ms); }

  // Rows first..last of columns 0..9 as text, one line a row; 0 shows as '0'.
  std::string wellRows(int first, int last) {
    std::string out;
    for (int r = first; r <= last; ++r) {
      for (int c = 0; c < WellGrid::kPlayColumns; ++c) {
        const char code = state().Well.at(c, r);
        out += code == 0 ? '0' : code;
      }
      out += '\n';
    }
    return out;
  }
  // Writes rows of text into the well, the first at row `first`.
  void setRows(int first, std::initializer_list<const char*> rows) {
    int r = first;
    for (const char* row : rows) {
      for (int c = 0; c < WellGrid::kPlayColumns; ++c) state().Well.set(c, r, row[c]);
      ++r;
    }
  }

  FakeDesktop desktop;
  std::unique_ptr<TForm1> form;
};

}  // namespace vemo::testing
