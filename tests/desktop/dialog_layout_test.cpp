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

QRect BoxOf(const auto& element) { return {element.x, element.y, element.width, element.height}; }

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
    const WindowLayout& layout;
  };
  std::vector<Case> all() {
    return {{form.AboutBox, kAboutBoxLayout.window},
            {form.Form2, kRecordsViewLayout.window},
            {form.Form3, kNameDialogLayout.window},
            {form.Form4, kFieldSizeDialogLayout.window}};
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
    const QString caption = QString::fromUtf8(c.layout.caption.data(), static_cast<qsizetype>(c.layout.caption.size()));
    SCOPED_TRACE(caption.toStdString());
    EXPECT_EQ(dialog.size(), QSize(c.layout.clientWidth, c.layout.clientHeight));
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
      EXPECT_EQ(dialog.size(), QSize(c.layout.clientWidth, c.layout.clientHeight)) << "not resized by showing";
    });
  }
}

TEST_F(DialogLayout, AboutBoxElements) {
  const AboutBoxLayout& l = kAboutBoxLayout;
  DialogWindow& dialog = windowOf(form.AboutBox);
  auto& panel = Element<QFrame>(dialog, l.panel1.name);
  EXPECT_EQ(panel.geometry(), BoxOf(l.panel1));
  auto& icon = Element<QLabel>(dialog, l.programIcon.name);
  EXPECT_EQ(icon.geometry(), BoxOf(l.programIcon));
  EXPECT_EQ(icon.pixmap().size(), QSize(65, 57)) << "the picture is stretched to its box";
  auto& ok = Element<QPushButton>(dialog, l.okButton.name);
  EXPECT_EQ(ok.geometry(), BoxOf(l.okButton));
  EXPECT_EQ(ok.text(), QStringLiteral("OK"));
  EXPECT_TRUE(ok.isDefault());
  for (const LabelLayout* label : {&l.productName, &l.ver, &l.label1, &l.comments}) {
    auto& widget = Element<QLabel>(dialog, label->name);
    EXPECT_EQ(widget.pos(), QPoint(label->x, label->y)) << label->name;
    EXPECT_EQ(widget.font().pixelSize(), label->font.pixelHeight) << label->name;
    EXPECT_EQ(widget.wordWrap(), label->wordWrap) << label->name;
    EXPECT_TRUE(panel.geometry().contains(widget.geometry())) << label->name << " inside the panel";
  }
  EXPECT_EQ(Element<QLabel>(dialog, l.label1.name).size(), QSize(257, 41));
  EXPECT_EQ(Element<QLabel>(dialog, l.ver.name).text(), QStringLiteral("Версия 1.45"));
  const QLabel& name = Element<QLabel>(dialog, l.productName.name);
  EXPECT_EQ(name.text(), QStringLiteral("Vemo"));
  EXPECT_TRUE(name.font().bold());
  EXPECT_NE(QFontInfo(name.font()).family(), QFontInfo(Element<QLabel>(dialog, l.ver.name).font()).family())
      << "the product name has a face of its own";
}

TEST_F(DialogLayout, AboutBoxHelpWrapsIntoItsThreeLines) {
  const LabelLayout& comments = kAboutBoxLayout.comments;
  const QLabel& label = Element<QLabel>(windowOf(form.AboutBox), comments.name);
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
  QStringList expected;
  for (std::string_view part : kAboutBoxLayout.commentLines)
    expected << QString::fromUtf8(part.data(), static_cast<qsizetype>(part.size()));
  EXPECT_EQ(lines, expected);
  EXPECT_LE(lines.size() * QFontMetrics(label.font()).lineSpacing(), comments.height) << "all three lines show";
}

TEST_F(DialogLayout, RecordsViewCellsAndBevels) {
  const RecordsViewLayout& l = kRecordsViewLayout;
  DialogWindow& dialog = windowOf(form.Form2);
  for (int row = 1; row <= 10; ++row) {
    SCOPED_TRACE(row);
    const int y = row == 1 ? 15 : 24 + 28 * (row - 1);
    const QLabel& rank = Element<QLabel>(dialog, l.cells[row - 1].name);
    EXPECT_EQ(rank.pos(), QPoint(16, y));
    EXPECT_EQ(rank.font().pixelSize(), row == 1 ? 24 : 19);
    const QLabel& name = Element<QLabel>(dialog, l.cells[9 + row].name);
    EXPECT_EQ(name.geometry().topLeft(), QPoint(56, 24 + 28 * (row - 1)));
    EXPECT_EQ(name.width(), 110);
    const QLabel& score = Element<QLabel>(dialog, l.cells[19 + row].name);
    EXPECT_EQ(score.geometry().right() + 1, 228);
    EXPECT_EQ(score.y(), 24 + 28 * (row - 1));
    EXPECT_TRUE(score.alignment().testFlag(Qt::AlignRight));
  }
  for (const BevelLayout* bevel : {&l.bevel1, &l.bevel2, &l.bevel3}) {
    const QFrame& frame = Element<QFrame>(dialog, bevel->name);
    EXPECT_EQ(frame.pos(), QPoint(bevel->x, bevel->y)) << bevel->name;
    EXPECT_EQ(frame.height(), bevel->height) << bevel->name;
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
    const LabelLayout& label;
    const EditLayout& edit;
  };
  for (const EditCase& c : {EditCase{form.Form3, kNameDialogLayout.label1, kNameDialogLayout.edit1},
                            EditCase{form.Form4, kFieldSizeDialogLayout.label1, kFieldSizeDialogLayout.edit1}}) {
    DialogWindow& dialog = windowOf(c.model);
    const QLabel& label = Element<QLabel>(dialog, c.label.name);
    EXPECT_EQ(label.geometry(), BoxOf(c.label));
    EXPECT_TRUE(label.wordWrap());
    EXPECT_TRUE(label.alignment().testFlag(Qt::AlignTop));
    EXPECT_EQ(label.font().pixelSize(), 11);
    const QLineEdit& edit = Element<QLineEdit>(dialog, c.edit.name);
    EXPECT_EQ(edit.geometry(), BoxOf(c.edit));
    EXPECT_EQ(edit.maxLength(), c.edit.maxLength);
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
