// What the page's tests compare with and start from, made by the desktop
// build's core:
//   vemo_web_fixtures surface   the surface after the program started, the
//       window was clicked, and F1 and Del started and paused a falling-block
//       game (a tenth of a second later), as a binary PPM (with VEMO_TEST_SEED set, the page deals the
//       same pieces);
//   vemo_web_fixtures records   a records file whose table holds scores
//       -1 to -10, so any finished game enters it.

#include <cstdio>
#include <cstring>
#include <string>

#include "records/fresh_file.h"
#include "shell/form1.h"
#include "support/fake_desktop.h"

namespace {

int Surface() {
  vemo::testing::FakeDesktop desktop;
  vemo::TForm1 form(desktop);
  desktop.fireTimers = [&form] { form.OnTimers(); };
  desktop.nextDueUs = [&form] {
    const auto due = form.Timers().nextDueUs();
    return due ? *due : std::int64_t{-1};
  };
  form.OnShow();
  form.OnMouseDown();
  desktop.runFor(3000);
  form.OnMenu(std::string(vemo::MenuName(vemo::MenuId::N17)));
  form.OnMenu(std::string(vemo::MenuName(vemo::MenuId::N4)));
  // The preview follows the start by a tick, pause or not.
  desktop.runFor(100);
  const vemo::Surface& surface = form.Canvas();
  std::printf("P6\n%d %d\n255\n", surface.width(), surface.height());
  std::fwrite(surface.bytes(), 1, static_cast<std::size_t>(surface.bytesPerLine()) * surface.height(), stdout);
  return 0;
}

int Records() {
  vemo::RecordRows rows;
  for (int k = 0; k < vemo::kTableRows; ++k) rows[static_cast<std::size_t>(k)] = {"Пусто", std::to_string(-1 - k)};
  const std::string bytes = vemo::NewRecordsFile(rows, 17);
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "surface") == 0) return Surface();
  if (argc == 2 && std::strcmp(argv[1], "records") == 0) return Records();
  std::fprintf(stderr, "usage: %s surface|records\n", argv[0]);
  return 2;
}
