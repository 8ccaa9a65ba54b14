// The queue between the page and the program's event loop. The page sends
// events; the program takes them one at a time and, with none left, waits
// for the next one or for its clock (an Asyncify sleep on the promise of
// waitUntil).

// A moment's pause for the browser, without the delay of a timeout.
const channel = new MessageChannel();
const yielded = [];
channel.port1.onmessage = () => yielded.shift()?.();
channel.port1.unref?.();  // under node, for the tests: the port keeps no process alive
function yieldNow() {
  return new Promise((resolve) => { yielded.push(resolve); channel.port2.postMessage(0); });
}

export function eventQueue() {
  const queue = [];
  let wake = null;  // ends the wait in progress, if it wakes on events

  function send(event) {
    queue.push(event);
    if (wake) wake();
  }

  // Resolves once performance.now() reaches untilMs (never, when negative)
  // or, with wakeOnEvent, once an event is queued.
  function waitUntil(untilMs, wakeOnEvent) {
    return new Promise((resolve) => {
      let timer = 0;
      let finished = false;
      // Once only: a yield or timer of this wait may still come after an
      // event ended it, and must then leave the next wait's wake alone.
      const done = () => {
        if (finished) return;
        finished = true;
        clearTimeout(timer);
        if (wake === done) wake = null;
        resolve();
      };
      if (wakeOnEvent) {
        if (queue.length) return done();
        wake = done;
      }
      const arm = () => {
        const left = untilMs - performance.now();
        if (untilMs < 0 || finished) return;
        if (left <= 0) done();
        else if (left < 1) yieldNow().then(arm);
        else timer = setTimeout(arm, Math.ceil(left));
      };
      if (untilMs >= 0 && untilMs <= performance.now()) yieldNow().then(done);
      else arm();
    });
  }

  return {
    send,
    take: () => queue.shift(),
    clear: () => { queue.length = 0; },
    waitUntil,
  };
}
