// Vemo in the browser: the page loads the records file into the program's
// working directory, then the program runs its main window; a window that
// closes is followed by a fresh start, as a player would start it again.

#include <emscripten.h>
#include <sys/stat.h>

#include <memory>

#include "records/data_file.h"
#include "records/fresh_file.h"
#include "records/records_file.h"
#include "shell/form1.h"
#include "web/page.h"
#include "web/page_window.h"
#include "web/web_desktop.h"

namespace {
// The running program, for the one call the page may make at any time.
const vemo::TForm1* current = nullptr;
}  // namespace

// The records file's bytes from the current table and options, handed to the
// page to keep at once: the page may be hidden and never shown again.
extern "C" EMSCRIPTEN_KEEPALIVE void vemo_keep_records() {
  if (current) vemo::web::page::StoreRecords(current->RecordsFileBytes());
}

int main() {
  // Emscripten starts with a mask of 0777, which would make every new file unreadable.
  ::umask(022);
  // A first visit starts as the desktop launcher does: with a fresh file.
  try {
    vemo::ReadWholeFile(vemo::kRecordsFileName);
  } catch (const vemo::PlatformError&) {
    const std::string fresh = vemo::FreshRecordsFile();
    vemo::ReplaceFile(vemo::kRecordsFileName, fresh);
    vemo::web::page::StoreRecords(fresh);
  }
  vemo::web::WebDesktop desktop;
  for (bool again = true; again;) {
    // A new window's caption, until the program sets its own.
    desktop.setCaption("Vemo");
    auto form = std::make_unique<vemo::TForm1>(desktop);
    vemo::web::PageWindow window(*form);
    desktop.attach(&window);
    current = form.get();
    again = window.run();
    current = nullptr;
    desktop.attach(nullptr);
  }
  vemo::web::page::Ended();
  return 0;
}
