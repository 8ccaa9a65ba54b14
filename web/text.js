// Text on the drawing surface: laid out as the desktop lays out a label (left
// or centred, wrapped at blanks, cut at the box) and turned into two colours,
// since the game reads its pixels back and grey edges would be neither.

const families = { 'Arial': 'Vemo Sans', 'MS Sans Serif': 'Vemo Sans', 'Tempus Sans ITC': 'Vemo Script' };

export function cssFont(family, px, bold) {
  return `${bold ? 'bold ' : ''}${px}px "${families[family] ?? family}", "Vemo Sans", sans-serif`;
}

let scratch = null;

function wrapLines(ctx, text, width) {
  const lines = [];
  for (const paragraph of text.split('\n')) {
    let line = '';
    for (const word of paragraph.split(/(?<= )/)) {
      const tried = line + word;
      if (line && ctx.measureText(tried.trimEnd()).width > width) {
        lines.push(line.trimEnd());
        line = word.trimStart();
      } else {
        line = tried;
      }
    }
    lines.push(line.trimEnd());
  }
  return lines;
}

// Fills `mask` (width x height, one byte a pixel) with 255 where the text
// has ink and returns [x, y, w, h] of the part of the box the text takes.
export function textMask(width, height, text, family, px, bold, centred, wrap, mask) {
  scratch ??= document.createElement('canvas');
  scratch.width = width;
  scratch.height = height;
  const ctx = scratch.getContext('2d', { willReadFrequently: true });
  ctx.font = cssFont(family, px, bold);
  const metrics = ctx.measureText('Ag');
  const ascent = Math.round(metrics.fontBoundingBoxAscent);
  const lineHeight = ascent + Math.round(metrics.fontBoundingBoxDescent);
  const lines = wrap ? wrapLines(ctx, text, width) : [text];
  ctx.fillStyle = '#000';
  ctx.textBaseline = 'alphabetic';
  let widest = 0;
  lines.forEach((line, i) => {
    const w = Math.ceil(ctx.measureText(line).width);
    widest = Math.max(widest, w);
    const x = centred ? Math.floor((width - w) / 2) : 0;
    ctx.fillText(line, x, ascent + i * lineHeight);
  });
  const pixels = ctx.getImageData(0, 0, width, height).data;
  for (let i = 0; i < mask.length; i++) mask[i] = pixels[i * 4 + 3] >= 128 ? 255 : 0;
  const usedW = Math.min(widest, width);
  const usedX = centred ? Math.max(0, Math.floor((width - widest) / 2)) : 0;
  return [usedX, 0, usedW, Math.min(lines.length * lineHeight, height)];
}
