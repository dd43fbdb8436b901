// SPDX-License-Identifier: GPL-3.0-or-later
// Just enough PNG for the browser tests to read what Qt and Chromium write: 8-bit grey, RGB or RGBA, not interlaced.
import { inflateSync } from 'node:zlib';

const channelsOf = { 0: 1, 2: 3, 4: 2, 6: 4 };

function paeth(a, b, c) {
  const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Undoes each row's filter; `bpp` bytes to a pixel.
function unfilter(raw, width, height, bpp) {
  const stride = width * bpp, out = Buffer.alloc(stride * height);
  for (let y = 0; y < height; ++y) {
    const type = raw[y * (stride + 1)], from = y * (stride + 1) + 1, at = y * stride, up = at - stride;
    for (let i = 0; i < stride; ++i) {
      const a = i >= bpp ? out[at + i - bpp] : 0, b = y > 0 ? out[up + i] : 0;
      let predicted = 0;
      if (type === 1)
        predicted = a;
      else if (type === 2)
        predicted = b;
      else if (type === 3)
        predicted = (a + b) >> 1;
      else if (type === 4)
        predicted = paeth(a, b, i >= bpp && y > 0 ? out[up + i - bpp] : 0);
      out[at + i] = (raw[from + i] + predicted) & 255;
    }
  }
  return out;
}

// { width, height, data }: data RGBA, four bytes a pixel, as a canvas's ImageData holds it.
export function decodePng(bytes) {
  let at = 8, header, chunks = [];
  while (at < bytes.length) {
    const length = bytes.readUInt32BE(at), type = bytes.toString('latin1', at + 4, at + 8);
    const body = bytes.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR')
      header = { width: body.readUInt32BE(0), height: body.readUInt32BE(4), depth: body[8], colour: body[9], interlace: body[12] };
    else if (type === 'IDAT')
      chunks.push(body);
    at += 12 + length;
  }
  const channels = channelsOf[header.colour];
  if (header.depth !== 8 || !channels || header.interlace)
    throw new Error(`a PNG this reader does not take: ${JSON.stringify(header)}`);
  const { width, height } = header;
  const pixels = unfilter(inflateSync(Buffer.concat(chunks)), width, height, channels);
  const data = Buffer.alloc(width * height * 4);
  for (let p = 0; p < width * height; ++p) {
    const s = pixels.subarray(p * channels, (p + 1) * channels);
    const grey = channels <= 2;
    data[p * 4] = s[0];
    data[p * 4 + 1] = grey ? s[0] : s[1];
    data[p * 4 + 2] = grey ? s[0] : s[2];
    data[p * 4 + 3] = channels === 4 ? s[3] : channels === 2 ? s[1] : 255;
  }
  return { width, height, data };
}
