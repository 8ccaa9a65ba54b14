// Writes the page's side of its interface from the tables in
// web/page_interface.h and shell/look.h, into the folder it is given:
//   event.js   a maker for each event the page queues: keyDown(key) gives
//              { type: 1, a: key }
//   field.js   the field names of the menu, dialog and message descriptions
//   value.js   the names of the kinds and styles they hold
//   look.js    what the page shows as the desktop does: product name, faces,
//              key layout
//   look.css   the same for the style sheet: custom properties and the faces
//   calls.json the page's methods the program calls, for the tests
//   product.txt the product name, for the page's HTML and manifest
//   page-colour.txt the page's colour around the window, for the manifest
// Each script imports a module whole (import * as Event from ...), so that a
// name it lacks stops the bundle.

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

#include "shell/product.h"
#include "shell/virtual_keys.h"
#include "web/page_interface.h"

namespace {

using namespace vemo;
using namespace vemo::web::page;

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + '"';
}

std::string Utf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else {  // the Cyrillic letters take two bytes
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

std::string Events() {
  std::string out;
  for (const EventDescription& e : kEvents) {
    std::string params, fields = "type: " + std::to_string(static_cast<int>(e.type));
    for (const auto& [field, meaning] : {std::pair{"a", e.a}, {"b", e.b}, {"text", e.text}}) {
      if (meaning.empty()) continue;
      params += (params.empty() ? "" : ", ") + std::string(meaning);
      fields += ", " + std::string(field) + ": " + std::string(meaning);
    }
    out += "export const " + std::string(e.maker) + " = (" + params + ") => ({ " + fields + " });\n";
  }
  return out;
}

std::string Names(std::initializer_list<std::string_view> names) {
  std::string out;
  for (const std::string_view name : names) out += "export const " + std::string(name) + " = " + Quoted(name) + ";\n";
  return out;
}

std::string Look() {
  std::string out = "export const productName = " + Quoted(kProductName) + ";\n";
  out += "export const sansFace = " + Quoted(kSansFace) + ";\n";
  out += "export const standIns = {";
  for (const StandIn& s : kStandIns) out += " " + Quoted(s.named) + ": " + Quoted(s.face) + ",";
  out += " };\n// The page's faces, each a family and whether it is the bold one.\nexport const webFaces = [";
  for (const WebFace& f : kWebFaces) out += "[" + Quoted(f.face) + ", " + (f.bold ? "true" : "false") + "], ";
  out += "];\n// The Russian letter on a key, by the key's virtual-key code.\nexport const russianLayout = {";
  for (const LetterOnKey& k : kRussianLayout) out += " " + std::to_string(k.key) + ": \"" + Utf8(k.letter) + "\",";
  return out + " };\n";
}

// #rrggbb
std::string Hex(Rgb colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.r, colour.g, colour.b);
  return text;
}

std::string LookCss() {
  std::string out = "/* Made by the build from the program's tables. */\n";
  for (const WebFace& f : kWebFaces) {
    out += "@font-face { font-family: " + Quoted(f.face) + "; " + (f.bold ? "font-weight: bold; " : "") +
           "src: url(\"fonts/" + std::string(f.file) + "\") format(\"woff2\");";
    if (!f.metrics.empty()) out += " " + std::string(f.metrics) + ";";
    out += " }\n";
  }
  const auto channel = [](std::uint8_t c) { return std::to_string(c); };
  out += ":root { --face: rgb(" + channel(kWindowColour.r) + ", " + channel(kWindowColour.g) + ", " +
         channel(kWindowColour.b) + "); --sans-face: " + Quoted(kSansFace) + "; --message-face: " +
         Quoted(kMessageBoxLayout.font.family) + "; --sans-line-pitch: " + std::to_string(kSansLinePitch) +
         "; --page: " + Hex(kPageColour) + "; }\n";
  return out;
}

std::string Calls() {
  std::string out = "[";
  for (const std::string_view call : kCalls) out += (out.size() > 1 ? ", " : "") + Quoted(call);
  return out + "]\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: boundary_gen FOLDER\n");
    return 2;
  }
#define VEMO_LISTED(n) #n,
  const std::pair<const char*, std::string> files[] = {
      {"event.js", Events()},
      {"field.js", Names({VEMO_PAGE_FIELDS(VEMO_LISTED)})},
      {"value.js", Names({VEMO_PAGE_VALUES(VEMO_LISTED)})},
      {"look.js", Look()},
      {"look.css", LookCss()},
      {"calls.json", Calls()},
      {"product.txt", std::string(kProductName)},
      {"page-colour.txt", Hex(kPageColour)},
  };
#undef VEMO_LISTED
  for (const auto& [name, text] : files) {
    std::ofstream out(std::string(argv[1]) + "/" + name, std::ios::binary);
    out << text;
    if (!out) {
      std::fprintf(stderr, "boundary_gen: cannot write %s\n", name);
      return 1;
    }
  }
  return 0;
}
