// The name dialog: the typed name becomes the player's name however the
// dialog closes, by Enter or by the close box; Escape does nothing.

#include <QLabel>

#include "desktop/dialog_fixture.h"
#include "records/name_dialog.h"

namespace vemo::desktop::testing {
namespace {

class NameDialog : public DialogTest {
 protected:
  void open(const std::function<void(DialogWindow&)>& inside) {
    withDialog(form.Form3, [this] { desktop.showModal(form.Form3); }, inside);
  }
};

TEST_F(NameDialog, TypedNameAndEnter) {
  open([](DialogWindow& dialog) {
    EXPECT_EQ(QApplication::focusWidget(), &editOf(dialog)) << "the edit box has the focus";
    type(dialog, QStringLiteral("Пётр I"));
    press(dialog, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
  });
  EXPECT_EQ(form.PlayerName, "Пётр I");
}

TEST_F(NameDialog, EscapeDoesNothingAndTheCloseBoxKeepsTheName) {
  open([](DialogWindow& dialog) {
    type(dialog, QStringLiteral(" Ann, B "));
    press(dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(editOf(dialog).text(), QStringLiteral(" Ann, B "));
    dialog.close();
  });
  EXPECT_EQ(form.PlayerName, " Ann, B ") << "exactly as typed";
}

TEST_F(NameDialog, OpensEmptyAndAnEmptyNameIsAName) {
  form.PlayerName = "Прежний";
  open([](DialogWindow& dialog) {
    type(dialog, QStringLiteral("Черновик"));
    dialog.close();
  });
  EXPECT_EQ(form.PlayerName, "Черновик");
  open([](DialogWindow& dialog) {
    EXPECT_EQ(editOf(dialog).text(), QString());
    dialog.close();
  });
  EXPECT_EQ(form.PlayerName, "");
}

TEST_F(NameDialog, TheNameIsCutAtTheLengthTheFileKeeps) {
  const QString longName(kMaxNameLength + 20, QChar(u'ж'));
  open([&](DialogWindow& dialog) {
    EXPECT_EQ(editOf(dialog).maxLength(), kNameDialogLayout.edit1.maxLength);
    editOf(dialog).insert(longName);
    press(dialog, Qt::Key_Enter);
  });
  EXPECT_EQ(QString::fromStdString(form.PlayerName), longName.left(kMaxNameLength));
}

TEST_F(NameDialog, ARecordAsksForTheNameThenShowsTheTable) {
  form.State().Score = 42;
  bool tableShown = false;
  QTimer::singleShot(0, [&] {
    // The records view follows the name dialog: close it once it shows the new row.
    auto* poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, [&, poll] {
      DialogWindow& table = windowOf(form.Form2);
      if (QApplication::activeModalWidget() != &table) return;
      poll->stop();
      tableShown = true;
      EXPECT_EQ(table.findChild<QLabel*>(QStringLiteral("Label11"))->text(), QStringLiteral("Ёж"));
      EXPECT_EQ(table.findChild<QLabel*>(QStringLiteral("Label21"))->text(), QStringLiteral("42"));
      QTest::mouseClick(&table, Qt::LeftButton, {}, QPoint(10, 10));
    });
    poll->start(5);
  });
  withDialog(form.Form3, [this] { form.InsertRecord(); }, [](DialogWindow& dialog) {
    type(dialog, QStringLiteral("Ёж"));
    press(dialog, Qt::Key_Return);
  });
  EXPECT_TRUE(tableShown);
  EXPECT_EQ(form.Form2.Name(1), "Ёж");
  EXPECT_EQ(form.Form2.ScoreText(1), "42");
  EXPECT_EQ(form.Form2.Name(2), "----------");
}

}  // namespace
}  // namespace vemo::desktop::testing
