// The about box: its OK button closes it, by a click, Enter or Space;
// Escape does nothing; the close box closes it too. Each close asks the main
// window for a refresh.

#include <QPushButton>

#include "desktop/dialog_fixture.h"

namespace vemo::desktop::testing {
namespace {

class AboutBox : public DialogTest {
 protected:
  void open(const std::function<void(DialogWindow&)>& inside) {
    withDialog(form.AboutBox, [this] { form.OnMenu("N12"); }, inside);
  }
  static QPushButton& ok(DialogWindow& dialog) { return *dialog.findChild<QPushButton*>(QStringLiteral("OKButton")); }
};

TEST_F(AboutBox, OKButtonClickEnterSpaceAndTheCloseBoxCloseIt) {
  const std::vector<std::pair<const char*, std::function<void(DialogWindow&)>>> ways{
      {"click", [](DialogWindow& dialog) { QTest::mouseClick(&ok(dialog), Qt::LeftButton); }},
      {"Enter", [](DialogWindow& dialog) { press(dialog, Qt::Key_Return); }},
      {"Space", [](DialogWindow& dialog) { press(dialog, Qt::Key_Space); }},
      {"close box", [](DialogWindow& dialog) { dialog.close(); }},
  };
  for (const auto& [way, close] : ways) {
    form.Timers().disable(TimerId::Up);
    open([&](DialogWindow& dialog) {
      EXPECT_EQ(QApplication::focusWidget(), &ok(dialog));
      close(dialog);
      EXPECT_FALSE(dialog.isVisible()) << way;
    });
    EXPECT_TRUE(form.Timers().enabled(TimerId::Up)) << way;
  }
}

TEST_F(AboutBox, EscapeAndOtherKeysDoNothing) {
  open([](DialogWindow& dialog) {
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_A, Qt::Key_Shift, Qt::Key_Left}) {
      press(dialog, key);
      EXPECT_TRUE(dialog.isVisible()) << key;
    }
    // Escape sent to the window itself is no reject() either.
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    dialog.close();
  });
}

TEST_F(AboutBox, AClickBesideTheButtonDoesNothing) {
  open([](DialogWindow& dialog) {
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(150, 120));
    QTest::mouseClick(&dialog, Qt::RightButton, {}, QPoint(20, 215));
    EXPECT_TRUE(dialog.isVisible());
    dialog.close();
  });
}

}  // namespace
}  // namespace vemo::desktop::testing
