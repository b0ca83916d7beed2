// Pictures as RGBA bytes: PNG files decoded (8-bit RGB or RGBA, not
// interlaced: what Qt and the browser write) and two pictures compared.
import { inflateSync } from 'node:zlib';

// { width, height, rgba } of a PNG file's bytes; throws on any other kind.
export function decodePng(bytes) {
    if (bytes.readUInt32BE(0) !== 0x89504e47) throw new Error('not a PNG file');
    let at = 8, width = 0, height = 0, channels = 0;
    const data = [];
    while (at < bytes.length) {
        const length = bytes.readUInt32BE(at);
        const type = bytes.toString('latin1', at + 4, at + 8);
        const chunk = bytes.subarray(at + 8, at + 8 + length);
        if (type === 'IHDR') {
            width = chunk.readUInt32BE(0);
            height = chunk.readUInt32BE(4);
            const [depth, colour, , , interlace] = chunk.subarray(8, 13);
            channels = { 2: 3, 6: 4 }[colour];
            if (depth !== 8 || !channels || interlace !== 0) throw new Error('a PNG kind not read here');
        } else if (type === 'IDAT') {
            data.push(chunk);
        }
        at += 12 + length;
    }
    const raw = inflateSync(Buffer.concat(data));
    const stride = width * channels;
    const rows = Buffer.alloc(stride * height);
    for (let y = 0; y < height; ++y) {
        const filter = raw[y * (stride + 1)];
        const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
        for (let x = 0; x < stride; ++x) {
            const a = x >= channels ? rows[y * stride + x - channels] : 0;
            const b = y > 0 ? rows[(y - 1) * stride + x] : 0;
            const c = x >= channels && y > 0 ? rows[(y - 1) * stride + x - channels] : 0;
            let p = line[x];
            if (filter === 1) p += a;
            else if (filter === 2) p += b;
            else if (filter === 3) p += (a + b) >> 1;
            else if (filter === 4) {
                const e = a + b - c, da = Math.abs(e - a), db = Math.abs(e - b), dc = Math.abs(e - c);
                p += da <= db && da <= dc ? a : db <= dc ? b : c;
            }
            rows[y * stride + x] = p & 0xff;
        }
    }
    const rgba = Buffer.alloc(width * height * 4, 255);
    for (let i = 0; i < width * height; ++i) rows.copy(rgba, i * 4, i * channels, i * channels + 3);
    return { width, height, rgba };
}

// How far apart two pictures of one size are: the largest difference of any
// channel, and the share of pixels with a channel more than `near` apart.
export function comparePictures(a, b, near) {
    if (a.width !== b.width || a.height !== b.height) {
        return { sameSize: false, largest: 255, farShare: 1 };
    }
    let largest = 0, far = 0;
    for (let i = 0; i < a.width * a.height; ++i) {
        let pixel = 0;
        for (let c = 0; c < 3; ++c) pixel = Math.max(pixel, Math.abs(a.rgba[i * 4 + c] - b.rgba[i * 4 + c]));
        largest = Math.max(largest, pixel);
        if (pixel > near) ++far;
    }
    return { sameSize: true, largest, farShare: far / (a.width * a.height) };
}

// True when the picture is not one colour all over.
export function hasDetail(picture) {
    const { rgba } = picture;
    for (let i = 4; i < rgba.length; i += 4) {
        if (rgba[i] !== rgba[0] || rgba[i + 1] !== rgba[1] || rgba[i + 2] !== rgba[2]) return true;
    }
    return false;
}
