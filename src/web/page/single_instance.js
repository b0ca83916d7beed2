// One copy of the game per browser and site, as one copy runs per folder on
// the desktop: the first tab holds a Web Lock for as long as it is open; a
// second tab finds it held, gives way, says so, and neither loads nor saves
// the results, so it can never save over the first tab's.
//
// A Web Lock rather than a question over a BroadcastChannel: the browser
// itself frees the lock when the holding tab closes, crashes or is
// discarded, as the desktop's file lock goes with its process; a channel
// needs an answer within a guessed time, and a tab that is busy or frozen in
// the background would not answer, and both tabs would run.
'use strict';

// Everything the page's scripts share; the program reaches it by name.
var tarvikPage = {};

tarvikPage.singleInstance = (() => {
  const LOCK_NAME = 'tarvik-solitaire';
  let release = null;

  // Resolves true when this tab holds the lock (or the browser has no Web
  // Locks, and so no second tab can be told apart), false when another has it.
  function claim() {
    if (!navigator.locks) return Promise.resolve(true);
    return new Promise((resolve) => {
      navigator.locks.request(LOCK_NAME, {ifAvailable: true}, (lock) => {
        if (!lock) {
          resolve(false);
          return undefined;
        }
        resolve(true);
        return new Promise((done) => { release = done; });
      });
    });
  }

  // The game has ended in this tab: another may now start.
  function give() {
    if (release) release();
    release = null;
  }

  return {claim, give};
})();
