// A static web server for the built site on 127.0.0.1, as a plain host would
// serve it: each file with its type, and with gzip when `gzip` is set and the
// browser asks for it. Counts the bytes it sends, for the benchmark.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';
import { gzipSync } from 'node:zlib';

const TYPES = {
    '.html': 'text/html; charset=utf-8', '.htm': 'text/html; charset=windows-1252',
    '.js': 'text/javascript', '.mjs': 'text/javascript', '.css': 'text/css', '.json': 'application/json',
    '.wasm': 'application/wasm', '.data': 'application/octet-stream', '.jpg': 'image/jpeg',
    '.png': 'image/png', '.cur': 'image/x-icon', '.ico': 'image/x-icon', '.wav': 'audio/wav',
};

// Starts serving `root`; resolves to { url, sent, close } where `sent` lists
// { path, bytes } of every response in order.
export async function serveSite(root, { gzip = false } = {}) {
    const sent = [];
    const server = createServer(async (request, response) => {
        let path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
        if (path.endsWith('/')) path += 'index.html';
        const file = normalize(join(root, path));
        if (!file.startsWith(normalize(root))) {
            response.writeHead(403).end();
            return;
        }
        let body;
        try {
            body = await readFile(file);
        } catch {
            response.writeHead(404).end();
            sent.push({ path, bytes: 0, status: 404 });
            return;
        }
        const headers = { 'Content-Type': TYPES[extname(file).toLowerCase()] ?? 'application/octet-stream',
                          'Cache-Control': 'no-cache' };
        if (gzip && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
            body = gzipSync(body, { level: 6 });
            headers['Content-Encoding'] = 'gzip';
        }
        headers['Content-Length'] = body.length;
        response.writeHead(200, headers).end(body);
        sent.push({ path, bytes: body.length, status: 200 });
    });
    await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
    return {
        url: `http://127.0.0.1:${server.address().port}/`,
        sent,
        close: () => new Promise(resolve => { server.closeAllConnections(); server.close(resolve); }),
    };
}
