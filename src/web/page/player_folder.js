// The player's folder: the program's working folder, kept in the browser's
// persistent storage for this site through emscripten's IDBFS (an IndexedDB
// database named after the folder). It holds stats.hsf alone. Filled from
// the storage before the game starts; stats.hsf handed back whenever the
// program has written it.
'use strict';

tarvikPage.playerFolder = (() => {
  const FOLDER = '/player';
  const STATS = FOLDER + '/stats.hsf';

  // Mounts the folder and reads it from the storage; resolves when done.
  function open(FS) {
    FS.mkdir(FOLDER);
    FS.mount(FS.filesystems.IDBFS, {}, FOLDER);
    return new Promise((resolve, reject) => {
      FS.syncfs(true, (error) => (error ? reject(error) : resolve()));
    });
  }

  // Hands stats.hsf to the storage as IDBFS keeps a file, in one request
  // made at once: a page being closed or reloaded still gets it written,
  // where IDBFS's own syncfs would first read the database back, and the
  // page would be gone before it came to writing.
  function persist() {
    const FS = Module.FS;
    const IDBFS = FS.filesystems.IDBFS;
    const db = IDBFS.dbs[FOLDER];
    if (!db) return;
    IDBFS.loadLocalEntry(STATS, (error, entry) => {
      if (error) return;  // not written yet: nothing to keep
      const transaction = db.transaction([IDBFS.DB_STORE_NAME], 'readwrite');
      transaction.onerror = () => console.warn('Tarvik Solitaire: the results could not be kept:', transaction.error);
      transaction.objectStore(IDBFS.DB_STORE_NAME).put(entry, STATS);
      // Sent now, not when the page's task ends: a page that is going aborts
      // what it has not committed.
      if (transaction.commit) transaction.commit();
    });
  }

  // The program's 961 record bytes written as stats.hsf by the page itself,
  // and kept: what SaveStats writes, for the one time the program cannot be
  // called, while it waits for the name question.
  function keepRecords(bytes) {
    try {
      Module.FS.writeFile(STATS, bytes);
    } catch (error) {
      return;
    }
    persist();
  }

  // The bytes of stats.hsf as the program last wrote it, or null.
  function statsFile() {
    try {
      return Module.FS.readFile(STATS);
    } catch (error) {
      return null;
    }
  }

  return {open, persist, keepRecords, statsFile};
})();
