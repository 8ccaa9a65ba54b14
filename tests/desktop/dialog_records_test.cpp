// The records view: it shows the cells as they are when it opens and closes
// on any key or mouse button, asking the main window for a refresh.

#include <QLabel>

#include "desktop/dialog_fixture.h"

namespace vemo::desktop::testing {
namespace {

class RecordsView : public DialogTest {
 protected:
  void open(const std::function<void(DialogWindow&)>& inside) {
    withDialog(form.Form2, [this] { form.OnMenu("N32"); }, inside);
  }
  static QString cell(DialogWindow& dialog, int n) {
    return dialog.findChild<QLabel*>(QStringLiteral("Label%1").arg(n))->text();
  }
};

TEST_F(RecordsView, ShowsTheBuiltInTable) {
  open([](DialogWindow& dialog) {
    for (int row = 1; row <= 10; ++row) {
      EXPECT_EQ(cell(dialog, row), QString::number(row));
      EXPECT_EQ(cell(dialog, 10 + row), QStringLiteral("----------"));
      EXPECT_EQ(cell(dialog, 20 + row), QStringLiteral("0000"));
    }
    press(dialog, Qt::Key_Space);
  });
}

TEST_F(RecordsView, RereadsTheCellsAtEachOpening) {
  form.Form2.SetRow(1, {"Иван", "120"});
  open([](DialogWindow& dialog) {
    EXPECT_EQ(cell(dialog, 11), QStringLiteral("Иван"));
    EXPECT_EQ(cell(dialog, 21), QStringLiteral("120"));
    press(dialog, Qt::Key_Space);
  });
  form.Form2.SetRow(1, {"Мария", "123456"});
  form.Form2.SetRow(10, {"", "7"});
  open([](DialogWindow& dialog) {
    EXPECT_EQ(cell(dialog, 11), QStringLiteral("Мария"));
    EXPECT_EQ(cell(dialog, 21), QStringLiteral("123456"));
    EXPECT_EQ(cell(dialog, 20), QString());
    EXPECT_EQ(cell(dialog, 30), QStringLiteral("7"));
    // A wider score grows to the left; every score still ends at x = 228.
    for (int n : {21, 30}) {
      const QRect r = dialog.findChild<QLabel*>(QStringLiteral("Label%1").arg(n))->geometry();
      EXPECT_EQ(r.x() + r.width(), 228) << n;
    }
    press(dialog, Qt::Key_Space);
  });
}

TEST_F(RecordsView, AnyKeyClosesIt) {
  for (const Qt::Key key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Escape, Qt::Key_Return,
                            Qt::Key_Tab, Qt::Key_A, Qt::Key_F1, Qt::Key_Left}) {
    form.Timers().disable(TimerId::Up);
    open([key](DialogWindow& dialog) {
      press(dialog, key);
      EXPECT_FALSE(dialog.isVisible()) << "key " << key;
    });
    EXPECT_TRUE(form.Timers().enabled(TimerId::Up)) << "key " << key;
  }
}

TEST_F(RecordsView, AnyMouseButtonClosesIt) {
  // Inside the frame below the table, on a name cell and on a score cell:
  // the press goes to the element under the mouse first.
  for (const auto& [button, at] : {std::pair{Qt::LeftButton, QPoint(120, 300)},
                                    std::pair{Qt::RightButton, QPoint(60, 60)},
                                    std::pair{Qt::MiddleButton, QPoint(220, 30)}}) {
    form.Timers().disable(TimerId::Up);
    open([button, at](DialogWindow& dialog) {
      QWidget* under = dialog.childAt(at);
      ASSERT_NE(under, nullptr);
      QTest::mousePress(under, button, {}, under->mapFrom(&dialog, at));
      EXPECT_FALSE(dialog.isVisible()) << under->objectName().toStdString();
    });
    EXPECT_TRUE(form.Timers().enabled(TimerId::Up));
  }
}

TEST_F(RecordsView, TheCloseBoxClosesItAndTheMainWindowIsRedrawnSoonAfter) {
  form.Canvas().fill({255, 0, 0});
  open([](DialogWindow& dialog) { dialog.close(); });
  EXPECT_TRUE(form.Timers().enabled(TimerId::Up));
  QTest::qWait(150);
  EXPECT_FALSE(form.Timers().enabled(TimerId::Up)) << "the refresh ran";
  EXPECT_NE(form.Canvas().pixel(5, 5), (Rgb{255, 0, 0}));
  EXPECT_NE(form.Canvas().pixel(600, 400), (Rgb{255, 0, 0}));
}

TEST_F(RecordsView, TimersKeepFiringWhileItIsOpen) {
  int ticks = 0;
  form.Timers().bind(TimerId::Timer1, [&] { ++ticks; });
  form.Timers().setInterval(TimerId::Timer1, 10);
  form.Timers().enable(TimerId::Timer1);
  open([&](DialogWindow& dialog) {
    const int before = ticks;
    QTest::qWait(200);
    EXPECT_GE(ticks - before, 5);
    press(dialog, Qt::Key_Shift);
  });
  form.Timers().disable(TimerId::Timer1);
}

}  // namespace
}  // namespace vemo::desktop::testing
