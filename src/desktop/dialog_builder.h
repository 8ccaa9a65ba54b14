#pragma once
// Widgets of a dialog window made from the layout data, each at its exact
// place in the client area and named after the element.

#include <QImage>
#include <QString>

#include "shell/dialog_layout.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vemo::desktop {

QString FromLayoutText(std::string_view text);

// A label showing `text`; SetLabelText changes the text later and places the
// label again (a label sized by its text grows with it).
QLabel* AddLabel(QWidget& window, const LabelLayout& layout, const QString& text);
void SetLabelText(QLabel& label, const LabelLayout& layout, const QString& text);

QFrame* AddBevel(QWidget& window, const BevelLayout& layout);
// The picture stretched to the element's box, pixel by pixel.
QLabel* AddPicture(QWidget& window, const PictureLayout& layout, const QImage& picture);
QPushButton* AddButton(QWidget& window, const ButtonLayout& layout);
QLineEdit* AddEdit(QWidget& window, const EditLayout& layout);

}  // namespace vemo::desktop
