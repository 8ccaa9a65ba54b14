// The dialog windows as their layouts describe them: client size, border,
// caption, place on the screen, and the elements' places, fonts and looks.

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextLayout>

#include "desktop/dialog_fixture.h"
#include "records/name_dialog.h"
#include "shell/about_box.h"
#include "snake/field_size_dialog.h"

namespace vemo::desktop::testing {
namespace {

template <typename Widget = QWidget>
Widget& Element(DialogWindow& dialog, std::string_view name) {
  auto* widget = dialog.findChild<Widget*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  if (!widget) throw std::runtime_error("no element " + std::string(name));
  return *widget;
}

bool IsInk(QRgb pixel) { return qGray(pixel) < 100; }

// The leftmost and rightmost column with ink in a band of rows, or an empty pair.
std::pair<int, int> InkColumns(const QImage& image, int top, int bottom, int left = 0, int right = -1) {
  if (right < 0) right = image.width();
  int first = -1, last = -1;
  for (int x = left; x < right; ++x)
    for (int y = top; y < bottom; ++y)
      if (IsInk(image.pixel(x, y))) {
        if (first < 0) first = x;
        last = x;
        break;
      }
  return {first, last};
}

class DialogLayout : public DialogTest {
 protected:
  struct Case {
    Dialog& model;
    QSize client;
    const char* caption;
  };
  std::vector<Case> all() {
    return {{form.AboutBox, {285, 230}, "О программе"},
            {form.Form2, {244, 311}, "Рекорды"},
            {form.Form3, {204, 68}, ""},
            {form.Form4, {105, 91}, ""}};
  }
  // Shows `model`'s window, runs `look` on it and closes it with the close box.
  void look(Dialog& model, const std::function<void(DialogWindow&)>& look) {
    withDialog(model, [&] { desktop.showModal(model); }, [&](DialogWindow& dialog) {
      look(dialog);
      dialog.close();
    });
  }
};

TEST_F(DialogLayout, FixedClientSizeCaptionAndCloseBoxOnly) {
  for (const Case& c : all()) {
    DialogWindow& dialog = windowOf(c.model);
    const QString caption = QString::fromUtf8(c.caption);
    SCOPED_TRACE(c.client.width());
    EXPECT_EQ(dialog.size(), c.client);
    EXPECT_EQ(dialog.minimumSize(), dialog.size());
    EXPECT_EQ(dialog.maximumSize(), dialog.size());
    // An empty caption is shown as a blank, not as the program's name.
    EXPECT_EQ(dialog.windowTitle(), caption.isEmpty() ? QStringLiteral(" ") : caption);
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
    EXPECT_FALSE(dialog.isVisible()) << "hidden until shown";
  }
}

TEST_F(DialogLayout, ModalAndCentredOnTheScreen) {
  const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
  for (const Case& c : all()) {
    look(c.model, [&](DialogWindow& dialog) {
      EXPECT_TRUE(dialog.isModal());
      EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
      EXPECT_LE((dialog.frameGeometry().center() - screenCentre).manhattanLength(), 1);
      EXPECT_EQ(dialog.size(), c.client) << "not resized by showing";
    });
  }
}

TEST_F(DialogLayout, AboutBoxElements) {
  DialogWindow& dialog = windowOf(form.AboutBox);
  auto& panel = Element<QFrame>(dialog, "Panel1");
  EXPECT_EQ(panel.geometry(), QRect(4, 8, 277, 185));
  // The panel's elements are placed inside it: (4, 8) on from the window's corner.
  const QPoint inPanel(4, 8);
  auto& icon = Element<QLabel>(dialog, "ProgramIcon");
  EXPECT_EQ(icon.geometry(), QRect(inPanel + QPoint(8, 8), QSize(65, 57)));
  EXPECT_EQ(icon.pixmap().size(), QSize(65, 57)) << "the picture is stretched to its box";
  auto& ok = Element<QPushButton>(dialog, "OKButton");
  EXPECT_EQ(ok.geometry(), QRect(105, 200, 75, 25));
  EXPECT_EQ(ok.text(), QStringLiteral("OK"));
  EXPECT_TRUE(ok.isDefault());
  struct Text {
    const char* name;
    QPoint at;
    int pixelHeight;
    bool wordWrap;
  };
  for (const Text& t : {Text{"ProductName", {88, 2}, 35, false}, Text{"Ver", {88, 52}, 11, false},
                        Text{"Label1", {8, 80}, 11, true}, Text{"Comments", {8, 134}, 11, true}}) {
    auto& widget = Element<QLabel>(dialog, t.name);
    EXPECT_EQ(widget.pos(), inPanel + t.at) << t.name;
    EXPECT_EQ(widget.font().pixelSize(), t.pixelHeight) << t.name;
    EXPECT_EQ(widget.wordWrap(), t.wordWrap) << t.name;
    EXPECT_TRUE(panel.geometry().contains(widget.geometry())) << t.name << " inside the panel";
  }
  EXPECT_EQ(Element<QLabel>(dialog, "Label1").size(), QSize(257, 41));
  EXPECT_EQ(Element<QLabel>(dialog, "Comments").size(), QSize(265, 47));
  EXPECT_EQ(Element<QLabel>(dialog, "Ver").text(), QStringLiteral("Версия 1.45"));
  const QLabel& name = Element<QLabel>(dialog, "ProductName");
  EXPECT_EQ(name.text(), QStringLiteral("Vemo"));
  EXPECT_TRUE(name.font().bold());
  EXPECT_NE(QFontInfo(name.font()).family(), QFontInfo(Element<QLabel>(dialog, "Ver").font()).family())
      << "the product name has a face of its own";
}

TEST_F(DialogLayout, AboutBoxHelpWrapsIntoItsThreeLines) {
  const QLabel& label = Element<QLabel>(windowOf(form.AboutBox), "Comments");
  QTextLayout text(label.text(), label.font());
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  text.setTextOption(option);
  QStringList lines;
  text.beginLayout();
  for (QTextLine line = text.createLine(); line.isValid(); line = text.createLine()) {
    line.setLineWidth(label.contentsRect().width());
    lines << label.text().mid(line.textStart(), line.textLength()).trimmed();
  }
  text.endLayout();
  EXPECT_EQ(lines, (QStringList{QStringLiteral("Управление :  вращение фигуры - стрелка вверх"),
                                QStringLiteral("движение - стрелки влево и вправо"),
                                QStringLiteral("ускоренное падение - стрелка вниз")}));
  EXPECT_LE(lines.size() * QFontMetrics(label.font()).lineSpacing(), 47) << "all three lines show";
}

TEST_F(DialogLayout, RecordsViewCellsAndBevels) {
  DialogWindow& dialog = windowOf(form.Form2);
  const auto cell = [&](int label) -> const QLabel& {
    return Element<QLabel>(dialog, "Label" + std::to_string(label));
  };
  for (int row = 1; row <= 10; ++row) {
    SCOPED_TRACE(row);
    const int y = row == 1 ? 15 : 24 + 28 * (row - 1);
    const QLabel& rank = cell(row);
    EXPECT_EQ(rank.pos(), QPoint(16, y));
    EXPECT_EQ(rank.font().pixelSize(), row == 1 ? 24 : 19);
    const QLabel& name = cell(10 + row);
    EXPECT_EQ(name.geometry().topLeft(), QPoint(56, 24 + 28 * (row - 1)));
    EXPECT_EQ(name.width(), 110);
    const QLabel& score = cell(20 + row);
    EXPECT_EQ(score.geometry().right() + 1, 228);
    EXPECT_EQ(score.y(), 24 + 28 * (row - 1));
    EXPECT_TRUE(score.alignment().testFlag(Qt::AlignRight));
  }
  // The sunken frame, and the two dividers from its top down 297 pixels.
  EXPECT_EQ(Element<QFrame>(dialog, "Bevel1").geometry(), QRect(6, 8, 233, 297));
  for (const auto& [name, x] : {std::pair{"Bevel2", 42}, std::pair{"Bevel3", 176}}) {
    const QFrame& frame = Element<QFrame>(dialog, name);
    EXPECT_EQ(frame.pos(), QPoint(x, 8)) << name;
    EXPECT_EQ(frame.height(), 297) << name;
  }
}

TEST_F(DialogLayout, RecordsViewLooksLikeATable) {
  form.Form2.SetRow(1, {"Константин Константинопольский", "9876"});
  look(form.Form2, [](DialogWindow& dialog) {
    const QImage image = dialog.grab().toImage();
    const QRgb face = image.pixel(120, 306);  // the window's own colour below the frame
    const QRgb shadow = image.pixel(42, 150);
    EXPECT_LT(qGray(shadow), qGray(face));
    // The dividers: shadow then highlight, from the frame's top to its bottom.
    for (int x : {42, 176}) {
      for (int y = 10; y < 300; y += 7) {
        ASSERT_EQ(image.pixel(x, y), shadow) << x << "," << y;
        ASSERT_GT(qGray(image.pixel(x + 1, y)), qGray(face)) << x + 1 << "," << y;
        ASSERT_EQ(image.pixel(x - 1, y), face);
      }
    }
    // The sunken frame: shadow on the top and left, highlight on the bottom and right.
    EXPECT_EQ(image.pixel(6, 150), shadow);
    EXPECT_EQ(image.pixel(120, 8), shadow);
    EXPECT_GT(qGray(image.pixel(238, 150)), qGray(face));
    EXPECT_GT(qGray(image.pixel(120, 304)), qGray(face));
    // Every row's score ends at x = 228; a long name is cut at its cell's edge.
    for (int row = 0; row < 10; ++row) {
      const int top = 24 + 28 * row;
      const auto [first, last] = InkColumns(image, top, top + 19, 178, 240);
      EXPECT_LE(last, 227) << row;
      EXPECT_GE(last, 222) << row;
    }
    const auto [nameFirst, nameLast] = InkColumns(image, 24, 24 + 19, 44, 176);
    EXPECT_GE(nameFirst, 56);
    EXPECT_GT(nameLast, 150) << "the name fills its cell";
    EXPECT_LT(nameLast, 166) << "and stops at its edge";
  });
}

TEST_F(DialogLayout, EditDialogs) {
  struct EditCase {
    Dialog& model;
    QRect label;
    QRect edit;
    int maxLength;
  };
  // The name's limit is the program's own, so that a record line stays readable.
  for (const EditCase& c : {EditCase{form.Form3, {8, 8, 185, 39}, {8, 40, 185, 21}, kMaxNameLength},
                            EditCase{form.Form4, {8, 8, 105, 41}, {8, 64, 89, 21}, 32767}}) {
    DialogWindow& dialog = windowOf(c.model);
    const QLabel& label = Element<QLabel>(dialog, "Label1");
    EXPECT_EQ(label.geometry(), c.label);
    EXPECT_TRUE(label.wordWrap());
    EXPECT_TRUE(label.alignment().testFlag(Qt::AlignTop));
    EXPECT_EQ(label.font().pixelSize(), 11);
    const QLineEdit& edit = Element<QLineEdit>(dialog, "Edit1");
    EXPECT_EQ(edit.geometry(), c.edit);
    EXPECT_EQ(edit.maxLength(), c.maxLength);
  }
}

TEST_F(DialogLayout, FieldSizeHintOnALineOfItsOwn) {
  look(form.Form4, [](DialogWindow& dialog) {
    const QImage image = dialog.grab().toImage();
    // Three lines of ink, the last one starting at the label's left edge: "10 - min, 20 - max".
    int lines = 0;
    bool inLine = false;
    for (int y = 8; y < 49; ++y) {
      const bool ink = InkColumns(image, y, y + 1).first >= 0;
      if (ink && !inLine) ++lines;
      inLine = ink;
    }
    EXPECT_EQ(lines, 3);
  });
}

}  // namespace
}  // namespace vemo::desktop::testing
