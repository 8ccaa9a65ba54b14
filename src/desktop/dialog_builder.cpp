#include "desktop/dialog_builder.h"

#include <algorithm>

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "desktop/dialog_font.h"

namespace vemo::desktop {

QString FromLayoutText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* AddLabel(QWidget& window, const LabelLayout& layout, const QString& text) {
  auto* label = new QLabel(&window);
  label->setObjectName(FromLayoutText(layout.name));
  label->setFont(DialogFont(layout.font));
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(layout.wordWrap);
  label->setAlignment((layout.align == TextAlign::Right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
  SetLabelText(*label, layout, text);
  return label;
}

void SetLabelText(QLabel& label, const LabelLayout& layout, const QString& text) {
  label.setText(text);
  // A wrapping label keeps its box; otherwise the text decides what is not given.
  if (layout.wordWrap) {
    label.setGeometry(layout.x, layout.y, layout.width, layout.height);
    return;
  }
  const QSize natural = label.sizeHint();
  const int height = layout.height > 0 ? layout.height : natural.height();
  int width = layout.width > 0 ? layout.width : natural.width();
  int x = layout.x;
  if (layout.align == TextAlign::Right) {
    // The text ends at x + width; a wider text grows to the left.
    width = std::max(width, natural.width());
    x = layout.x + layout.width - width;
  } else if (!layout.clip) {
    width = std::max(width, natural.width());
  }
  label.setGeometry(x, layout.y, width, height);
}

QFrame* AddBevel(QWidget& window, const BevelLayout& layout) {
  auto* frame = new QFrame(&window);
  frame->setObjectName(FromLayoutText(layout.name));
  frame->setLineWidth(1);
  frame->setMidLineWidth(0);
  switch (layout.style) {
    case BevelStyle::RaisedPanel:
      // A lowered outer and a raised inner edge: an etched groove.
      frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
      frame->setGeometry(layout.x, layout.y, layout.width, layout.height);
      break;
    case BevelStyle::SunkenBox:
      frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      frame->setGeometry(layout.x, layout.y, layout.width, layout.height);
      break;
    case BevelStyle::VerticalLine:
      // Two pixels: the shadow at x, the highlight right of it.
      frame->setFrameStyle(QFrame::VLine | QFrame::Sunken);
      frame->setGeometry(layout.x, layout.y, 2, layout.height);
      break;
  }
  // Frames stay behind the elements placed on them.
  frame->lower();
  return frame;
}

QLabel* AddPicture(QWidget& window, const PictureLayout& layout, const QImage& picture) {
  auto* label = new QLabel(&window);
  label->setObjectName(FromLayoutText(layout.name));
  // Stretched without smoothing, so the tiles keep their hard edges.
  label->setPixmap(QPixmap::fromImage(
      picture.scaled(layout.width, layout.height, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
  label->setGeometry(layout.x, layout.y, layout.width, layout.height);
  return label;
}

QPushButton* AddButton(QWidget& window, const ButtonLayout& layout) {
  auto* button = new QPushButton(FromLayoutText(layout.text), &window);
  button->setObjectName(FromLayoutText(layout.name));
  button->setDefault(layout.isDefault);
  button->setGeometry(layout.x, layout.y, layout.width, layout.height);
  return button;
}

QLineEdit* AddEdit(QWidget& window, const EditLayout& layout) {
  auto* edit = new QLineEdit(&window);
  edit->setObjectName(FromLayoutText(layout.name));
  edit->setMaxLength(layout.maxLength);
  edit->setGeometry(layout.x, layout.y, layout.width, layout.height);
  return edit;
}

}  // namespace vemo::desktop
