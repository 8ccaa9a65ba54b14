// What the page's tests compare with and start from, made by the desktop
// build's core:
//   vemo_web_fixtures surface   the surface after the program started, the
//       window was clicked, and F1 and Del started and paused a falling-block
//       game (a tenth of a second later), as a binary PPM (with VEMO_TEST_SEED set, the page deals the
//       same pieces);
//   vemo_web_fixtures records   a records file whose table holds scores
//       -1 to -10, so any finished game enters it;
//   vemo_web_fixtures title     the title layer with its texts drawn by Qt on
//       the offscreen platform in place of the stamps (PPM);
//   vemo_web_fixtures closing   the window while the records file is written
//       after «Выход», with Qt's text in place of the stamp too (PPM).

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include <QGuiApplication>

#include "desktop/stamp_texts.h"
#include "records/fresh_file.h"
#include "shell/look.h"
#include "shell/form1.h"
#include "support/fake_desktop.h"

namespace {

void WriteSurface(const vemo::Surface& surface) {
  std::printf("P6\n%d %d\n255\n", surface.width(), surface.height());
  std::fwrite(surface.bytes(), 1, static_cast<std::size_t>(surface.bytesPerLine()) * surface.height(), stdout);
}

// The fake desktop with the desktop program's window colour.
class WindowColourDesktop final : public vemo::testing::FakeDesktop {
 public:
  vemo::Rgb menuColour() const override { return vemo::kWindowColour; }
};

// Puts the desktop's own Qt text where the core drew a stamp: the stamp's
// place goes back to the window colour it was drawn on, and Qt draws the text
// there, so every pixel of the text is Qt's.
void RedrawWithQt(vemo::Surface& surface, vemo::StampId id) {
  const vemo::Stamp stamp = vemo::SurfaceStamp(id);
  vemo::Rect place = stamp.maskBox();
  if (!stamp.whiteBox.empty())
    place = {std::min(place.left, stamp.whiteBox.left), std::min(place.top, stamp.whiteBox.top),
             std::max(place.right, stamp.whiteBox.right), std::max(place.bottom, stamp.whiteBox.bottom)};
  for (int y = place.top; y < place.bottom; ++y)
    for (int x = place.left; x < place.right; ++x) surface.setPixel(x, y, vemo::kWindowColour);
  for (const vemo::desktop::StampText& text : vemo::desktop::StampTexts())
    if (text.id == id) vemo::desktop::DrawSurfaceText(surface, text.box, text.utf8, text.font, text.layout);
}

int Title() {
  WindowColourDesktop desktop;
  vemo::TForm1 form(desktop);
  form.OnShow();
  vemo::Surface picture = form.Canvas();
  RedrawWithQt(picture, vemo::StampId::Title);
  RedrawWithQt(picture, vemo::StampId::Hint);
  WriteSurface(picture);
  return 0;
}

int Closing() {
  WindowColourDesktop desktop;
  vemo::TForm1 form(desktop);
  form.OnShow();
  form.FormCloseQuery();
  vemo::Surface picture = form.Canvas();
  RedrawWithQt(picture, vemo::StampId::Saving);
  WriteSurface(picture);
  return 0;
}

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
  WriteSurface(form.Canvas());
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
  // Text needs a GUI application; no display is needed for painting into images.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc == 2 && std::strcmp(argv[1], "title") == 0) return Title();
  if (argc == 2 && std::strcmp(argv[1], "closing") == 0) return Closing();
  std::fprintf(stderr, "usage: %s surface|records|title|closing\n", argv[0]);
  return 2;
}
