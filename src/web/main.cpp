// Vemo in the browser: the program runs its main window; a window that closes
// is followed by a fresh start, as a player would start it again, and so is a
// game that another tab took and gave back. The records file is the one the
// page keeps for its address.

#include <emscripten.h>

#include <memory>
#include <optional>
#include <string>

#include "records/fresh_file.h"
#include "shell/form1.h"
#include "shell/product.h"
#include "web/page.h"
#include "web/page_window.h"
#include "web/web_desktop.h"

namespace {
// The running program, for the one call the page may make at any time.
const vemo::TForm1* current = nullptr;
}  // namespace

// Keeps the records file's bytes from the current table and options at once:
// the page may be hidden and never shown again. False when the browser
// refused them.
extern "C" EMSCRIPTEN_KEEPALIVE int vemo_keep_records() {
  if (!current) return 1;
  const std::optional<std::string> bytes = current->RecordsFileBytes();
  return !bytes || vemo::web::page::StoreRecords(*bytes) ? 1 : 0;
}

// Keeps a new player's records file, where the page keeps none yet: the file
// the program reads then. False when the browser refused it.
extern "C" EMSCRIPTEN_KEEPALIVE int vemo_keep_fresh_records() {
  return vemo::web::page::StoreRecords(vemo::FreshRecordsFile()) ? 1 : 0;
}

int main() {
  using End = vemo::web::PageWindow::End;
  vemo::web::WebDesktop desktop;
  for (End end = End::Closed; end != End::Quit;) {
    vemo::web::page::WaitForTurn();
    // A new window's caption, until the program sets its own.
    desktop.setCaption(std::string(vemo::kProductName));
    auto form = std::make_unique<vemo::TForm1>(desktop);
    vemo::web::PageWindow window(*form);
    desktop.attach(&window);
    current = form.get();
    end = window.run();
    current = nullptr;
    desktop.attach(nullptr);
    if (end != End::Quit) vemo::web::page::StartAfresh();
  }
  vemo::web::page::Ended();
  return 0;
}
