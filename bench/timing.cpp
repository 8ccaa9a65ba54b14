// Timers as the player feels them: the real main window, Qt desktop and timer
// driver, with the core's handlers wrapped to note when they run and the
// surface view's paints noted when they end. Measures the period of Mover
// and of SnakMov at level 5 (SnakMov also after a resume, with the whole-field
// redraw every 10 ms) and the time from an Up press, which rotates at once,
// to the end of the repaint that shows it.
//
// Run on a display (xvfb-run) or with QT_QPA_PLATFORM=offscreen:
//   vemo_timing [TICKS]     (default 120 of each)

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPaintEvent>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "desktop/main_window.h"
#include "desktop/qt_desktop.h"
#include "shell/form1.h"

namespace {

using vemo::TForm1;
using vemo::TimerId;
using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Runs the event loop until `done` holds, checked at every poke(), or until
// the time is up. No polling: nothing here wakes the loop but the program.
class Waiter {
 public:
  bool wait(std::function<bool()> done, int timeoutMs) {
    if (done()) return true;
    QEventLoop loop;
    done_ = std::move(done);
    loop_ = &loop;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    loop_ = nullptr;
    return done_();
  }
  void sleep(int ms) { wait([] { return false; }, ms); }
  void poke() {
    if (loop_ && done_()) loop_->quit();
  }

 private:
  std::function<bool()> done_;
  QEventLoop* loop_ = nullptr;
};

// The main window, noting when an Up press that turned the piece entered
// the core.
class ProbeWindow : public vemo::desktop::MainWindow {
 public:
  explicit ProbeWindow(TForm1& form) : MainWindow(form), core_(form) {}
  std::function<void(int key, bool rotated)> onKey;

 protected:
  void sendKeyDown(int key) override {
    const int phase = core_.State().Phase;
    MainWindow::sendKeyDown(key);
    if (onKey) onKey(key, core_.State().Phase != phase);
  }

 private:
  TForm1& core_;
};

// Notes the end of every paint of the surface view (it lets the paint run
// inside the filter, then takes the time) and adds up the pixels painted.
class PaintWatch : public QObject {
 public:
  std::function<void()> onPainted;
  long long pixels = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    for (const QRect& r : static_cast<QPaintEvent*>(event)->region()) pixels += static_cast<long long>(r.width()) * r.height();
    watched->event(event);
    if (onPainted) onPainted();
    return true;
  }
};

// Answers every message box (a game over, the missing records file) at once.
class BoxCloser : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show)
      if (auto* box = qobject_cast<QMessageBox*>(watched))
        QTimer::singleShot(0, box, [box] { box->done(QMessageBox::Ok); });
    return false;
  }
};

struct Stats {
  double min, median, p95, max;
};

Stats Summarise(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  auto at = [&](double q) { return v[static_cast<std::size_t>(std::lround(q * static_cast<double>(v.size() - 1)))]; };
  return {v.front(), at(0.5), at(0.95), v.back()};
}

