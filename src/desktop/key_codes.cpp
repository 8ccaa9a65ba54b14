#include "desktop/key_codes.h"

#include <QHash>

#include "shell/virtual_keys.h"

namespace vemo::desktop {

namespace {

// Keys whose code follows from the Qt key alone.
const QHash<int, int>& FixedKeys() {
  static const QHash<int, int> keys{
      {Qt::Key_Backspace, 8},   {Qt::Key_Tab, 9},          {Qt::Key_Backtab, 9},
      {Qt::Key_Clear, 12},      {Qt::Key_Return, 13},      {Qt::Key_Enter, 13},
      {Qt::Key_Shift, 16},      {Qt::Key_Control, 17},     {Qt::Key_Alt, 18},
      {Qt::Key_AltGr, 18},      {Qt::Key_Pause, 19},       {Qt::Key_CapsLock, 20},
      {Qt::Key_Escape, 27},     {Qt::Key_Space, 32},       {Qt::Key_PageUp, 33},
      {Qt::Key_PageDown, 34},   {Qt::Key_End, 35},         {Qt::Key_Home, 36},
      {Qt::Key_Left, 37},       {Qt::Key_Up, 38},          {Qt::Key_Right, 39},
      {Qt::Key_Down, 40},       {Qt::Key_Print, 44},       {Qt::Key_Insert, 45},
      {Qt::Key_Delete, 46},     {Qt::Key_Meta, 91},        {Qt::Key_Super_L, 91},
      {Qt::Key_Super_R, 92},    {Qt::Key_Menu, 93},        {Qt::Key_NumLock, 144},
      {Qt::Key_ScrollLock, 145},
  };
  return keys;
}

// The US keys: shifted symbols count as the key they are on, punctuation gets
// the codes of those keys.
const QHash<int, int>& SymbolKeys() {
  static const QHash<int, int> keys{
      {Qt::Key_ParenRight, '0'}, {Qt::Key_Exclam, '1'},  {Qt::Key_At, '2'},        {Qt::Key_NumberSign, '3'},
      {Qt::Key_Dollar, '4'},     {Qt::Key_Percent, '5'}, {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'},
      {Qt::Key_Asterisk, '8'},   {Qt::Key_ParenLeft, '9'},
      {Qt::Key_Semicolon, 186},  {Qt::Key_Colon, 186},   {Qt::Key_Equal, 187},     {Qt::Key_Plus, 187},
      {Qt::Key_Comma, 188},      {Qt::Key_Less, 188},    {Qt::Key_Minus, 189},     {Qt::Key_Underscore, 189},
      {Qt::Key_Period, 190},     {Qt::Key_Greater, 190}, {Qt::Key_Slash, 191},     {Qt::Key_Question, 191},
      {Qt::Key_QuoteLeft, 192},  {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219}, {Qt::Key_BraceLeft, 219},
      {Qt::Key_Backslash, 220},  {Qt::Key_Bar, 220},     {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221},
      {Qt::Key_Apostrophe, 222}, {Qt::Key_QuoteDbl, 222},
  };
  return keys;
}

// The Russian layout: each Cyrillic capital (its Qt key) on the US key that carries it.
const QHash<int, int>& CyrillicKeys() {
  static const QHash<int, int> keys = [] {
    QHash<int, int> made;
    for (const LetterOnKey& key : kRussianLayout) made.insert(static_cast<int>(key.letter), key.key);
    return made;
  }();
  return keys;
}

// The number pad with Num Lock on: digits and operators have codes of their own.
int KeypadKey(int qtKey) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 96 + (qtKey - Qt::Key_0);
  switch (qtKey) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period: return 110;
    case Qt::Key_Comma: return 110;
    case Qt::Key_Slash: return 111;
    default: return 0;
  }
}

}  // namespace

int CyrillicOnKey(int latinQtKey) {
  if (latinQtKey < Qt::Key_A || latinQtKey > Qt::Key_Z) return 0;
  for (auto it = CyrillicKeys().begin(); it != CyrillicKeys().end(); ++it) {
    if (it.value() == latinQtKey) return it.key();
  }
  return 0;
}

int VirtualKeyFor(int qtKey, Qt::KeyboardModifiers modifiers) {
  // Letters may come in either case depending on the platform's key mapping.
  if (qtKey > 0 && qtKey < 0x10000) qtKey = static_cast<int>(QChar::toUpper(static_cast<char32_t>(qtKey)));
  if (modifiers.testFlag(Qt::KeypadModifier)) {
    if (const int code = KeypadKey(qtKey)) return code;
  }
  if (const auto it = FixedKeys().find(qtKey); it != FixedKeys().end()) return it.value();
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey;  // the same ASCII codes
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;
  if (const auto it = SymbolKeys().find(qtKey); it != SymbolKeys().end()) return it.value();
  if (const auto it = CyrillicKeys().find(qtKey); it != CyrillicKeys().end()) return it.value();
  return kUnknownKey;
}

}  // namespace vemo::desktop
