#pragma once
// Virtual-key codes of the keys the program reacts to, as the desktop reports
// them to the main window and to the dialogs.

namespace vemo::vk {
inline constexpr int kEnter = 13;
inline constexpr int kShift = 16;
inline constexpr int kSpace = 32;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
}  // namespace vemo::vk

namespace vemo {

// The Russian layout: each Cyrillic capital on the key of the US layout that
// carries it, by that key's virtual-key code (the menus' mnemonics answer to
// either letter).
struct LetterOnKey {
  char32_t letter;
  int key;
};
inline constexpr LetterOnKey kRussianLayout[] = {
    {U'Й', 'Q'}, {U'Ц', 'W'}, {U'У', 'E'}, {U'К', 'R'}, {U'Е', 'T'}, {U'Н', 'Y'}, {U'Г', 'U'}, {U'Ш', 'I'},
    {U'Щ', 'O'}, {U'З', 'P'}, {U'Х', 219}, {U'Ъ', 221}, {U'Ф', 'A'}, {U'Ы', 'S'}, {U'В', 'D'}, {U'А', 'F'},
    {U'П', 'G'}, {U'Р', 'H'}, {U'О', 'J'}, {U'Л', 'K'}, {U'Д', 'L'}, {U'Ж', 186}, {U'Э', 222}, {U'Я', 'Z'},
    {U'Ч', 'X'}, {U'С', 'C'}, {U'М', 'V'}, {U'И', 'B'}, {U'Т', 'N'}, {U'Ь', 'M'}, {U'Б', 188}, {U'Ю', 190},
    {U'Ё', 192},
};

}  // namespace vemo
