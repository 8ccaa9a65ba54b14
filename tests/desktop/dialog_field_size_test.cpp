// The field-size dialog opened by its menu command: Enter takes the typed
// side (15 for an empty or out-of-range answer), a text that is no number
// brings the error box and leaves the dialog open, and the close box hands
// the text over as it stands.

#include <QMessageBox>

#include "desktop/dialog_fixture.h"
#include "desktop/modal_closer.h"

namespace vemo::desktop::testing {
namespace {

class FieldSizeDialog : public DialogTest {
 protected:
  void open(const std::function<void(DialogWindow&)>& inside) {
    withDialog(form.Form4, [this] { form.OnMenu("N15"); }, inside);
  }
  // Types `text` and Enter; the side that the command then sets.
  int answer(const QString& text) {
    open([&](DialogWindow& dialog) {
      type(dialog, text);
      press(dialog, Qt::Key_Return);
    });
    return form.State().FieldSize;
  }
  // Closes the next error box, keeping its text.
  void expectErrorBox(QString& text) {
    CloseNextMessageBox(0, [&text](QMessageBox& box) {
      EXPECT_EQ(box.icon(), QMessageBox::Critical);
      text = box.text();
    });
  }
};

TEST_F(FieldSizeDialog, EnterTakesASideFrom10To20) {
  EXPECT_EQ(answer(QStringLiteral("12")), 12);
  EXPECT_EQ(answer(QStringLiteral("20")), 20);
  EXPECT_EQ(answer(QStringLiteral("10")), 10);
}

TEST_F(FieldSizeDialog, AnythingElseBecomes15AndTheBoxShowsIt) {
  for (const QString& text : {QStringLiteral("9"), QStringLiteral("21"), QStringLiteral("-3"), QString()}) {
    form.State().FieldSize = 12;
    EXPECT_EQ(answer(text), 15) << text.toStdString();
    EXPECT_EQ(editOf(windowOf(form.Form4)).text(), QStringLiteral("15"));
  }
}

TEST_F(FieldSizeDialog, OpensEmpty) {
  answer(QStringLiteral("13"));
  open([](DialogWindow& dialog) {
    EXPECT_EQ(editOf(dialog).text(), QString());
    EXPECT_EQ(QApplication::focusWidget(), &editOf(dialog));
    type(dialog, QStringLiteral("14"));
    press(dialog, Qt::Key_Enter);  // the keypad's Enter too
  });
  EXPECT_EQ(form.State().FieldSize, 14);
}

TEST_F(FieldSizeDialog, LettersBringTheErrorBoxAndTheDialogStaysOpen) {
  form.State().FieldSize = 18;
  QString onEnter, onClose;
  open([&](DialogWindow& dialog) {
    type(dialog, QStringLiteral("abc"));
    expectErrorBox(onEnter);
    press(dialog, Qt::Key_Return);  // returns when the error box has closed
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(editOf(dialog).text(), QStringLiteral("abc"));
    press(dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible()) << "Escape does nothing";
    // The close box hands the text over unchanged: the command's own conversion fails.
    expectErrorBox(onClose);
    dialog.close();
  });
  EXPECT_EQ(onEnter, QStringLiteral("'abc' is not a valid integer value."));
  EXPECT_EQ(onClose, onEnter);
  EXPECT_EQ(form.State().FieldSize, 18);
}

TEST_F(FieldSizeDialog, TheCloseBoxTakesTheTextAsItIs) {
  open([](DialogWindow& dialog) {
    type(dialog, QStringLiteral("12"));
    dialog.close();
  });
  EXPECT_EQ(form.State().FieldSize, 12);
  open([](DialogWindow& dialog) {
    type(dialog, QStringLiteral("25"));
    dialog.close();
  });
  EXPECT_EQ(form.State().FieldSize, 15);
  EXPECT_EQ(editOf(windowOf(form.Form4)).text(), QStringLiteral("25")) << "not replaced by 15";
}

TEST_F(FieldSizeDialog, TheMainWindowIsRedrawnWhileItIsOpenAndAfter) {
  int refreshes = 0;
  form.Timers().bind(TimerId::Up, [&] {
    ++refreshes;
    form.Timers().disable(TimerId::Up);
  });
  open([&](DialogWindow& dialog) {
    QTest::qWait(100);
    EXPECT_EQ(refreshes, 1) << "25 ms after opening";
    press(dialog, Qt::Key_Return);
  });
  QTest::qWait(100);
  EXPECT_EQ(refreshes, 2) << "25 ms after closing";
}

}  // namespace
}  // namespace vemo::desktop::testing
