// Colours travel as colour texts: a name of the table below in any letter case, or a number
// (decimal, or hexadecimal after "$" or "0x") whose low byte is red, then green, then blue.

const NAMED = [
  ['clBlack', 0x000000], ['clMaroon', 0x000080], ['clGreen', 0x008000], ['clOlive', 0x008080],
  ['clNavy', 0x800000], ['clPurple', 0x800080], ['clTeal', 0x808000], ['clGray', 0x808080],
  ['clSilver', 0xc0c0c0], ['clRed', 0x0000ff], ['clLime', 0x00ff00], ['clYellow', 0x00ffff],
  ['clBlue', 0xff0000], ['clFuchsia', 0xff00ff], ['clAqua', 0xffff00], ['clWhite', 0xffffff],
];
// The platform's own colours have no fixed value; the browser shows them as a light theme would.
const SYSTEM = {
  clscrollbar: '#c8c8c8', clbackground: '#000000', clactivecaption: '#99b4d1', clinactivecaption: '#bfcddb',
  clmenu: '#f0f0f0', clwindow: '#ffffff', clwindowframe: '#646464', clmenutext: '#000000',
  clwindowtext: '#000000', clcaptiontext: '#000000', clactiveborder: '#b4b4b4', clinactiveborder: '#f4f7fc',
  clappworkspace: '#ababab', clhighlight: '#3399ff', clhighlighttext: '#ffffff', clbtnface: '#f0f0f0',
  clbtnshadow: '#a0a0a0', clgraytext: '#6d6d6d', clbtntext: '#000000', clinactivecaptiontext: '#000000',
  clbtnhighlight: '#ffffff', cl3ddkshadow: '#696969', cl3dlight: '#e3e3e3', clinfotext: '#000000',
  clinfobk: '#ffffe1',
};

function hex2(n) {
  return n.toString(16).padStart(2, '0');
}

function valueToCss(value) {
  const v = value >>> 0;
  return `#${hex2(v & 0xff)}${hex2((v >>> 8) & 0xff)}${hex2((v >>> 16) & 0xff)}`;
}

// The CSS colour of a colour text; null when the text is not one.
export function readColour(text) {
  if (typeof text !== 'string') return null;
  const lower = text.toLowerCase();
  for (const [name, value] of NAMED) if (name.toLowerCase() === lower) return valueToCss(value);
  if (lower in SYSTEM) return SYSTEM[lower];
  const m = /^\s*([-+]?)(?:\$([0-9a-f]{1,8})|0x([0-9a-f]{1,8})|(\d{1,10}))$/i.exec(text);
  if (!m) return null;
  let value = m[2] !== undefined ? parseInt(m[2], 16) : m[3] !== undefined ? parseInt(m[3], 16) : Number(m[4]);
  if (m[1] === '-') value = -value;
  if ((value >>> 0) & 0x80000000) return '#f0f0f0';
  return valueToCss(value);
}

// The colour text of an "#rrggbb" colour: its name when it has one, else "$" and eight digits.
export function writeColour(css) {
  const r = parseInt(css.slice(1, 3), 16);
  const g = parseInt(css.slice(3, 5), 16);
  const b = parseInt(css.slice(5, 7), 16);
  const value = r | (g << 8) | (b << 16);
  for (const [name, v] of NAMED) if (v === value) return name;
  return `$${value.toString(16).toUpperCase().padStart(8, '0')}`;
}

// The drawing palette, row by row, as the desktop board offers it.
export const PALETTE = [
  '#ffffff', '#ff0000', '#00ff00', '#0000ff',
  '#bfd7bf', '#000000', '#7f0000', '#007f00',
  '#00007f', '#9fbfef', '#bfbfbf', '#ffff00',
  '#00ffff', '#ff00ff', '#fff7ef', '#7f7f7f',
  '#7f7f00', '#007f7f', '#7f007f', '#9f9f9f',
];
export const WIDTHS = [1, 3, 6, 10, 16, 24];

// Line colours of the game's own lines.
export const STATUS = '#acaa8a';
export const WATCH = '#9c9878';
export const ALERT = '#0000ff';
