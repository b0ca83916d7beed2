// The program's four dialogs as modal HTML, built from its dialog tables
// (ui.json): every control at its place and size in dialog units, in the
// tables' tab order, earlier controls lying above later ones. The program
// fills the fields and answers the buttons (web/score_dialogs.cpp); the name
// question is answered here and handed back as Windows-1252 bytes.
'use strict';

tarvikPage.dialogs = (() => {
  // The kinds, flags and numbers of the tables, as ui.json names them.
  let BUTTON, TEXT, GROUP_BOX, EDIT, ICON;
  let DEFAULT, RIGHT, CENTRED, BORDER, MIDDLE, NO_WRAP;
  // CONTROL_CANCEL: Escape, and the close box of a dialog with a caption.
  let CONTROL_OK, CONTROL_CANCEL, DIALOG_NAME_ENTRY, CONTROL_NAME_FIELD, CONTROL_PRODUCT_LINK;
  const ICON_SIDE = 32;  // a dialog's icon is shown at the system's icon size, whatever its box
  // Pixels per dialog unit: a quarter of the dialog font's average character
  // width across, an eighth of its height down, as Windows measures its
  // dialog fonts at 96 dots an inch (MS Sans Serif 8: 6 x 13; System: 8 x 16).
  const FONTS = {
    'MS Sans Serif': {x: 6 / 4, y: 13 / 8, css: '8pt "MS Sans Serif", "Microsoft Sans Serif", Tahoma, "Liberation Sans", Arial, sans-serif'},
    'System': {x: 8 / 4, y: 16 / 8, css: 'bold 10pt Tahoma, "Liberation Sans", Arial, sans-serif'},
  };

  const layer = () => document.getElementById('dialog-layer');
  const tables = new Map();  // dialog id -> element
  let onButton = () => {};
  let open_ = null;          // the open dialog's element
  let nameAnswer = null;     // resolves the open name question

  // Windows-1252 both ways: the records are bytes, the page's texts Unicode.
  const decoder = new TextDecoder('windows-1252');
  const codes = new Map();
  for (let b = 0; b < 256; ++b) codes.set(decoder.decode(new Uint8Array([b])), b);
  const QUESTION_MARK = 0x3f;
  function encode(text) {
    return Uint8Array.from([...text], (c) => (codes.has(c) ? codes.get(c) : QUESTION_MARK));
  }

  function controlId(dialog, id) {
    return 'control-' + dialog + '-' + id;
  }

  function makeControl(table, control, index, units, link) {
    const element = document.createElement(control.kind === BUTTON ? 'button' :
                                           control.kind === EDIT ? 'input' : 'div');
    element.classList.add('dialog-control');
    if (control.id !== -1) element.id = controlId(table.id, control.id);
    // Whole pixels, as Windows rounds dialog units: rows of text keep an even step.
    element.style.left = Math.round(control.x * units.x) + 'px';
    element.style.top = Math.round(control.y * units.y) + 'px';
    element.style.width = Math.round(control.width * units.x) + 'px';
    element.style.height = Math.round(control.height * units.y) + 'px';
    element.style.zIndex = String(table.controls.length - index);
    if (control.flags & RIGHT) element.classList.add('right');
    if (control.flags & CENTRED) element.classList.add('centred');
    if (control.flags & BORDER) element.classList.add('border');
    if (control.flags & MIDDLE) element.classList.add('middle');
    if (control.flags & NO_WRAP) element.classList.add('no-wrap');
    switch (control.kind) {
      case BUTTON:
        element.classList.add('button');
        element.type = 'button';
        element.textContent = control.text;
        if (control.flags & DEFAULT) element.classList.add('default');
        element.addEventListener('click', () => press(table.id, control.id));
        break;
      case TEXT:
        element.classList.add('text');
        if (control.id === CONTROL_PRODUCT_LINK) {
          const anchor = document.createElement('a');
          anchor.href = link.page;
          anchor.target = '_blank';
          anchor.rel = 'noopener';
          anchor.textContent = control.text;
          anchor.style.color = `rgb(${link.red}, ${link.green}, ${link.blue})`;
          element.appendChild(anchor);
        } else {
          element.textContent = control.text;
        }
        break;
      case GROUP_BOX: {
        element.classList.add('group');
        const frame = document.createElement('div');
        frame.className = 'frame';
        const title = document.createElement('span');
        title.className = 'title';
        title.textContent = control.text;
        element.append(frame, title);
        break;
      }
      case EDIT:
        element.classList.add('edit');
        element.type = 'text';
        element.spellcheck = false;
        element.autocomplete = 'off';
        break;
      case ICON: {
        element.classList.add('icon');
        const picture = document.createElement('img');
        picture.src = 'icon.png';
        picture.width = picture.height = ICON_SIDE;
        picture.alt = '';
        element.appendChild(picture);
        break;
      }
    }
    return element;
  }

  function buildOne(table, link) {
    const font = FONTS[table.font] || FONTS['MS Sans Serif'];
    const dialog = document.createElement('div');
    dialog.className = 'dialog';
    dialog.id = 'dialog-' + table.id;
    dialog.setAttribute('role', 'dialog');
    dialog.setAttribute('aria-modal', 'true');
    dialog.hidden = true;
    dialog.style.font = font.css;
    if (table.caption !== null) {
      const caption = document.createElement('div');
      caption.className = 'dialog-caption';
      caption.textContent = table.caption;
      const closeBox = document.createElement('button');
      closeBox.className = 'dialog-close';
      closeBox.id = controlId(table.id, CONTROL_CANCEL);
      closeBox.type = 'button';
      closeBox.tabIndex = -1;
      closeBox.setAttribute('aria-label', 'Close');
      closeBox.textContent = '\u2715';
      closeBox.addEventListener('click', () => press(table.id, CONTROL_CANCEL));
      caption.appendChild(closeBox);
      dialog.setAttribute('aria-label', table.caption);
      dialog.appendChild(caption);
    }
    const body = document.createElement('div');
    body.className = 'dialog-body';
    body.style.width = Math.round(table.width * font.x) + 'px';
    body.style.height = Math.round(table.height * font.y) + 'px';
    table.controls.forEach((control, index) => body.appendChild(makeControl(table, control, index, font, link)));
    dialog.appendChild(body);
    dialog.addEventListener('keydown', (event) => keyInDialog(event, dialog));
    layer().appendChild(dialog);
    tables.set(table.id, dialog);
  }

  function focusable(dialog) {
    return [...dialog.querySelectorAll('.dialog-body button, .dialog-body input, .dialog-body a')];
  }

  // Enter presses the default button, Tab goes round the dialog's controls
  // in the tables' order. Escape is the close box's command: only a dialog
  // with a caption has one, and the others do nothing on it.
  function keyInDialog(event, dialog) {
    if (event.key === 'Enter') {
      event.preventDefault();
      const button = dialog.querySelector('button.default');
      if (button) button.click();
    } else if (event.key === 'Escape') {
      event.preventDefault();
      const closeBox = dialog.querySelector('.dialog-close');
      if (closeBox) closeBox.click();
    } else if (event.key === 'Tab') {
      const list = focusable(dialog);
      const at = list.indexOf(document.activeElement);
      const next = (at + (event.shiftKey ? list.length - 1 : 1)) % list.length;
      event.preventDefault();
      list[next < 0 ? 0 : next].focus();
    }
  }

  function show(id) {
    const dialog = tables.get(id);
    if (!dialog) return;
    tarvikPage.menuBar.closeAll();
    layer().hidden = false;
    dialog.hidden = false;
    dialog.style.left = Math.max(0, (window.innerWidth - dialog.offsetWidth) / 2) + 'px';
    dialog.style.top = Math.max(0, (window.innerHeight - dialog.offsetHeight) / 2) + 'px';
    open_ = dialog;
    const first = focusable(dialog)[0];
    if (first) first.focus();
  }

  function close(id) {
    const dialog = tables.get(id);
    if (dialog) dialog.hidden = true;
    if (open_ === dialog) open_ = null;
    if (!open_) layer().hidden = true;
  }

  function press(dialog, control) {
    if (dialog === DIALOG_NAME_ENTRY) {
      if (control === CONTROL_OK && nameAnswer) {
        const field = document.getElementById(controlId(DIALOG_NAME_ENTRY, CONTROL_NAME_FIELD));
        const answer = nameAnswer;
        nameAnswer = null;
        close(DIALOG_NAME_ENTRY);
        answer(encode(field.value));
        // Once the program has its answer and runs again, it takes the
        // canvas's size as it is now.
        setTimeout(() => tarvikPage.resize(), 0);
      }
      return;
    }
    onButton(dialog, control);
  }

  function build(dialogTables, link, names, buttonPressed) {
    ({BUTTON, TEXT, GROUP_BOX, EDIT, ICON, DEFAULT, RIGHT, CENTRED, BORDER, MIDDLE, NO_WRAP} = names);
    ({CONTROL_OK, CONTROL_CANCEL, DIALOG_NAME_ENTRY, CONTROL_NAME_FIELD, CONTROL_PRODUCT_LINK} = names);
    onButton = buttonPressed;
    for (const table of dialogTables) buildOne(table, link);
  }

  function setField(dialog, control, bytes) {
    const element = document.getElementById(controlId(dialog, control));
    if (element) element.textContent = decoder.decode(bytes);
  }

  // The name question: resolves with the answer's Windows-1252 bytes once
  // the player presses "OK" (the dialog has no other way out).
  function askName() {
    return new Promise((resolve) => {
      document.getElementById(controlId(DIALOG_NAME_ENTRY, CONTROL_NAME_FIELD)).value = '';
      nameAnswer = resolve;
      show(DIALOG_NAME_ENTRY);
    });
  }

  // Whether the program waits for the name question's answer.
  function asking() {
    return nameAnswer !== null;
  }

  return {build, open: show, close, setField, askName, asking};
})();
