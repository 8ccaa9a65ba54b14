// The program and its page agree on the page's methods: the ones the
// program's code calls, the ones the page installs and the ones the
// interface's description names (the build writes them to calls.json) are
// the same. The events and the descriptions' fields need no test: a script
// that names one the description lacks does not bundle.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { start, site } from './browser.js';

const described = JSON.parse(fs.readFileSync(path.join(site, '../src/web/page/boundary/calls.json'), 'utf8')).sort();

test('the program calls the described methods of the page, each of them and no other', () => {
  const program = fs.readFileSync(path.join(site, 'vemo.js'), 'utf8');
  const called = new Set([...program.matchAll(/Module\.vemoPage\.(\w+)/g)].map((m) => m[1]));
  assert.deepEqual([...called].sort(), described);
});

test('the page installs the described methods, each of them and no other', async () => {
  const browser = await start();
  try {
    const page = await browser.page();
    const installed = await page.evaluate(() => Object.keys(Module.vemoPage));
    assert.deepEqual(installed.sort(), described);
  } finally {
    await browser.stop();
  }
});
