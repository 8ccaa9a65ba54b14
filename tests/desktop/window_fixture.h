#pragma once
// A core with the Qt desktop and a shown main window whose input entries are
// recorded, with every core timer silenced so tests enable only their own.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QTest>

#include "desktop/main_window.h"
#include "desktop/qt_desktop.h"
#include "shell/form1.h"

namespace vemo::desktop::testing {

// The main window with its calls into the core written down as
// "down 37", "up 37", "mouse", "label 1".
class RecordingWindow : public MainWindow {
 public:
  using MainWindow::MainWindow;
  std::vector<std::string> entries;

 protected:
  void sendKeyDown(int key) override {
    entries.push_back("down " + std::to_string(key));
    MainWindow::sendKeyDown(key);
  }
  void sendKeyUp(int key) override {
    entries.push_back("up " + std::to_string(key));
    MainWindow::sendKeyUp(key);
  }
  void sendMouseDown() override {
    entries.push_back("mouse");
    MainWindow::sendMouseDown();
  }
  void sendLabelClick(int label) override {
    entries.push_back("label " + std::to_string(label));
    MainWindow::sendLabelClick(label);
  }
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    desktop.attach(&window);
    silenceTimers();
    window.showCentred();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    silenceTimers();  // showing may have started some
    window.entries.clear();
  }

  void TearDown() override { window.hide(); }

  void silenceTimers() {
    for (int i = 0; i < kTimerCount; ++i) form.Timers().disable(static_cast<TimerId>(i));
    QCoreApplication::processEvents();
  }

  QtDesktop desktop;
  TForm1 form{desktop};
  RecordingWindow window{form};
};

}  // namespace vemo::desktop::testing
