// The page's start and its part of the game: claims the one copy, fetches
// the program and its data side by side, has the browser decode the
// pictures, opens the player's folder, sizes the canvas to the window at the
// screen's pixel ratio, starts the game and hands it the page's events. The
// program calls back into tarvikPage for the services of its platform layer
// (web/platform/*_web.cpp).
'use strict';

(() => {
  const page = tarvikPage;
  const canvas = document.getElementById('canvas');
  const GAME_FOLDER = '/game';
  const BACKGROUND_FOLDER = 'Backgrounds';
  const CURSOR_TYPE = 2;  // the type field of a .cur file's header
  let running = false;
  let firstPressDone = false;

  function setState(state) {
    document.body.dataset.state = state;
  }

  function say(html) {
    const message = document.getElementById('page-message');
    message.innerHTML = html;
    message.hidden = false;
  }

  async function fetchBytes(path) {
    const response = await fetch(path);
    if (!response.ok) throw new Error(path + ': ' + response.status);
    return new Uint8Array(await response.arrayBuffer());
  }

  // ---- pictures: decoded by the browser, exact for the opaque PNGs ----
  const pictures = new Map();  // key -> {width, height, rgba}
  async function decode(blob) {
    const bitmap = await createImageBitmap(blob, {premultiplyAlpha: 'none', colorSpaceConversion: 'none'});
    const surface = new OffscreenCanvas(bitmap.width, bitmap.height);
    const context = surface.getContext('2d', {willReadFrequently: true});
    context.drawImage(bitmap, 0, 0);
    const data = context.getImageData(0, 0, bitmap.width, bitmap.height).data;
    bitmap.close();
    return {width: surface.width, height: surface.height,
            rgba: new Uint8Array(data.buffer, data.byteOffset, data.byteLength)};
  }

  // store.pack: each picture's id and byte count (little-endian 32-bit), then its PNG.
  async function decodeStore(pack) {
    const view = new DataView(pack.buffer, pack.byteOffset, pack.byteLength);
    const work = [];
    for (let at = 0; at + 8 <= pack.length;) {
      const id = view.getUint32(at, true);
      const size = view.getUint32(at + 4, true);
      const png = pack.subarray(at + 8, at + 8 + size);
      at += 8 + size;
      work.push(decode(new Blob([png], {type: 'image/png'})).then((picture) => pictures.set('store:' + id, picture)));
    }
    await Promise.all(work);
  }

  async function decodeCloth(name) {
    const path = BACKGROUND_FOLDER + '/' + name;
    const response = await fetch(path);
    if (!response.ok) return;
    pictures.set(path, await decode(await response.blob()));
  }

  page.pictures = {
    get: (key) => pictures.get(key),
    openStore: () => ([...pictures.keys()].some((key) => key.startsWith('store:')) ? 1 : 0),
    // The textures hold the pictures now: the page forgets its copies.
    closeStore: () => {
      for (const key of [...pictures.keys()]) if (key.startsWith('store:')) pictures.delete(key);
    },
  };

  // ---- the game's files on the server ----
  let fileList = {backgrounds: []};
  page.files = {
    list(folder, suffix) {
      if (folder !== BACKGROUND_FOLDER) return [];
      return fileList.backgrounds.filter((name) => name.endsWith(suffix)).sort();
    },
  };
  page.openDocument = (address) => window.open(address, '_blank', 'noopener');

  // ---- the tick, through Web Audio once the player has pressed something ----
  page.sound = (() => {
    let context = null;
    const waves = new Map();  // path -> AudioBuffer
    async function load(path) {
      try {
        const bytes = await fetchBytes(path);
        waves.set(path, await context.decodeAudioData(bytes.buffer));
      } catch (error) {
        waves.set(path, null);  // no such file, or no wave: it plays nothing
      }
    }
    function start() {
      if (context || !window.AudioContext) return;
      context = new AudioContext();
      load('tick.wav');
    }
    function play(path) {
      if (!context) return;
      if (!waves.has(path)) {
        load(path);
        return;
      }
      const wave = waves.get(path);
      if (!wave) return;
      const source = context.createBufferSource();
      source.buffer = wave;
      source.connect(context.destination);
      source.start();
    }
    return {start, play};
  })();

  // ---- the pointer cursors: the browser shows .cur files itself ----
  page.cursors = (() => {
    const loaded = [null];  // handle -> CSS cursor; 0 is the blank pointer
    const files = new Map();  // path -> bytes, fetched at the start
    return {
      fetch: async (path) => {
        try {
          files.set(path, await fetchBytes(path));
        } catch (error) {
          files.set(path, null);
        }
      },
      load(path) {
        const bytes = files.get(path);
        if (!bytes || bytes.length < 22) return 0;
        const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
        if (view.getUint16(0, true) !== 0 || view.getUint16(2, true) !== CURSOR_TYPE || view.getUint16(4, true) < 1) {
          return 0;
        }
        const hotX = view.getUint16(10, true);
        const hotY = view.getUint16(12, true);
        loaded.push(`url("${path}") ${hotX} ${hotY}, default`);
        return loaded.length - 1;
      },
      show(handle) {
        canvas.style.cursor = loaded[handle] || 'none';
      },
    };
  })();

  // ---- messages and the end ----
  page.errorBox = (text) => window.alert(text);
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
    for (const name of ['mousedown', 'keydown']) {
      window.addEventListener(name, () => {
        if (!firstPressDone) {
          firstPressDone = true;
          page.sound.start();
        }
      }, {capture: true});
    }
    new ResizeObserver(() => resize()).observe(document.getElementById('table'));
    window.addEventListener('resize', resize);
    document.addEventListener('visibilitychange', () => {
      if (calls()) Module._WebVisibilityChanged(document.visibilityState === 'visible' ? 1 : 0);
    });
    window.addEventListener('pagehide', () => {
      if (calls()) Module._WebPageHidden();
    });
  }

  function canvasSize() {
    const table = document.getElementById('table');
    const ratio = window.devicePixelRatio || 1;
    return [Math.max(1, Math.round(table.clientWidth * ratio)), Math.max(1, Math.round(table.clientHeight * ratio))];
  }

  function resize() {
    const [width, height] = canvasSize();
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
      const bytes = new Uint8Array(await chosen.arrayBuffer());
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
        onAbort: reject,
      };
      const script = document.createElement('script');
      script.src = 'tarvik-solitaire.js';
      script.onerror = () => reject(new Error('tarvik-solitaire.js'));
      document.body.appendChild(script);
    });
  }

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
    const [ui, files, pack, glyphs] = await Promise.all(
        [fetchJson('ui.json'), fetchJson('files.json'), fetchBytes('store.pack'), fetchBytes('glyphs.bin')]);
    fileList = files;
    page.menuBar.build(ui.menu, (command) => {
      if (calls()) Module._WebMenuCommand(command);
    });
    page.dialogs.build(ui.dialogs, ui.link, (dialog, control) => Module._WebDialogCommand(dialog, control));
    const cloths = page.files.list(BACKGROUND_FOLDER, '.jpg');
    await Promise.all([
      program, decodeStore(pack), cloths.length ? decodeCloth(cloths[0]) : null,
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
    running = true;
    setState('running');
    if (!Module._WebStart(width, height)) {
      running = false;
      if (document.body.dataset.state === 'running') setState('failed');
      return;
    }
    // The other cloths are needed on the next half minute at the earliest.
    for (const name of cloths.slice(1)) await decodeCloth(name);
  }

  start().catch((error) => {
    console.error('Tarvik Solitaire could not start:', error);
    setState('failed');
    say('Tarvik Solitaire could not start in this browser: ' + String(error.message || error));
  });
})();
