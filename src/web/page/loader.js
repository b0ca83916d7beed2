// The page's start and its part of the game: claims the one copy, fetches
// the program and its data side by side, has the browser decode the
// pictures, opens the player's folder, sizes the canvas to the window at the
// screen's pixel ratio, starts the game and hands it the page's events, the
// two links' files and the end.
'use strict';

(() => {
  const page = tarvikPage;
  const canvas = document.getElementById('canvas');
  const GAME_FOLDER = '/game';
  const BACKGROUND_FOLDER = 'Backgrounds';
  let STATS_FILE_SIZE = 0;  // from ui.json, as the store states it
  let statsRecords = 0;   // where the program keeps its records (WebStatsRecords)
  let running = false;
  let firstPressDone = false;
  let observedSize = null;  // the canvas in device pixels, as the browser last measured it

  function setState(state) {
    document.body.dataset.state = state;
  }

  function say(html) {
    const message = document.getElementById('page-message');
    message.innerHTML = html;
    message.hidden = false;
  }

  // ---- the end ----
  page.ended = () => {
    running = false;
    page.playerFolder.persist();
    page.singleInstance.give();
    setState('ended');
    say('Tarvik Solitaire has ended. Your results are kept in this browser.<br>' +
        '<a id="play-again" href="">Play again</a>');
  };

  // ---- the page's events, handed to the game ----
  // While the program waits for the name question nothing may call into it
  // (its stack is set aside); the modal layer keeps input away, and the
  // rest waits until the answer is in.
  const calls = () => running && !page.dialogs.asking();

  function devicePixels(event) {
    const box = canvas.getBoundingClientRect();
    return [Math.floor((event.clientX - box.left) * canvas.width / box.width),
            Math.floor((event.clientY - box.top) * canvas.height / box.height)];
  }

  function listen() {
    canvas.addEventListener('mousemove', (event) => {
      if (calls()) Module._WebPointerMoved(...devicePixels(event));
    });
    canvas.addEventListener('mousedown', (event) => {
      if (event.button !== 0 || !calls()) return;
      canvas.focus();
      // The second press of a double click is the double click, not a press.
      Module._WebPointerPressed(...devicePixels(event), event.detail > 1 && event.detail % 2 === 0 ? 1 : 0);
    });
    canvas.addEventListener('mouseup', (event) => {
      if (event.button === 0 && calls()) Module._WebPointerReleased(...devicePixels(event));
    });
    canvas.addEventListener('contextmenu', (event) => event.preventDefault());
    // A finger or a pen is the left button: press, drag and let go. Its
    // pointer events stand in for the mouse events a browser would make up
    // from a tap, which would come late and without the drag.
    const touching = (event) => event.pointerType !== 'mouse' && event.isPrimary && calls();
    canvas.addEventListener('pointerdown', (event) => {
      if (!touching(event)) return;
      event.preventDefault();
      canvas.setPointerCapture(event.pointerId);
      Module._WebPointerMoved(...devicePixels(event));
      Module._WebPointerPressed(...devicePixels(event), 0);
    });
    canvas.addEventListener('pointermove', (event) => {
      if (touching(event)) Module._WebPointerMoved(...devicePixels(event));
    });
    canvas.addEventListener('pointerup', (event) => {
      if (touching(event)) Module._WebPointerReleased(...devicePixels(event));
    });
    for (const name of ['mousedown', 'keydown']) {
      window.addEventListener(name, () => {
        if (!firstPressDone) {
          firstPressDone = true;
          page.sound.start();
        }
      }, {capture: true});
    }
    // The canvas's size in device pixels, also when only the screen's density
    // changes (another screen, the browser's zoom).
    const observer = new ResizeObserver((entries) => {
      const box = entries[0].devicePixelContentBoxSize;
      observedSize = box ? [box[0].inlineSize, box[0].blockSize] : null;
      resize();
    });
    try {
      observer.observe(canvas, {box: 'device-pixel-content-box'});
    } catch (error) {
      observer.observe(canvas);
    }
    // Hidden or going: the results are kept. While the program waits for the
    // name question the page keeps its records itself.
    const keepWhileAsking = () => {
      if (running && page.dialogs.asking()) {
        page.playerFolder.keepRecords(Module.HEAPU8.slice(statsRecords, statsRecords + STATS_FILE_SIZE));
      }
    };
    document.addEventListener('visibilitychange', () => {
      if (calls()) Module._WebVisibilityChanged(document.visibilityState === 'visible' ? 1 : 0);
      else if (document.visibilityState === 'hidden') keepWhileAsking();
    });
    window.addEventListener('pagehide', () => {
      if (calls()) Module._WebPageHidden();
      else keepWhileAsking();
    });
  }

  function canvasSize() {
    const table = document.getElementById('table');
    const ratio = window.devicePixelRatio || 1;
    return [Math.max(1, Math.round(table.clientWidth * ratio)), Math.max(1, Math.round(table.clientHeight * ratio))];
  }

  // Also after the name question, which holds back the sizes it was shown.
  page.resize = resize;
  function resize() {
    const [width, height] = observedSize || canvasSize();
    if (width === canvas.width && height === canvas.height) return;
    canvas.width = width;
    canvas.height = height;
    if (calls()) Module._WebResized(width, height);
  }


  // ---- the two links ----
  function links() {
    const download = document.getElementById('download-stats');
    download.addEventListener('click', (event) => {
      if (!calls() || !Module._WebSaveStatsForDownload()) {
        event.preventDefault();
        return;
      }
      const bytes = page.playerFolder.statsFile();
      if (!bytes) {
        event.preventDefault();
        return;
      }
      if (download.href.startsWith('blob:')) URL.revokeObjectURL(download.href);
      download.href = URL.createObjectURL(new Blob([bytes], {type: 'application/octet-stream'}));
    });
    const load = document.getElementById('load-stats');
    const file = document.getElementById('load-stats-file');
    load.addEventListener('click', (event) => {
      event.preventDefault();
      if (calls()) file.click();
    });
    file.addEventListener('change', async () => {
      const chosen = file.files[0];
      file.value = '';
      if (!chosen || !calls()) return;
      // Only the first 961 bytes can matter: a huge file is never read whole.
      const bytes = new Uint8Array(await chosen.slice(0, STATS_FILE_SIZE).arrayBuffer());
      const at = Module._malloc(Math.max(1, bytes.length));
      Module.HEAPU8.set(bytes, at);
      Module._WebLoadStatsFile(at, bytes.length);
      Module._free(at);
    });
  }

  // ---- the start ----
  function loadProgram() {
    return new Promise((resolve, reject) => {
      window.Module = {
        canvas,
        doNotCaptureKeyboard: true,
        onRuntimeInitialized: resolve,
        // Before the start the start fails; after it the game has stopped.
        onAbort: (what) => {
          reject(new Error(String(what)));
          if (!running) return;
          running = false;
          setState('failed');
          say('Tarvik Solitaire has stopped: ' + String(what) + '<br><a id="play-again" href="">Play again</a>');
        },
      };
      const script = document.createElement('script');
      script.src = 'tarvik-solitaire.js';
      script.onerror = () => reject(new Error('tarvik-solitaire.js'));
      document.body.appendChild(script);
    });
  }

  const fetchBytes = page.fetchBytes;
  async function fetchJson(path) {
    const response = await fetch(path);
    if (!response.ok) throw new Error(path + ': ' + response.status);
    return response.json();
  }

  async function start() {
    if (!await page.singleInstance.claim()) {
      setState('gave-way');
      say('Tarvik Solitaire is already open in another tab or window of this browser. This one has ' +
          'given way, so that the two never save over each other\'s results: play on in the other one.<br>' +
          '<a id="try-again" href="">Try again</a>');
      return;
    }
    const program = loadProgram();
    program.catch(() => {});  // its failure is reported where it is awaited
    const [ui, files, pack, glyphs] = await Promise.all(
        [fetchJson('ui.json'), fetchJson('files.json'), fetchBytes('store.pack'), fetchBytes('glyphs.bin')]);
    page.files.setList(files);
    STATS_FILE_SIZE = ui.names.STATS_FILE_SIZE;
    page.menuBar.build(ui.menu, (command) => {
      if (calls()) Module._WebMenuCommand(command);
    });
    page.dialogs.build(ui.dialogs, ui.link, ui.names, (dialog, control) => Module._WebDialogCommand(dialog, control));
    const cloths = page.files.list(BACKGROUND_FOLDER, '.jpg');
    await Promise.all([
      program, page.pictures.decodeStore(pack), cloths.length ? page.pictures.decodeCloth(cloths[0]) : null,
      page.cursors.fetch('harrow.cur'), page.cursors.fetch('hnwse.cur'),
    ]);
    const FS = Module.FS;
    FS.mkdir(GAME_FOLDER);
    FS.writeFile(GAME_FOLDER + '/glyphs.bin', glyphs);
    await page.playerFolder.open(FS);
    const [width, height] = canvasSize();
    canvas.width = width;
    canvas.height = height;
    listen();
    links();
    statsRecords = Module._WebStatsRecords();
    running = true;
    setState('running');
    if (!Module._WebStart(width, height)) {
      running = false;
      if (document.body.dataset.state === 'running') setState('failed');
      return;
    }
    // The other cloths are needed on the next half minute at the earliest.
    for (const name of cloths.slice(1)) await page.pictures.decodeCloth(name);
  }

  start().catch((error) => {
    console.error('Tarvik Solitaire could not start:', error);
    setState('failed');
    // A page opened as a file may not fetch the files beside it.
    say(location.protocol === 'file:'
        ? 'Tarvik Solitaire runs from a web server, not from a file: serve this folder (scripts/web.sh --serve) ' +
          'and open its address.'
        : 'Tarvik Solitaire could not start in this browser: ' + String(error.message || error));
  });
})();
