// One live game per browser profile and address. The tab that holds the
// lock runs the program; any other tab shows a notice with a button to play
// there. Pressing it takes the lock from the holder, which keeps its records,
// stops its program and shows the same notice; the taker starts only once the
// holder has stopped (or has not answered for a while: a frozen tab), so it
// reads the records the holder kept. A tab that closes lets go of the lock,
// and a waiting tab then starts by itself. Without the Web Locks API every
// tab plays on its own, as before.

import { productName } from 'vemo-boundary/look.js';

const lockName = 'vemo.game';
// How long a taker waits for a holder that does not say it has stopped.
const holderSilenceMs = 3000;

// `notice(shown)` shows or hides the notice; `stop()` asks the running
// program to keep its records and stop, after which it asks for its turn again.
export function oneGamePerAddress({ notice, stop }) {
  const locks = navigator.locks;
  if (!locks || typeof BroadcastChannel === 'undefined') return { turn: async () => {}, playHere() {} };

  const channel = new BroadcastChannel(lockName);
  let holding = false;
  let running = false;     // the program runs (or is about to start) in this tab
  let stopping = false;    // the lock was taken: the program is stopping
  let startTurn = null;    // resolves the program's wait for its turn
  let waiting = null;      // aborts this tab's place in the lock's queue
  let holderStopped = null;

  channel.onmessage = ({ data }) => {
    if (data === 'stopped') holderStopped?.();
  };

  function granted() {
    holding = true;
    waiting = null;
    notice(false);
    running = true;
    startTurn?.();
    startTurn = null;
    // Held for the page's life, or until another tab takes it.
    return new Promise(() => {});
  }

  function taken() {
    holding = false;
    if (running) {
      stopping = true;
      stop();
    } else {
      channel.postMessage('stopped');
    }
  }

  // `whenFree` runs when the lock is this tab's (with null when it was asked
  // for only if free and is not).
  function request(options, whenFree) {
    locks.request(lockName, options, whenFree).catch((error) => {
      // Taken by a tab that pressed its button; an abandoned place in the queue is no loss.
      if (holding) taken();
      else if (error.name !== 'AbortError') console.warn(`${productName}: the game lock failed:`, error);
    });
  }

  function queue() {
    notice(true);
    waiting = new AbortController();
    request({ signal: waiting.signal }, granted);
  }

  return {
    // Resolves when this tab may run the program: at once for the holder,
    // otherwise once the lock comes to it.
    turn() {
      return new Promise((resolve) => {
        if (holding) return resolve();
        startTurn = resolve;
        if (stopping) {
          // The program has stopped after the lock was taken: the taker may start.
          stopping = false;
          running = false;
          channel.postMessage('stopped');
          queue();
          return;
        }
        request({ ifAvailable: true }, (lock) => {
          if (lock) return granted();
          queue();
          return null;
        });
      });
    },
    // The notice's button: the game moves to this tab.
    playHere() {
      if (holding) return;
      waiting?.abort();
      waiting = null;
      const stopped = new Promise((resolve) => {
        holderStopped = resolve;
        setTimeout(resolve, holderSilenceMs);
      });
      request({ steal: true }, async () => {
        await stopped;
        holderStopped = null;
        return granted();
      });
    },
  };
}
