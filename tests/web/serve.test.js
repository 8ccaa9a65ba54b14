// The page's static server, run as tools/web.sh runs it: a request it cannot
// make sense of is answered and the server goes on serving.
import test from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { once } from 'node:events';

const serveScript = new URL('../../tools/serve.mjs', import.meta.url).pathname;

function get(base, target) {
  return new Promise((resolve, reject) => {
    http.get(base + target, (response) => {
      let body = '';
      response.setEncoding('utf8');
      response.on('data', (chunk) => { body += chunk; });
      response.on('end', () => resolve({ status: response.statusCode, body }));
    }).on('error', reject);
  });
}

// The server on a folder of its own holding `files` (name: text), stopped
// and removed when the test ends.
async function serving(t, files) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'vemo-serve-'));
  for (const [name, text] of Object.entries(files)) fs.writeFileSync(path.join(dir, name), text);
  const server = spawn(process.execPath, [serveScript, dir, '0'], { stdio: ['ignore', 'pipe', 'inherit'] });
  t.after(() => { server.kill(); fs.rmSync(dir, { recursive: true }); });
  const [line] = await once(server.stdout, 'data');
  return { dir, server, base: line.toString().match(/http:\/\/127\.0\.0\.1:\d+/)[0] };
}

test('a path with a bad percent escape gets 400 and the server keeps serving', async (t) => {
  const { server, base } = await serving(t, { 'index.html': '<!DOCTYPE html><title>page</title>' });

  for (const bad of ['/%E0%A4%A', '/%', '/fonts/%zz.woff2']) {
    assert.equal((await get(base, bad)).status, 400, bad);
  }
  assert.equal(server.exitCode, null);
  assert.deepEqual(await get(base, '/index.html'), { status: 200, body: '<!DOCTYPE html><title>page</title>' });
  // A name that decodes well but names nothing is still a missing file.
  assert.equal((await get(base, '/%41bsent.html')).status, 404);
});

test('a file is tagged by its content: asked again with its tag, unchanged it is 304, changed it comes whole', async (t) => {
  const { dir, base } = await serving(t, { 'vemo.js': 'one' });
  const ask = (tag) => new Promise((resolve, reject) => {
    http.get(base + '/vemo.js', { headers: tag ? { 'If-None-Match': tag } : {} }, (response) => {
      let body = '';
      response.on('data', (chunk) => { body += chunk; });
      response.on('end', () => resolve({ status: response.statusCode, tag: response.headers.etag, body }));
    }).on('error', reject);
  });
  const first = await ask();
  assert.equal(first.status, 200);
  assert.deepEqual(await ask(first.tag), { status: 304, tag: first.tag, body: '' });
  fs.writeFileSync(path.join(dir, 'vemo.js'), 'two');
  const changed = await ask(first.tag);
  assert.deepEqual([changed.status, changed.body], [200, 'two']);
  assert.notEqual(changed.tag, first.tag);
});
