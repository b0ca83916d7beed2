// The player's folder: the program's working folder, kept in the browser's
// persistent storage (IndexedDB, through emscripten's IDBFS) for this site.
// It holds stats.hsf alone. Filled from the storage before the game starts;
// handed back whenever the program has written to it.
'use strict';

tarvikPage.playerFolder = (() => {
  const FOLDER = '/player';
  let writing = false;
  let again = false;

  // Mounts the folder and reads it from the storage; resolves when done.
  function open(FS) {
    FS.mkdir(FOLDER);
    FS.mount(FS.filesystems.IDBFS, {}, FOLDER);
    return new Promise((resolve, reject) => {
      FS.syncfs(true, (error) => (error ? reject(error) : resolve()));
    });
  }

  // Hands the folder to the storage; one write at a time, the last one
  // always after the last change.
  function persist() {
    const FS = Module.FS;
    if (writing) {
      again = true;
      return;
    }
    writing = true;
    FS.syncfs(false, (error) => {
      writing = false;
      if (error) console.warn('Tarvik Solitaire: the results could not be kept:', error);
      if (again) {
        again = false;
        persist();
      }
    });
  }

  // The bytes of stats.hsf as the program last wrote it, or null.
  function statsFile() {
    try {
      return Module.FS.readFile(FOLDER + '/stats.hsf');
    } catch (error) {
      return null;
    }
  }

  return {open, persist, statsFile};
})();