// The 95th percentile of how far the periods are from `target`.
double P95Deviation(const std::vector<double>& periods, double target) {
  std::vector<double> d;
  for (double p : periods) d.push_back(std::abs(p - target));
  return Summarise(d).p95;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  const int ticks = argc > 1 ? std::max(10, std::atoi(argv[1])) : 120;
  // The program writes nothing here, but it reads its records file from here.
  QTemporaryDir scratch;
  if (!scratch.isValid() || !QDir::setCurrent(scratch.path())) return 2;

  vemo::desktop::QtDesktop desktop;
  TForm1 form(desktop);
  ProbeWindow window(form);
  desktop.attach(&window);
  BoxCloser closer;
  app.installEventFilter(&closer);
  PaintWatch paints;
  window.view().installEventFilter(&paints);
  Waiter waiter;

  // Every tick of the timer being measured, in order; a restart of the game
  // breaks the row, and the period across it is not counted.
  std::vector<double> periods;
  Clock::time_point lastTick{};
  bool gap = true;
  auto tick = [&] {
    const Clock::time_point now = Clock::now();
    if (!gap) periods.push_back(Ms(now - lastTick));
    lastTick = now;
    gap = false;
    waiter.poke();
  };
  auto trigger = [&](const char* item) { window.menus().action(item)->trigger(); };
  // A falling-block game starts again before its pile reaches the top, so
  // that no game over interrupts the ticks.
  auto pileHigh = [&] {
    const vemo::GameState& s = form.State();
    for (int c = 0; c < 10; ++c)
      if (s.Well.at(c, 6) != ' ' && !s.PieceInPlay) return true;
    return false;
  };
  form.Timers().bind(TimerId::Mover, [&] {
    tick();
    form.OnDialogEvent([&] { form.MoverTimer(); });
    if (pileHigh()) {
      gap = true;
      QTimer::singleShot(0, &window, [&] { trigger("N21"); });
    }
  });
  form.Timers().bind(TimerId::SnakMov, [&] {
    tick();
    form.OnDialogEvent([&] { form.SnakMovTimer(); });
  });

  window.showCentred();
  waiter.sleep(3000);  // the title, the records file, the playing screen
  if (form.Timers().enabled(TimerId::Gor)) {
    std::fprintf(stderr, "the start-up did not finish\n");
    return 1;
  }
  form.Menu().setChecked("N8", false);  // no sound

  // The periods of `ticks` ticks, and the pixels repainted a second meanwhile.
  std::vector<double> painted;
  auto measure = [&](const char* what) {
    periods.clear();
    gap = true;
    const long long pixels = paints.pixels;
    const Clock::time_point start = Clock::now();
    if (!waiter.wait([&] { return static_cast<int>(periods.size()) >= ticks; }, ticks * 400)) {
      std::fprintf(stderr, "%s: only %zu periods\n", what, periods.size());
      std::exit(1);
    }
    painted.push_back(static_cast<double>(paints.pixels - pixels) / (Ms(Clock::now() - start) / 1000));
    return periods;
  };

  trigger("N21");  // F5
  const std::vector<double> mover = measure("Mover");

  // Up presses at an odd pace against the fall; only those that turned a
  // piece (not the square, whose turn shows nothing) count.
  std::vector<double> keyToPaint;
  Clock::time_point pressed{};
  bool waitingForPaint = false;
  window.onKey = [&](int key, bool rotated) {
    if (key != vemo::vk::kUp || !rotated || form.State().Shape == vemo::ShapeCode::C) return;
    pressed = Clock::now();
    waitingForPaint = true;
  };
  paints.onPainted = [&] {
    if (!waitingForPaint) return;
    waitingForPaint = false;
    keyToPaint.push_back(Ms(Clock::now() - pressed));
    waiter.poke();
  };
  QTimer presser;
  presser.setTimerType(Qt::PreciseTimer);
  QObject::connect(&presser, &QTimer::timeout, [&] {
    const vemo::GameState& s = form.State();
    if (!s.PieceInPlay || s.PieceY < 1 || s.PieceY > 15) return;
    QTest::keyPress(&window.view(), Qt::Key_Up);
    QTimer::singleShot(20, &window, [&] { QTest::keyRelease(&window.view(), Qt::Key_Up); });
  });
  presser.start(137);
  if (!waiter.wait([&] { return static_cast<int>(keyToPaint.size()) >= ticks; }, ticks * 1000)) {
    std::fprintf(stderr, "Up: only %zu presses shown\n", keyToPaint.size());
    return 1;
  }
  presser.stop();
  paints.onPainted = nullptr;

  form.State().FieldSize = 20;
  trigger("N29");  // Ctrl+F5
  const std::vector<double> snake = measure("SnakMov");
  trigger("N4");  // pause and resume: from now on the field is redrawn every 10 ms
  waiter.sleep(300);
  trigger("N4");
  const std::vector<double> resumed = measure("SnakMov after a resume");

  std::printf("Vemo timers through the Qt driver, platform %s, %d samples each (ms)\n",
              qPrintable(QGuiApplication::platformName()), ticks);
  std::printf("%-34s %7s %7s %7s %7s %9s  %s\n", "", "min", "median", "p95", "max", "p95 |dev|", "target");
  auto row = [](const char* name, const std::vector<double>& v, double target) {
    const Stats s = Summarise(v);
    const double dev = P95Deviation(v, target);
    const bool ok = std::abs(s.median - target) <= 1 && dev <= 5;
    std::printf("%-34s %7.2f %7.2f %7.2f %7.2f %9.2f  median 100 +-1, p95 +-5: %s\n", name, s.min, s.median, s.p95,
                s.max, dev, ok ? "ok" : "MISSED");
  };
  row("Mover period, level 5", mover, 100);
  row("SnakMov period, level 5", snake, 100);
  row("SnakMov period after a resume", resumed, 100);
  const Stats k = Summarise(keyToPaint);
  std::printf("%-34s %7.2f %7.2f %7.2f %7.2f %9s  p95 under 2: %s\n", "Up press to end of repaint", k.min, k.median,
              k.p95, k.max, "", k.p95 < 2 ? "ok" : "MISSED");
  std::printf("pixels repainted a second: falling blocks %.0f, snake %.0f, snake after a resume %.0f\n", painted[0],
              painted[1], painted[2]);
  window.quitNow();
  return 0;
}
