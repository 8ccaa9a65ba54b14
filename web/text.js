// The fonts of the page's own text (dialogs, message boxes): the faces the
// desktop program uses under the names the program asks for. The drawing
// surface's texts are stamps built into the program.

const families = { 'Arial': 'Vemo Sans', 'MS Sans Serif': 'Vemo Sans', 'Tempus Sans ITC': 'Vemo Script' };

export function cssFont(family, px, bold) {
  return `${bold ? 'bold ' : ''}${px}px "${families[family] ?? family}", "Vemo Sans", sans-serif`;
}
