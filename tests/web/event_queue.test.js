// The queue between the page and the program, run under node: a wait ends
// on its time or on an event, and nothing of a wait that has ended reaches
// the next one.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { eventQueue } from '../../web/event_queue.js';

const settled = (promise, ms) =>
  Promise.race([promise.then(() => true), new Promise((resolve) => setTimeout(() => resolve(false), ms))]);

test('a wait ends on an event or on its time, and an ended wait leaves the next one waking on events', async () => {
  const { send, take, clear, waitUntil } = eventQueue();
  assert.equal(await settled(waitUntil(-1, true), 30), false, 'no event, no time: it waits');
  send({ type: 1 });
  assert.deepEqual(take(), { type: 1 });

  // A wait whose time has come, ended first by an event: its own late end
  // must not take the wake of the wait after it.
  const due = waitUntil(performance.now() - 1, true);
  send({ type: 2 });
  await due;
  assert.deepEqual(take(), { type: 2 });
  const next = waitUntil(-1, true);
  await new Promise((resolve) => setTimeout(resolve, 10));
  send({ type: 3 });
  assert.equal(await settled(next, 200), true, 'the next wait woke on its event');
  assert.deepEqual(take(), { type: 3 });

  // A wait for the clock alone lets events queue meanwhile.
  const start = performance.now();
  const sleep = waitUntil(start + 25, false);
  send({ type: 4 });
  await sleep;
  assert.ok(performance.now() >= start + 25);
  assert.deepEqual(take(), { type: 4 });
  clear();
  assert.equal(await settled(waitUntil(-1, true), 20), false, 'nothing queued after clearing');
});
