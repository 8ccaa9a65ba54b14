#include "desktop/dialog_forms.h"

#include <QLabel>
#include <QPushButton>

#include "desktop/dialog_builder.h"
#include "desktop/picture_image.h"

namespace vemo::desktop {

namespace {

void AddFixedLabel(DialogWindow& window, const LabelLayout& layout) {
  AddLabel(window, layout, FromLayoutText(layout.text));
}

// A label and an edit box whose text is the model's Edit1.
DialogWindow* MakeEditDialog(TForm1& form, MainWindow& main, Dialog& model, const EditDialogLayout& layout) {
  auto* window = new DialogWindow(form, main, model, layout.window, DialogBorder::Single);
  AddFixedLabel(*window, layout.label1);
  window->setEditBox(AddEdit(*window, layout.edit1));
  return window;
}

}  // namespace

DialogWindow* MakeAboutBox(TForm1& form, MainWindow& main) {
  const AboutBoxLayout& layout = kAboutBoxLayout;
  TAboutBox& model = form.AboutBox;
  auto* window = new DialogWindow(form, main, model, layout.window, DialogBorder::Dialog);
  AddBevel(*window, layout.panel1);
  AddPicture(*window, layout.programIcon, ToImage(model.ProgramIcon));
  for (const LabelLayout* label : {&layout.productName, &layout.ver, &layout.label1, &layout.comments})
    AddFixedLabel(*window, *label);
  QPushButton* ok = AddButton(*window, layout.okButton);
  QObject::connect(ok, &QPushButton::clicked, window,
                   [window, &model] { window->handle([&model] { model.OKButtonClick(); }); });
  return window;
}

DialogWindow* MakeRecordsView(TForm1& form, MainWindow& main) {
  const RecordsViewLayout& layout = kRecordsViewLayout;
  TForm2& model = form.Form2;
  auto* window = new DialogWindow(form, main, model, layout.window, DialogBorder::Single);
  for (const BevelLayout* bevel : {&layout.bevel1, &layout.bevel2, &layout.bevel3}) AddBevel(*window, *bevel);
  // The cells are the records table: shown as they are at each opening.
  for (int n = 1; n <= kRecordsCellCount; ++n) {
    const LabelLayout& cell = layout.cells[static_cast<std::size_t>(n - 1)];
    QLabel* label = AddLabel(*window, cell, QString::fromStdString(model.Label(n)));
    window->showFromModel(
        [label, &cell, &model, n] { SetLabelText(*label, cell, QString::fromStdString(model.Label(n))); });
  }
  return window;
}

DialogWindow* MakeNameDialog(TForm1& form, MainWindow& main) {
  return MakeEditDialog(form, main, form.Form3, kNameDialogLayout);
}

DialogWindow* MakeFieldSizeDialog(TForm1& form, MainWindow& main) {
  return MakeEditDialog(form, main, form.Form4, kFieldSizeDialogLayout);
}

}  // namespace vemo::desktop
