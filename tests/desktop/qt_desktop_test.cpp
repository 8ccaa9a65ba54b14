// The Qt desktop's operations as the core calls them.

#include <algorithm>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "desktop/modal_closer.h"
#include "desktop/surface_text.h"
#include "desktop/window_fixture.h"
#include "shell/dialog.h"
#include "shell/message_box_layout.h"

namespace vemo::desktop::testing {
namespace {

constexpr Rgb kRed{255, 0, 0};

struct Ink {
  int black = 0, white = 0, other = 0;
};

Ink CountInk(const Surface& s, const Rect& r) {
  Ink ink;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const Rgb c = s.pixel(x, y);
      if (c == Rgb{0, 0, 0}) ++ink.black;
      else if (c == Surface::kWhite) ++ink.white;
      else ++ink.other;
    }
  return ink;
}

TEST(SurfaceText, BlackOnAnOpaqueWhiteBox) {
  Surface surface(639, 476, kRed);
  surface.takeChanged();
  const Rect box = DrawSurfaceText(surface, {150, 180, 639, 476}, "Запись...", {"Arial", 65, false}, {.opaque = true});
  EXPECT_EQ(box.left, 150);
  EXPECT_EQ(box.top, 180);
  EXPECT_GE(box.bottom - box.top, 65);
  EXPECT_LT(box.bottom - box.top, 100);
  EXPECT_GT(box.right - box.left, 200);
  EXPECT_EQ(surface.changed(), box);
  const Ink ink = CountInk(surface, box);
  EXPECT_GT(ink.black, 500);
  EXPECT_GT(ink.white, ink.black);
  EXPECT_EQ(ink.other, 0);  // no smoothed edges, nothing of the old red
  // Around the box nothing changed.
  EXPECT_EQ(surface.pixel(box.left - 1, box.top), kRed);
  EXPECT_EQ(surface.pixel(box.right, box.bottom - 1), kRed);
  EXPECT_EQ(surface.pixel(box.left, box.bottom), kRed);
  EXPECT_EQ(surface.pixel(box.left, box.top - 1), kRed);
}

TEST(SurfaceText, FontsOfTheProgramMapToLiberationSans) {
  auto draw = [](const std::string& family, bool bold) {
    Surface s(639, 476, kRed);
    DrawSurfaceText(s, {10, 10, 639, 476}, "Vemo", {family, 47, bold}, {});
    return std::vector<std::uint8_t>(s.bytes(), s.bytes() + s.bytesPerLine() * s.height());
  };
  const auto liberation = draw("Liberation Sans", false);
  EXPECT_EQ(draw("Arial", false), liberation);
  EXPECT_EQ(draw("MS Sans Serif", false), liberation);
  EXPECT_NE(draw("MS Sans Serif", true), liberation);
}

TEST(SurfaceText, BoldHasMoreInk) {
  Surface regular(639, 476), bold(639, 476);
  const Rect r = DrawSurfaceText(regular, {0, 0, 639, 476}, "Нажмите на это окно", {"MS Sans Serif", 47, false}, {.opaque = true});
  const Rect b = DrawSurfaceText(bold, {0, 0, 639, 476}, "Нажмите на это окно", {"MS Sans Serif", 47, true}, {.opaque = true});
  EXPECT_GT(CountInk(bold, b).black, CountInk(regular, r).black);
}

TEST(SurfaceText, CutAtTheSurfaceEdge) {
  Surface surface(639, 476, kRed);
  DrawSurfaceText(surface, {600, 460, 639, 476}, "Запись...", {"Arial", 65, false}, {.opaque = true});
  EXPECT_EQ(surface.changed(), (Rect{600, 460, 639, 476}));
}

TEST(SurfaceText, LabelTextIsTransparentAndCutAtItsBox) {
  // The product name at its title size does not fit its label: it is cut there.
  const Rect label{12, 8, 12 + 622, 8 + 358};
  Surface surface(639, 476, kRed);
  DrawSurfaceText(surface, label, "Vemo", {"Arial", 320, false}, {});
  const Ink inside = CountInk(surface, label);
  EXPECT_GT(inside.black, 10000);
  EXPECT_EQ(inside.white, 0) << "no box behind label text";
  bool inkAtRightEdge = false;
  for (int y = label.top; y < label.bottom; ++y)
    for (int x = label.right - 40; x < label.right; ++x) inkAtRightEdge |= surface.pixel(x, y) == Rgb{0, 0, 0};
  EXPECT_TRUE(inkAtRightEdge) << "the name runs to the label's edge";
  for (int y = 0; y < 476; ++y) ASSERT_EQ(surface.pixel(label.right, y), kRed) << y;
}

TEST(SurfaceText, CentredLabelTextSitsInTheMiddle) {
  const Rect label{8, 392, 8 + 625, 392 + 57};
  Surface surface(639, 476, kRed);
  DrawSurfaceText(surface, label, "Нажмите на это окно", {"MS Sans Serif", 47, true}, {.centred = true, .wordWrap = true});
  int left = 639, right = -1;
  for (int y = label.top; y < label.bottom; ++y)
    for (int x = label.left; x < label.right; ++x)
      if (surface.pixel(x, y) == Rgb{0, 0, 0}) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  ASSERT_LT(left, right);
  const int centre = (label.left + label.right) / 2;
  EXPECT_NEAR((left + right) / 2, centre, 4);
}

TEST(Clock, MonotonicAndSleepsWithoutRunningEvents) {
  QtDesktop desktop;
  bool ranMeanwhile = false;
  QTimer::singleShot(0, [&] { ranMeanwhile = true; });
  const std::int64_t start = desktop.nowUs();
  desktop.sleepUntilUs(start + 30'000);
  const std::int64_t end = desktop.nowUs();
  EXPECT_GE(end - start, 30'000);
  EXPECT_LT(end - start, 500'000);
  EXPECT_FALSE(ranMeanwhile);
  desktop.sleepUntilUs(start);  // in the past: returns at once
  EXPECT_LT(desktop.nowUs() - end, 20'000);
  QCoreApplication::processEvents();
  EXPECT_TRUE(ranMeanwhile);
}

TEST(Desktop, CaptionAndCursorSetBeforeTheWindowExists) {
  QtDesktop desktop;
  TForm1 form(desktop);
  desktop.setCaption("Vemo score : 40");
  desktop.setCursorVisible(false);
  MainWindow window(form);
  desktop.attach(&window);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Vemo score : 40"));
  EXPECT_EQ(window.view().cursor().shape(), Qt::BlankCursor);
}

using DesktopTest = WindowTest;

TEST_F(DesktopTest, CaptionAndCursor) {
  desktop.setCaption("Vemo score : 120");
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Vemo score : 120"));
  desktop.setCursorVisible(false);
  EXPECT_EQ(window.view().cursor().shape(), Qt::BlankCursor);
  desktop.setCursorVisible(true);
  EXPECT_EQ(window.view().cursor().shape(), Qt::ArrowCursor);
}

TEST_F(DesktopTest, ScreenDepthOfTheDisplay) { EXPECT_GE(desktop.screenDepth(), 24); }

TEST_F(DesktopTest, SoundNeverBlocks) {
  QElapsedTimer clock;
  clock.start();
  for (int i = 0; i < 5; ++i) desktop.playInformationSound();
  EXPECT_LT(clock.elapsed(), 1000);
}

struct BoxLook {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
  bool surfaceShown = false;
};

BoxLook ShowBox(QtDesktop& desktop, TForm1& form, MessageKind kind, const std::string& text) {
  BoxLook look;
  CloseNextMessageBox(0, [&](QMessageBox& box) {
    look.title = box.windowTitle();
    look.text = box.text();
    look.icon = box.icon();
    for (QAbstractButton* b : box.buttons()) look.buttons << b->text();
    look.surfaceShown = form.Canvas().changed().empty();
  });
  form.Canvas().setPixel(5, 5, kRed);
  desktop.messageBox(kind, text);
  return look;
}

TEST_F(DesktopTest, MessageBoxes) {
  desktop.setCaption("Vemo score : 7");
  const BoxLook info = ShowBox(desktop, form, MessageKind::Information, "Игра окончена");
  EXPECT_EQ(info.title, QStringLiteral("Vemo"));
  EXPECT_EQ(info.text, QStringLiteral("Игра окончена"));
  EXPECT_EQ(info.icon, QMessageBox::Information);
  EXPECT_EQ(info.buttons, QStringList{QStringLiteral("OK")});
  // What the core drew is on screen before the box covers the window.
  EXPECT_TRUE(info.surfaceShown);
  EXPECT_EQ(ShowBox(desktop, form, MessageKind::Warning, "Внимание").icon, QMessageBox::Warning);
  EXPECT_EQ(ShowBox(desktop, form, MessageKind::Error, "Cannot open file data.").icon, QMessageBox::Critical);
}

struct BoxGeometry {
  QRect frame, box, icon, text, button;  // the frame and box on the screen; the rest in the client area
};

BoxGeometry ShowBoxGeometry(QtDesktop& desktop, const std::string& text) {
  BoxGeometry g;
  CloseNextMessageBox(0, [&](QMessageBox& box) {
    g.frame = box.frameGeometry();
    g.box = box.geometry();
    g.icon = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"))->geometry();
    g.text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->geometry();
    const QAbstractButton* ok = box.buttons().front();
    g.button = QRect(ok->mapTo(&box, QPoint()), ok->size());
  });
  desktop.messageBox(MessageKind::Error, text);
  return g;
}

// Qt lays its boxes out by the rules the page copies from the layout data,
// and the box's frame is centred on the screen (800 x 800 here). Only the
// button's height differs between this platform and an X server.
TEST_F(DesktopTest, MessageBoxesAreLaidOutByTheLayoutDataAndCentred) {
  const MessageBoxLayout& m = kMessageBoxLayout;
  const QRect screen = window.screen()->availableGeometry();
  ASSERT_EQ(screen, QRect(0, 0, 800, 800));
  auto checkRows = [&m](const BoxGeometry& g, int lines) {
    EXPECT_EQ(g.icon, QRect(m.margin, m.margin, m.iconSize, m.iconSize));
    EXPECT_EQ(g.text.topLeft(), QPoint(m.textX, m.margin));
    EXPECT_EQ(g.text.height(), lines * m.lineHeight);
    EXPECT_EQ(g.button.top(), m.margin + std::max(m.iconSize, lines * m.lineHeight + m.spacing) + m.spacing);
    EXPECT_EQ(g.button.width(), m.buttonWidth);
    EXPECT_EQ(g.button.right() + 1 + m.margin, g.box.width());
    EXPECT_EQ(g.button.bottom() + 1 + m.margin, g.box.height());
  };
  const BoxGeometry one = ShowBoxGeometry(desktop, "Cannot open file data.");
  checkRows(one, 1);
  EXPECT_EQ(one.box.width(), 207);  // as measured on an X server
  EXPECT_EQ(one.text.right() + 1 + m.margin, 207);
  EXPECT_EQ(one.frame.center(), screen.center());

  // Past the soft limit, half this screen's width, the text wraps.
  const BoxGeometry wrapped = ShowBoxGeometry(desktop, std::string(40, 'x') + " " + std::string(40, 'x'));
  EXPECT_EQ(wrapped.box.width(), 400);
  checkRows(wrapped, 2);

  // A word longer than the hard limit (this screen's width) is cut, not broken.
  const BoxGeometry cut = ShowBoxGeometry(desktop, std::string(150, 'w') + " is not a valid integer value.");
  EXPECT_EQ(cut.box.width(), 800);
  checkRows(cut, 2);
}

class TestDialog : public Dialog {
 public:
  DialogKind kind() const override { return DialogKind::About; }
};

TEST_F(DesktopTest, ModalDialogsGoThroughTheHook) {
  TestDialog dialog;
  desktop.showModal(dialog);  // no dialogs yet: returns at once
  std::vector<DialogKind> shown;
  bool surfaceShown = false;
  desktop.setModalHook([&](Dialog& d) {
    shown.push_back(d.kind());
    surfaceShown = form.Canvas().changed().empty();
  });
  form.Canvas().setPixel(5, 5, kRed);
  desktop.showModal(dialog);
  EXPECT_EQ(shown, std::vector<DialogKind>{DialogKind::About});
  EXPECT_TRUE(surfaceShown);
}

TEST_F(DesktopTest, QuitEndsTheEventLoopAtOnce) {
  desktop.quitNow();
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(window.timers().armed());
  // The exit reaches the main loop as soon as it runs.
  QTimer giveUp;
  giveUp.setSingleShot(true);
  QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(7); });
  giveUp.start(3000);
  EXPECT_EQ(QCoreApplication::exec(), 0);
  // Keys after the end no longer reach the core.
  QTest::keyClick(&window, Qt::Key_Left);
  EXPECT_EQ(window.entries, std::vector<std::string>{});
}

TEST_F(DesktopTest, CloseRequestAsksTheCore) {
  // The closing steps write the data file: this runs in a scratch directory.
  desktop.requestClose();
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(window.timers().armed());
}

}  // namespace
}  // namespace vemo::desktop::testing
