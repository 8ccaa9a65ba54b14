#include "shell/desktop.h"

#include "records/data_file.h"
#include "records/records_file.h"

namespace vemo {

std::string Desktop::readRecordsFile() { return ReadWholeFile(kRecordsFileName); }

void Desktop::replaceRecordsFile(std::string_view bytes) { ReplaceFile(kRecordsFileName, bytes); }

}  // namespace vemo
