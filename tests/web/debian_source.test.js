// tools/debian_source.sh: the private source list of the page's build follows
// the machine's own apt sources, in either of their formats.
import test from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

const script = new URL('../../tools/debian_source.sh', import.meta.url).pathname;

// An apt configuration made of `files` (paths under the apt directory) and an
// os-release; the entry the script prints for it.
function sourceFor(files, codename = 'bookworm') {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'vemo-apt-'));
  try {
    fs.mkdirSync(path.join(dir, 'apt/sources.list.d'), { recursive: true });
    for (const [name, text] of Object.entries(files)) fs.writeFileSync(path.join(dir, 'apt', name), text);
    fs.writeFileSync(path.join(dir, 'os-release'), `NAME="Debian GNU/Linux"\nVERSION_CODENAME=${codename}\n`);
    return execFileSync('bash', [script, path.join(dir, 'apt'), path.join(dir, 'os-release')],
                        { encoding: 'utf8', stdio: ['ignore', 'pipe', 'pipe'] }).trim();
  } finally {
    fs.rmSync(dir, { recursive: true });
  }
}

test('deb822: the release entry, not security or a disabled one, with its keyring file', () => {
  const sources = `Types: deb
URIs: http://security.example/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

# kept for later
Types: deb deb-src
Enabled: no
URIs: http://old.example/debian
Suites: bookworm
Components: main

Types: deb
# a comment inside the entry
URIs: http://mirror.example/debian
Suites: bookworm bookworm-updates
Components: main contrib
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
`;
  assert.equal(sourceFor({ 'sources.list.d/debian.sources': sources }),
               'deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://mirror.example/debian bookworm main');
});

test('deb822: a key written inside the entry is left to apt\'s own keyrings', () => {
  const sources = `Types: deb
URIs: http://mirror.example/debian
Suites: trixie
Components: main
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBGPL
 -----END PGP PUBLIC KEY BLOCK-----
`;
  assert.equal(sourceFor({ 'sources.list.d/debian.sources': sources }, 'trixie'),
               'deb-src http://mirror.example/debian trixie main');
});

test('one-line format: options, comments and entries without main', () => {
  const list = `# deb http://commented.example/debian bookworm main
deb http://contrib-only.example/debian bookworm contrib
deb [ arch=amd64 signed-by=/etc/apt/keyrings/local.gpg ] http://mirror.example/debian/ stable main non-free-firmware
deb http://security.example/debian-security bookworm-security main
`;
  assert.equal(sourceFor({ 'sources.list': list }),
               'deb-src [signed-by=/etc/apt/keyrings/local.gpg] http://mirror.example/debian/ stable main');
});

test('only suffixed suites: the mirror of the first entry and the release from os-release', () => {
  const list = 'deb http://mirror.example/debian bookworm-updates main\n';
  assert.equal(sourceFor({ 'sources.list': list }), 'deb-src http://mirror.example/debian bookworm main');
});

test('no Debian entry at all stops the build with a reason', () => {
  assert.throws(() => sourceFor({ 'sources.list': 'deb http://mirror.example/debian bookworm contrib\n' }),
                /no deb entry with the main component/);
});
