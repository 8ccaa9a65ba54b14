// The floor under Vemo's whole-process figures: the least a Qt 6 program of
// the same shape costs. One main window with a menu bar over a fixed 639 x 476
// client area shown from an RGB pixel buffer, and one 10 ms timer that moves
// a 15 x 15 square across it and repaints only the two squares that changed.

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int kWidth = 639;
constexpr int kHeight = 476;
constexpr int kSquare = 15;

class Area : public QWidget {
 public:
  Area() : image_(kWidth, kHeight, QImage::Format_RGB888) {
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    image_.fill(QColor(40, 60, 160));
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { step(); });
    timer_.start(10);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    painter.drawImage(event->rect(), image_, event->rect());
  }

 private:
  QRect square() const { return {x_, y_, kSquare, kSquare}; }
  void step() {
    const QRect old = square();
    QPainter(&image_).fillRect(old, QColor(40, 60, 160));
    x_ += kSquare;
    if (x_ + kSquare > kWidth) {
      x_ = 0;
      y_ = (y_ + kSquare) % (kHeight - kSquare);
    }
    QPainter(&image_).fillRect(square(), QColor(200, 40, 40));
    update(old);
    update(square());
  }

  QImage image_;
  QTimer timer_;
  int x_ = 0, y_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Floor"));
  QMenu* file = window.menuBar()->addMenu(QStringLiteral("&Файл"));
  QAction* quit = file->addAction(QStringLiteral("&Выход"));
  quit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
  QObject::connect(quit, &QAction::triggered, &app, &QApplication::quit);
  window.menuBar()->addMenu(QStringLiteral("&Параметры"))->addAction(QStringLiteral("&Обновить"));
  window.menuBar()->addAction(QStringLiteral("&Рекорды"));
  window.setCentralWidget(new Area);
  window.layout()->setSizeConstraint(QLayout::SetFixedSize);
  window.show();
  return QApplication::exec();
}
