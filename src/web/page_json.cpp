#include "web/page_json.h"
#include "shell/product.h"

#include <cstdio>
#include <string_view>

#include "shell/form1.h"
#include "shell/message_box_layout.h"

namespace vemo::web {

namespace {

// A JSON writer just big enough for these descriptions.
class Json {
 public:
  Json& raw(std::string_view text) {
    out_ += text;
    return *this;
  }
  Json& str(std::string_view text) {
    out_ += '"';
    for (const char c : text) {
      switch (c) {
        case '"': out_ += "\\\""; break;
        case '\\': out_ += "\\\\"; break;
        case '\n': out_ += "\\n"; break;
        default:
          if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out_ += escaped;
          } else {
            out_ += c;
          }
      }
    }
    out_ += '"';
    return *this;
  }
  Json& key(std::string_view name) {
    comma();
    return str(name).raw(":");
  }
  Json& num(int value) { return raw(std::to_string(value)); }
  Json& flag(bool value) { return raw(value ? "true" : "false"); }
  // Separates the elements of arrays.
  Json& item() {
    comma();
    return *this;
  }
  Json& open(char bracket) {
    out_ += bracket;
    first_ = true;
    return *this;
  }
  Json& close(char bracket) {
    out_ += bracket;
    first_ = false;
    return *this;
  }
  std::string take() { return std::move(out_); }

 private:
  void comma() {
    if (!first_) out_ += ',';
    first_ = false;
  }
  std::string out_;
  bool first_ = true;
};

void Box(Json& j, std::string_view name, int x, int y, int width, int height) {
  j.key("name").str(name).key("x").num(x).key("y").num(y).key("width").num(width).key("height").num(height);
}

void Font(Json& j, const FontLayout& font) {
  j.key("font").open('{');
  j.key("family").str(font.family).key("px").num(font.pixelHeight).key("bold").flag(font.bold);
  j.close('}');
}

void Window(Json& j, const WindowLayout& window) {
  j.key("caption").str(window.caption).key("width").num(window.clientWidth).key("height").num(window.clientHeight);
  Font(j, window.font);
}

void Label(Json& j, const LabelLayout& label, std::string_view text) {
  j.item().open('{');
  Box(j, label.name, label.x, label.y, label.width, label.height);
  Font(j, label.font);
  j.key("right").flag(label.align == TextAlign::Right).key("wrap").flag(label.wordWrap).key("clip").flag(label.clip);
  j.key("text").str(label.text.empty() ? text : label.text);
  j.close('}');
}

const char* BevelStyleName(BevelStyle style) {
  switch (style) {
    case BevelStyle::RaisedPanel: return "panel";
    case BevelStyle::SunkenBox: return "sunken";
    case BevelStyle::VerticalLine: return "vline";
  }
  return "";
}

void Bevel(Json& j, const BevelLayout& bevel) {
  j.item().open('{');
  Box(j, bevel.name, bevel.x, bevel.y, bevel.width, bevel.height);
  j.key("style").str(BevelStyleName(bevel.style));
  j.close('}');
}

void Edit(Json& j, const EditLayout& edit) {
  j.key("edits").open('[').item().open('{');
  Box(j, edit.name, edit.x, edit.y, edit.width, edit.height);
  j.key("maxLength").num(edit.maxLength);
  j.close('}').close(']');
}

void AboutBox(Json& j) {
  const AboutBoxLayout& layout = kAboutBoxLayout;
  Window(j, layout.window);
  j.key("bevels").open('[');
  Bevel(j, layout.panel1);
  j.close(']');
  j.key("pictures").open('[').item().open('{');
  const PictureLayout& icon = layout.programIcon;
  Box(j, icon.name, icon.x, icon.y, icon.width, icon.height);
  j.close('}').close(']');
  j.key("labels").open('[');
  for (const LabelLayout* label : {&layout.productName, &layout.ver, &layout.label1, &layout.comments})
    Label(j, *label, {});
  j.close(']');
  const ButtonLayout& ok = layout.okButton;
  j.key("buttons").open('[').item().open('{');
  Box(j, ok.name, ok.x, ok.y, ok.width, ok.height);
  j.key("text").str(ok.text).key("isDefault").flag(ok.isDefault);
  j.close('}').close(']');
}

void RecordsView(Json& j, const TForm2& model) {
  const RecordsViewLayout& layout = kRecordsViewLayout;
  Window(j, layout.window);
  j.key("bevels").open('[');
  for (const BevelLayout* bevel : {&layout.bevel1, &layout.bevel2, &layout.bevel3}) Bevel(j, *bevel);
  j.close(']');
  j.key("labels").open('[');
  for (int n = 1; n <= kRecordsCellCount; ++n) Label(j, layout.cells[static_cast<std::size_t>(n - 1)], model.Label(n));
  j.close(']');
}

void EditDialog(Json& j, const EditDialogLayout& layout) {
  Window(j, layout.window);
  j.key("labels").open('[');
  Label(j, layout.label1, {});
  j.close(']');
  Edit(j, layout.edit1);
}

const char* MessageKindName(MessageKind kind) {
  switch (kind) {
    case MessageKind::Information: return "information";
    case MessageKind::Warning: return "warning";
    case MessageKind::Error: return "error";
  }
  return "";
}

void MessageLayout(Json& j) {
  const MessageBoxLayout& m = kMessageBoxLayout;
  j.key("layout").open('{');
  Font(j, m.font);
  j.key("lineHeight").num(m.lineHeight).key("margin").num(m.margin).key("iconSize").num(m.iconSize);
  j.key("textX").num(m.textX).key("spacing").num(m.spacing);
  j.key("buttonWidth").num(m.buttonWidth).key("buttonHeight").num(m.buttonHeight);
  j.key("softLimitCap").num(m.softLimitCap).key("smallScreen").num(m.smallScreen);
  j.key("hardLimitInset").num(m.hardLimitInset).key("hardLimitCap").num(m.hardLimitCap);
  j.close('}');
}

}  // namespace

