// Draws the page's icons, the beam on its pin and rocker under its load, as
// PNG files of the given sizes; the same bytes from every build.
//
//   node make_icons.mjs FOLDER SIZE...    (writes FOLDER/icon-SIZE.png)
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { deflateSync } from 'node:zlib';

const BACKGROUND = [0x1e, 0x3a, 0x5f];
const BEAM = [0xe0, 0xa4, 0x58];
const DRAWN = [0xf4, 0xf4, 0xf4];
const SAMPLES = 4; // per side of a pixel, for smooth edges

// The shapes, in a square from 0 to 1: what colour a point is.
const inside = {
  rectangle: (x, y, [left, top, right, bottom]) => x >= left && x <= right && y >= top && y <= bottom,
  triangle: (x, y, [ax, ay, bx, by, cx, cy]) => {
    const side = (px, py, qx, qy) => (qx - px) * (y - py) - (qy - py) * (x - px);
    const [p, q, r] = [side(ax, ay, bx, by), side(bx, by, cx, cy), side(cx, cy, ax, ay)];
    return (p >= 0 && q >= 0 && r >= 0) || (p <= 0 && q <= 0 && r <= 0);
  },
  circle: (x, y, [cx, cy, radius]) => (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2,
};
const SHAPES = [
  ['rectangle', [0.47, 0.14, 0.53, 0.4], DRAWN], // the load, and its head
  ['triangle', [0.4, 0.38, 0.6, 0.38, 0.5, 0.5], DRAWN],
  ['rectangle', [0.12, 0.5, 0.88, 0.58], BEAM],
  ['triangle', [0.2, 0.58, 0.1, 0.76, 0.3, 0.76], DRAWN], // the pin at A
  ['triangle', [0.8, 0.58, 0.71, 0.72, 0.89, 0.72], DRAWN], // the rocker at B
  ['circle', [0.75, 0.77, 0.045], DRAWN],
  ['circle', [0.85, 0.77, 0.045], DRAWN],
  ['rectangle', [0.06, 0.83, 0.94, 0.86], DRAWN], // the ground
];

function colourAt(x, y) {
  for (const [shape, where, colour] of SHAPES) {
    if (inside[shape](x, y, where)) return colour;
  }
  return BACKGROUND;
}

const CRC_TABLE = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let bit = 0; bit < 8; bit += 1) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  return c >>> 0;
});

function crc32(bytes) {
  let crc = 0xffffffff;
  for (const byte of bytes) crc = CRC_TABLE[(crc ^ byte) & 0xff] ^ (crc >>> 8);
  return (crc ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
  const typed = Buffer.concat([Buffer.from(type, 'latin1'), data]);
  const length = Buffer.alloc(4);
  length.writeUInt32BE(data.length);
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(typed));
  return Buffer.concat([length, typed, crc]);
}

function png(size) {
  const rows = Buffer.alloc(size * (size * 3 + 1)); // each row: filter 0, then RGB
  for (let y = 0; y < size; y += 1) {
    for (let x = 0; x < size; x += 1) {
      const sum = [0, 0, 0];
      for (let sample = 0; sample < SAMPLES * SAMPLES; sample += 1) {
        const colour = colourAt((x + ((sample % SAMPLES) + 0.5) / SAMPLES) / size,
          (y + (Math.floor(sample / SAMPLES) + 0.5) / SAMPLES) / size);
        colour.forEach((value, channel) => { sum[channel] += value; });
      }
      sum.forEach((value, channel) => {
        rows[y * (size * 3 + 1) + 1 + x * 3 + channel] = Math.round(value / SAMPLES ** 2);
      });
    }
  }
  const header = Buffer.alloc(13);
  header.writeUInt32BE(size, 0);
  header.writeUInt32BE(size, 4);
  header.set([8, 2, 0, 0, 0], 8); // 8 bits, RGB, deflate, no filter, no interlace
  return Buffer.concat([Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
    chunk('IHDR', header), chunk('IDAT', deflateSync(rows, { level: 9 })), chunk('IEND', Buffer.alloc(0))]);
}

const [folder, ...sizes] = process.argv.slice(2);
for (const size of sizes) writeFileSync(join(folder, `icon-${size}.png`), png(Number(size)));
