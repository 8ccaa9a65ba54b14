// What the page's tests compare with and start from, made by the desktop
// build's core:
//   vemo_web_fixtures surface   the surface after the program started, the
//       window was clicked, and F1 and Del started and paused a falling-block
//       game (a tenth of a second later), as a binary PPM (with VEMO_TEST_SEED set, the page deals the
//       same pieces);
//   vemo_web_fixtures records   a records file whose table holds scores
//       -1 to -10, so any finished game enters it;
//   vemo_web_fixtures title     the title layer as the desktop program paints
//       it, its texts drawn by Qt on the offscreen platform (PPM);
//   vemo_web_fixtures closing   the window while the records file is written
//       after «Выход», with the desktop's text too (PPM).

#include <cstdio>
#include <cstring>
#include <string>

#include <QGuiApplication>

#include "desktop/surface_text.h"
#include "records/fresh_file.h"
#include "shell/form1.h"
#include "support/fake_desktop.h"

namespace {

void WriteSurface(const vemo::Surface& surface) {
  std::printf("P6\n%d %d\n255\n", surface.width(), surface.height());
  std::fwrite(surface.bytes(), 1, static_cast<std::size_t>(surface.bytesPerLine()) * surface.height(), stdout);
}

// The fake desktop with the desktop program's own text drawing and window
// colour, for pictures whose every pixel of text counts.
class QtTextDesktop final : public vemo::testing::FakeDesktop {
 public:
  void drawText(vemo::Surface& surface, vemo::Rect box, const std::string& utf8, const vemo::FontSpec& font,
                vemo::TextLayout layout) override {
    vemo::desktop::DrawSurfaceText(surface, box, utf8, font, layout);
  }
  vemo::Rgb menuColour() const override { return {239, 239, 239}; }
};

int Title() {
  QtTextDesktop desktop;
  vemo::TForm1 form(desktop);
  form.OnShow();
  WriteSurface(form.Canvas());
  return 0;
}

int Closing() {
  QtTextDesktop desktop;
  vemo::TForm1 form(desktop);
  form.OnShow();
  form.FormCloseQuery();
  WriteSurface(form.Canvas());
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
