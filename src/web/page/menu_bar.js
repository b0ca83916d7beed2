// The game's menu bar in HTML, built from the program's menu table (ui.json):
// the menus, the submenu, separators, mnemonics ('&' marks them: Alt and the
// letter opens a menu, the letter chooses in an open one; F10 or Alt alone
// opens the first), greyed and checked
// states kept by the program through enable() and check(). A chosen command
// goes to the program by its number.
'use strict';

tarvikPage.menuBar = (() => {
  const bar = () => document.getElementById('menu-bar');
  const titles = [];      // {element, popup, key}
  const popups = [];      // every open popup, outermost first
  let onCommand = () => {};

  function idOf(text) {
    return 'menu-' + text.replace(/&/g, '').toLowerCase().replace(/[^a-z0-9]+/g, '-');
  }

  // The text with its mnemonic underlined; returns the mnemonic's letter, lower case.
  function label(element, text) {
    let key = '';
    for (let i = 0; i < text.length; ++i) {
      if (text[i] === '&' && i + 1 < text.length) {
        ++i;
        if (text[i] !== '&' && !key) {
          key = text[i].toLowerCase();
          const mark = document.createElement('span');
          mark.className = 'mnemonic';
          mark.textContent = text[i];
          element.appendChild(mark);
          continue;
        }
      }
      element.appendChild(document.createTextNode(text[i]));
    }
    element.dataset.key = key;
    return key;
  }

  function closeAll() {
    for (const popup of popups) popup.hidden = true;
    popups.length = 0;
    for (const title of titles) title.element.classList.remove('open');
    document.querySelectorAll('.menu-item.open').forEach((item) => item.classList.remove('open'));
  }

  function openMenu(title) {
    closeAll();
    const box = title.element.getBoundingClientRect();
    title.popup.style.left = box.left + 'px';
    title.popup.style.top = box.bottom + 'px';
    title.popup.hidden = false;
    title.element.classList.add('open');
    popups.push(title.popup);
  }

  function openSubmenu(item, popup) {
    while (popups.length > 1) popups.pop().hidden = true;
    const box = item.getBoundingClientRect();
    popup.style.left = box.right - 2 + 'px';
    popup.style.top = box.top - 3 + 'px';
    popup.hidden = false;
    item.classList.add('open');
    popups.push(popup);
  }

  function choose(item) {
    if (item.getAttribute('aria-disabled') === 'true') return;
    if (item._submenu) {
      openSubmenu(item, item._submenu);
      return;
    }
    closeAll();
    onCommand(Number(item.dataset.command));
  }

  function makePopup(id) {
    const popup = document.createElement('div');
    popup.className = 'menu-popup';
    popup.id = id + '-popup';
    popup.setAttribute('role', 'menu');
    popup.hidden = true;
    document.body.appendChild(popup);
    return popup;
  }

  function build(rows, command) {
    onCommand = command;
    const submenus = new Map();
    for (const row of rows) {
      let title = titles.find((t) => t.text === row.menu);
      if (!title) {
        const element = document.createElement('div');
        element.className = 'menu-title';
        element.id = idOf(row.menu);
        element.setAttribute('role', 'menuitem');
        element.setAttribute('aria-haspopup', 'true');
        title = {element, popup: makePopup(element.id), text: row.menu, key: label(element, row.menu)};
        titles.push(title);
        bar().appendChild(element);
        element.addEventListener('mousedown', (event) => {
          event.preventDefault();
          if (title.element.classList.contains('open')) closeAll();
          else openMenu(title);
        });
        element.addEventListener('mouseenter', () => {
          if (popups.length && !title.element.classList.contains('open')) openMenu(title);
        });
      }
      let parent = title.popup;
      if (row.submenu) {
        let popup = submenus.get(row.submenu);
        if (!popup) {
          const item = document.createElement('div');
          item.className = 'menu-item has-submenu';
          item.id = idOf(row.submenu);
          item.setAttribute('role', 'menuitem');
          item.setAttribute('aria-haspopup', 'true');
          label(item, row.submenu);
          popup = makePopup(item.id);
          item._submenu = popup;
          item.addEventListener('mouseenter', () => openSubmenu(item, popup));
          item.addEventListener('mouseup', () => choose(item));
          title.popup.appendChild(item);
          submenus.set(row.submenu, popup);
        }
        parent = popup;
      }
      if (row.text === null) {
        const line = document.createElement('div');
        line.className = 'menu-separator';
        line.setAttribute('role', 'separator');
        parent.appendChild(line);
        continue;
      }
      const item = document.createElement('div');
      item.className = 'menu-item';
      item.id = 'command-' + row.command;
      item.dataset.command = row.command;
      item.setAttribute('role', row.checkable ? 'menuitemcheckbox' : 'menuitem');
      if (row.checkable) item.setAttribute('aria-checked', 'true');
      item.setAttribute('aria-disabled', row.greyed ? 'true' : 'false');
      label(item, row.text);
      item.addEventListener('mouseenter', () => {
        if (parent === title.popup) {
          while (popups.length > 1) popups.pop().hidden = true;
          title.popup.querySelectorAll('.menu-item.open').forEach((open) => open.classList.remove('open'));
        }
      });
      item.addEventListener('mouseup', () => choose(item));
      parent.appendChild(item);
    }

    document.addEventListener('mousedown', (event) => {
      if (popups.length && !event.target.closest('.menu-popup, .menu-title')) closeAll();
    });
    // F10, or Alt pressed and let go alone, opens the first menu, as the
    // desktop's system keys reach the menu bar.
    let altAlone = false;
    document.addEventListener('keyup', (event) => {
      if (event.key === 'Alt' && altAlone && !popups.length && titles.length) {
        event.preventDefault();
        openMenu(titles[0]);
      }
      altAlone = false;
    });
    document.addEventListener('keydown', (event) => {
      altAlone = event.key === 'Alt';
      if (!document.getElementById('dialog-layer').hidden) return;
      if (event.key === 'F10' && !popups.length && titles.length) {
        event.preventDefault();
        openMenu(titles[0]);
        return;
      }
      const key = event.key.toLowerCase();
      if (event.altKey && !popups.length) {
        const title = titles.find((t) => t.key === key);
        if (title) {
          event.preventDefault();
          openMenu(title);
        }
        return;
      }
      if (!popups.length) return;
      if (event.key === 'Escape') {
        event.preventDefault();
        if (popups.length > 1) popups.pop().hidden = true;
        else closeAll();
        return;
      }
      const popup = popups[popups.length - 1];
      const item = [...popup.children].find((child) => child.dataset.key === key);
      if (item) {
        event.preventDefault();
        choose(item);
      }
    });
    window.addEventListener('blur', closeAll);
  }

  function enable(command, enabled) {
    const item = document.getElementById('command-' + command);
    if (item) item.setAttribute('aria-disabled', enabled ? 'false' : 'true');
  }

  function check(command, checked) {
    const item = document.getElementById('command-' + command);
    if (item) item.setAttribute('aria-checked', checked ? 'true' : 'false');
  }

  return {build, enable, check, closeAll};
})();