const char* DialogKindName(DialogKind kind) {
  switch (kind) {
    case DialogKind::About: return "about";
    case DialogKind::Records: return "records";
    case DialogKind::NameEntry: return "name";
    case DialogKind::FieldSize: return "fieldSize";
  }
  return "";
}

std::string MenuJson(const MenuModel& model) {
  Json j;
  j.open('{').key("top").open('[');
  for (const std::string& name : model.topLevel()) j.item().str(name);
  j.close(']').key("items").open('{');
  for (const MenuItem& item : model.items()) {
    j.key(item.name).open('{');
    j.key("caption").str(item.caption).key("shortcut").str(item.shortcut);
    j.key("checked").flag(item.checked).key("enabled").flag(item.enabled);
    j.key("children").open('[');
    for (const std::string& child : item.children) j.item().str(child);
    j.close(']').key("more").open('[');
    for (const std::string& more : item.moreShortcuts) j.item().str(more);
    j.close(']').close('}');
  }
  j.close('}').close('}');
  return j.take();
}

std::string DialogJson(const TForm1& form, const Dialog& dialog) {
  Json j;
  j.open('{');
  switch (dialog.kind()) {
    case DialogKind::About: AboutBox(j); break;
    case DialogKind::Records: RecordsView(j, form.Form2); break;
    case DialogKind::NameEntry: EditDialog(j, kNameDialogLayout); break;
    case DialogKind::FieldSize: EditDialog(j, kFieldSizeDialogLayout); break;
  }
  j.close('}');
  return j.take();
}

std::string MessageJson(MessageKind kind, const std::string& text) {
  Json j;
  j.open('{').key("kind").str(MessageKindName(kind)).key("caption").str(kProductName).key("text").str(text);
  MessageLayout(j);
  j.close('}');
  return j.take();
}

}  // namespace vemo::web
