// A static server for the built page: node tools/serve.mjs DIR [PORT]
// Listens on 127.0.0.1 only and prints the address (port 0: any free port).
import crypto from 'node:crypto';
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm', '.woff2': 'font/woff2', '.copyright': 'text/plain; charset=utf-8',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png',
};

export function serve(root, port = 0) {
  const server = http.createServer((request, response) => {
    let name;
    try {
      name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    } catch {
      // A bad percent escape or address: the request's fault, not the server's end.
      response.writeHead(400).end('bad request');
      return;
    }
    let file = path.join(root, path.normalize(name).replace(/^(\.\.[/\\])+/, ''));
    if (file.endsWith(path.sep)) file = path.join(file, 'index.html');
    fs.readFile(file, (error, body) => {
      if (error) {
        response.writeHead(404).end('not found');
        return;
      }
      // Each response is checked again before use; an unchanged file is then
      // answered by its tag alone (the service worker's fetches after a first
      // visit cost no second download).
      const tag = `"${crypto.createHash('sha256').update(body).digest('base64url').slice(0, 22)}"`;
      const headers = { 'Content-Type': types[path.extname(file)] ?? 'application/octet-stream',
                        'Cache-Control': 'no-cache', ETag: tag };
      if (request.headers['if-none-match'] === tag) {
        response.writeHead(304, headers).end();
        return;
      }
      response.writeHead(200, headers);
      response.end(body);
    });
  });
  return new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve(server)));
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const server = await serve(process.argv[2] ?? '.', Number(process.argv[3] ?? 8017));
  console.log(`Vemo: http://127.0.0.1:${server.address().port}/`);
}
