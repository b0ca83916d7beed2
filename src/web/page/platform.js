// The page's side of the program's platform layer (web/platform/*_web.cpp
// call these by name): the pictures, decoded by the browser before the
// program asks for them (decoding in a browser never blocks); the names of
// the game's files on the server; the tick through Web Audio; the pointer
// cursors; documents and the error box.
'use strict';

(() => {
  const page = tarvikPage;
  const canvas = document.getElementById('canvas');
  const BACKGROUND_FOLDER = 'Backgrounds';
  const CURSOR_TYPE = 2;  // the type field of a .cur file's header

  async function fetchBytes(path) {
    const response = await fetch(path);
    if (!response.ok) throw new Error(path + ': ' + response.status);
    return new Uint8Array(await response.arrayBuffer());
  }
  page.fetchBytes = fetchBytes;

  // ---- pictures, exact for the opaque PNGs ----
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
    decodeStore,
    decodeCloth,
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
    setList: (list) => { fileList = list; },
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


  page.errorBox = (text) => window.alert(text);
})();
