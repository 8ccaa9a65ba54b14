// Saving the records table, the options and the field size to the records
// file, and loading them back with the tamper check.

#include "records/data_file.h"
#include "records/records_file.h"
#include "shell/form1.h"

namespace vemo {

namespace {
constexpr const char* kCheatWarning = "Внимание!!! Засечён ЛАМЕР все рекорды анулированы.";
}

void TForm1::SaveData() {
  OptionFlags options{};
  for (std::size_t i = 0; i < options.size(); ++i) options[i] = Menu_.checked(kOptionItems[i]);
  if (State_.FieldSize == 0) State_.FieldSize = kDefaultFieldSize;
  BuildImage(FileImage, Form2.Rows(), options, State_.FieldSize, [this](int n) { return State_.Random(n); });
  ReplaceFile(kRecordsFileName, JoinLines(FileImage));
}

// Each step that succeeds stays applied when a later one fails.
void TForm1::LoadData() {
  FileImage = SplitLines(ReadWholeFile(kRecordsFileName));
  State_.FieldSize = ReadFieldSize(FileImage);
  const OptionFlags options = ReadOptions(FileImage);
  for (std::size_t i = 0; i < options.size(); ++i) Menu_.setChecked(kOptionItems[i], options[i]);

  if (const std::optional<RecordRows> rows = ReadRecords(FileImage)) {
    Form2.SetRows(*rows);
  } else {
    desktop_.messageBox(MessageKind::Warning, kCheatWarning);
    Form2.SetRows(BuiltInRows());
    SaveData();
  }
  desktop_.setCursorVisible(CursorOn());
}

}  // namespace vemo
