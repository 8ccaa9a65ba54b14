// The fonts of the page's own text (dialogs, message boxes): the faces the
// desktop program uses for the names the program asks for. The drawing
// surface's texts are stamps built into the program.

import { sansFace, standIns } from 'vemo-boundary/look.js';

export function cssFont(family, px, bold) {
  return `${bold ? 'bold ' : ''}${px}px "${standIns[family] ?? family}", "${sansFace}", sans-serif`;
}
