#include "web/page_json.h"

#include <cstdio>
#include <string_view>

#include "shell/form1.h"
#include "shell/message_box_layout.h"
#include "shell/product.h"
#include "web/page_interface.h"

namespace vemo::web {

namespace {

namespace field = page::field;
namespace value = page::value;

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
  j.key(field::name).str(name).key(field::x).num(x).key(field::y).num(y);
  j.key(field::width).num(width).key(field::height).num(height);
}

void Font(Json& j, const FontLayout& font) {
  j.key(field::font).open('{');
  j.key(field::family).str(font.family).key(field::px).num(font.pixelHeight).key(field::bold).flag(font.bold);
  j.close('}');
}

void Window(Json& j, const WindowLayout& window) {
  j.key(field::caption).str(window.caption);
  j.key(field::width).num(window.clientWidth).key(field::height).num(window.clientHeight);
  Font(j, window.font);
}

void Label(Json& j, const LabelLayout& label, std::string_view text) {
  j.item().open('{');
  Box(j, label.name, label.x, label.y, label.width, label.height);
  Font(j, label.font);
  j.key(field::right).flag(label.align == TextAlign::Right);
  j.key(field::wrap).flag(label.wordWrap).key(field::clip).flag(label.clip);
  j.key(field::text).str(label.text.empty() ? text : label.text);
  j.close('}');
}

const char* BevelStyleName(BevelStyle style) {
  switch (style) {
    case BevelStyle::RaisedPanel: return value::panel.data();
    case BevelStyle::SunkenBox: return value::sunken.data();
    case BevelStyle::VerticalLine: return value::vline.data();
  }
  return "";
}

void Bevel(Json& j, const BevelLayout& bevel) {
  j.item().open('{');
  Box(j, bevel.name, bevel.x, bevel.y, bevel.width, bevel.height);
  j.key(field::style).str(BevelStyleName(bevel.style));
  j.close('}');
}

void Edit(Json& j, const EditLayout& edit) {
  j.key(field::edits).open('[').item().open('{');
  Box(j, edit.name, edit.x, edit.y, edit.width, edit.height);
  j.key(field::maxLength).num(edit.maxLength);
  j.close('}').close(']');
}

void AboutBox(Json& j) {
  const AboutBoxLayout& layout = kAboutBoxLayout;
  Window(j, layout.window);
  j.key(field::bevels).open('[');
  Bevel(j, layout.panel1);
  j.close(']');
  j.key(field::pictures).open('[').item().open('{');
  const PictureLayout& icon = layout.programIcon;
  Box(j, icon.name, icon.x, icon.y, icon.width, icon.height);
  j.close('}').close(']');
  j.key(field::labels).open('[');
  for (const LabelLayout* label : {&layout.productName, &layout.ver, &layout.label1, &layout.comments})
    Label(j, *label, {});
  j.close(']');
  const ButtonLayout& ok = layout.okButton;
  j.key(field::buttons).open('[').item().open('{');
  Box(j, ok.name, ok.x, ok.y, ok.width, ok.height);
  j.key(field::text).str(ok.text).key(field::isDefault).flag(ok.isDefault);
  j.close('}').close(']');
}

void RecordsView(Json& j, const TForm2& model) {
  const RecordsViewLayout& layout = kRecordsViewLayout;
  Window(j, layout.window);
  j.key(field::bevels).open('[');
  for (const BevelLayout* bevel : {&layout.bevel1, &layout.bevel2, &layout.bevel3}) Bevel(j, *bevel);
  j.close(']');
  j.key(field::labels).open('[');
  for (int n = 1; n <= kRecordsCellCount; ++n) Label(j, layout.cells[static_cast<std::size_t>(n - 1)], model.Label(n));
  j.close(']');
}

void EditDialog(Json& j, const EditDialogLayout& layout) {
  Window(j, layout.window);
  j.key(field::labels).open('[');
  Label(j, layout.label1, {});
  j.close(']');
  Edit(j, layout.edit1);
}

const char* MessageKindName(MessageKind kind) {
  switch (kind) {
    case MessageKind::Information: return value::information.data();
    case MessageKind::Warning: return value::warning.data();
    case MessageKind::Error: return value::error.data();
  }
  return "";
}

void MessageLayout(Json& j) {
  const MessageBoxLayout& m = kMessageBoxLayout;
  j.key(field::layout).open('{');
  Font(j, m.font);
  j.key(field::lineHeight).num(m.lineHeight).key(field::margin).num(m.margin).key(field::iconSize).num(m.iconSize);
  j.key(field::textX).num(m.textX).key(field::spacing).num(m.spacing);
  j.key(field::buttonWidth).num(m.buttonWidth).key(field::buttonHeight).num(m.buttonHeight);
  j.key(field::softLimitCap).num(m.softLimitCap).key(field::smallScreen).num(m.smallScreen);
  j.key(field::hardLimitInset).num(m.hardLimitInset).key(field::hardLimitCap).num(m.hardLimitCap);
  j.close('}');
}

}  // namespace

const char* DialogKindName(DialogKind kind) {
  switch (kind) {
    case DialogKind::About: return value::about.data();
    case DialogKind::Records: return value::records.data();
    case DialogKind::NameEntry: return value::name.data();
    case DialogKind::FieldSize: return value::fieldSize.data();
  }
  return "";
}

std::string MenuJson(const MenuModel& model) {
  Json j;
  j.open('{').key(field::top).open('[');
  for (const std::string& name : model.topLevel()) j.item().str(name);
  j.close(']').key(field::items).open('{');
  for (const MenuItem& item : model.items()) {
    j.key(item.name).open('{');
    j.key(field::caption).str(item.caption).key(field::shortcut).str(item.shortcut);
    j.key(field::checked).flag(item.checked).key(field::enabled).flag(item.enabled);
    j.key(field::children).open('[');
    for (const std::string& child : item.children) j.item().str(child);
    j.close(']').key(field::more).open('[');
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
  j.open('{').key(field::kind).str(MessageKindName(kind));
  j.key(field::caption).str(kProductName).key(field::text).str(text);
  MessageLayout(j);
  j.close('}');
  return j.take();
}

}  // namespace vemo::web
