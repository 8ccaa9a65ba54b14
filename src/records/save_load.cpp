// Saving the records table, the options and the field size to the records
// file, and loading them back with the tamper check.

#include <random>

#include "records/records_check.h"
#include "records/records_file.h"
#include "shell/form1.h"

namespace vemo {

namespace {
constexpr const char* kCheatWarning = "Внимание!!! Засечён ЛАМЕР все рекорды анулированы.";
}

void TForm1::SaveData() {
  if (State_.FieldSize == 0) State_.FieldSize = kDefaultFieldSize;
  BuildFileImage(FileImage, [this](int n) { return State_.Random(n); });
  desktop_.replaceRecordsFile(JoinLines(FileImage));
}

void TForm1::BuildFileImage(LineImage& image, const RandomDraw& draw) const {
  OptionFlags options{};
  for (std::size_t i = 0; i < options.size(); ++i) options[i] = Menu_.checked(kOptionItems[i]);
  const std::int32_t fieldSize = State_.FieldSize == 0 ? kDefaultFieldSize : State_.FieldSize;
  BuildImage(image, Form2.Rows(), options, fieldSize, draw);
}

std::optional<std::string> TForm1::RecordsFileBytes() const {
  if (!recordsRead_) return std::nullopt;
  // A copy of the generator: taking the bytes leaves the game's own draws as they were.
  std::mt19937 generator = State_.Generator;
  LineImage image = FileImage;
  BuildFileImage(image, [&](int n) { return DrawBelow(generator, n); });
  return JoinLines(image);
}

bool RecordsFileLoads(Desktop& desktop, std::string_view bytes) {
  bool loads = false;
  EnterHandler(desktop, [&] {
    const LineImage image = SplitLines(bytes);
    static_cast<void>(ReadFieldSize(image));
    loads = ReadRecords(image).has_value();
    if (!loads) desktop.messageBox(MessageKind::Warning, kCheatWarning);
  });
  return loads;
}

// Each step that succeeds stays applied when a later one fails.
void TForm1::LoadData() {
  recordsRead_ = true;
  FileImage = SplitLines(desktop_.readRecordsFile());
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
