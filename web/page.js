// The page around the engine: it reads the address, sizes the canvas in
// device pixels, wakes the engine when its point clock asks, copies the
// rectangle each wake-up changed onto the canvas, stops while the page is
// hidden or a wallpaper host pauses it, shows the settings panel that the
// engine describes, and takes the settings of a host's own panel. It holds
// no figure logic: the figures, their pacing, the settings' names, ranges,
// defaults, warnings and checks all come from the module.
'use strict';
(() => {
  const $ = (id) => document.getElementById(id);
  const canvas = $('figures');
  const panel = $('panel');
  const storageKey = 'gyrelace.settings';
  let noticeTimer = 0, lastingNotice = false;

  // One line at the top, fading after a while unless it must stay.
  function say(lines, lasting) {
    const notice = $('notice');
    lastingNotice = Boolean(lasting);
    notice.textContent = lines.join('; ');
    notice.hidden = lines.length === 0;
    notice.classList.remove('faded');
    clearTimeout(noticeTimer);
    if (!lasting) noticeTimer = setTimeout(() => notice.classList.add('faded'), 10000);
  }

  if (typeof WebAssembly !== 'object') {
    say(['Gyrelace needs WebAssembly, which this browser does not offer.'], true);
    return;
  }

  // The hooks that the wallpaper hosts call: Lively's livelyPropertyListener
  // and livelyWallpaperPlaybackChanged, Wallpaper Engine's
  // wallpaperPropertyListener. They are there from the start, as the hosts
  // call them while the module still loads: the changes wait in `changes`
  // until `apply` is set. A browser never calls them, and they change nothing.
  // Wallpaper Engine's frame-rate limit spaces the wake-ups (each draws the
  // points due by then), never more than 100 ms, so the figure keeps its pace.
  const host = { changes: [], paused: false, apply: null, pause: null, frameMs: 0 };
  const hostChanged = (name, value) => { host.changes.push([name, value]); if (host.apply) host.apply(); };
  const hostPaused = (paused) => { host.paused = paused; if (host.pause) host.pause(); };
  window.livelyPropertyListener = hostChanged;
  window.livelyWallpaperPlaybackChanged = (data) => {
    try { hostPaused(Boolean((typeof data === 'string' ? JSON.parse(data) : data).IsPaused)); } catch (e) { /* not a state */ }
  };
  window.wallpaperPropertyListener = {
    applyUserProperties: (properties) => Object.entries(properties).forEach(([name, p]) => hostChanged(name, p.value)),
    setPaused: (paused) => hostPaused(Boolean(paused)),
    applyGeneralProperties: (general) => { if (general.fps > 0) host.frameMs = Math.min(1000 / general.fps, 100); },
  };

  // "#seed=13&object-size=10&square" as items; "square" and "square=" differ.
  function itemsOf(text) {
    const decode = (part) => {
      try { return decodeURIComponent(part.replace(/\+/g, ' ')); } catch (e) { return part; }
    };
    return text.replace(/^#/, '').split('&').filter((item) => item !== '').map((item) => {
      const at = item.indexOf('=');
      return at < 0 ? { name: decode(item), value: '', hasValue: false }
        : { name: decode(item.slice(0, at)), value: decode(item.slice(at + 1)), hasValue: true };
    });
  }
  const pageOption = (item) => item.name === 'ui' || item.name === 'wakelock';

  function storage(value) {
    try {
      if (value === undefined) return localStorage.getItem(storageKey) || '';
      localStorage.setItem(storageKey, value);
    } catch (e) { /* no storage here (a private window, a host without it): nothing is kept */ }
    return '';
  }

  // The module is compiled as the page loads, not in the background: a
  // headless browser's virtual time (a screenshot's --virtual-time-budget)
  // does not wait for a compile it cannot see, and could run past it.
  new Promise((made) => made(GyrelaceModule({ onAbort: () => say(['Gyrelace stopped: its WebAssembly module failed.'], true) })))
    .then(run, (error) => say(['Gyrelace could not start its WebAssembly module: ' + error], true));

  // The module's functions, by their names without "gyrelace_", and
  // takeItem, which hands an address item over through the module's own
  // memory (gyrelace_room says why) and is true when it was used.
  function moduleApi(module) {
    const api = {};
    for (const [name, result, args] of [
      ['reset', null, []], ['room', 'number', ['number']], ['take', 'number', ['number', 'number', 'number']],
      ['address', 'string', ['number']],
      ['text', 'string', []], ['panel', 'string', []], ['start', null, ['number', 'number', 'number', 'number']],
      ['offer', null, ['number', 'number', 'number']], ['advance', 'number', ['number']],
      ['resume', 'number', ['number']], ['check_entry', 'number', ['number', 'number', 'number', 'number']],
      ['select_all', 'number', ['number', 'number', 'number']], ['made', 'number', []], ['picture', 'number', []], ['problem', 'string', []], ['damage', 'number', []]]) {
      api[name] = module.cwrap('gyrelace_' + name, result, args);
    }
    const encoder = new TextEncoder();
    api.takeItem = (item) => {
      const name = encoder.encode(item.name), value = encoder.encode(item.value);
      const at = api.room(name.length + value.length);
      module.HEAPU8.set(name, at);
      module.HEAPU8.set(value, at + name.length);
      return api.take(name.length, value.length, item.hasValue ? 1 : 0) === 1;
    };
    return api;
  }

  const now = () => Math.floor(performance.now()) >>> 0;

  // Asked for only with wakelock=1, and again each time the page shows.
  const wakeLock = {
    wanted: false,
    ask() {
      if (!this.wanted || document.hidden || !('wakeLock' in navigator)) return;
      navigator.wakeLock.request('screen').catch(() => say(['wakelock=1: the browser keeps no screen on here']));
    },
  };


  // The canvas: sized in device pixels, woken when the module asks, showing
  // what each wake-up changed. restart() draws the settings read last from
  // a new start, once the canvas has a size.
  function canvasPicture(module, api) {
    const clockSeed = () => Math.floor(Date.now() / 1000) >>> 0;
    // Opaque, and shown without waiting for the page's next frame: at 50
    // points a second a tab in headless Chromium takes 8.6 % of a core
    // instead of 12.3 % (bench/web-measure.mjs).
    const context = canvas.getContext('2d', { alpha: false, desynchronized: true });
    let width = 0, height = 0, made = 0, pixels = 0, image = null, timer = 0;

    // The picture the module paints, as image data over its memory; made
    // again when the memory has grown (which replaces its buffer).
    function paint() {
      if (pixels === 0) return;
      if (!image || image.data.buffer !== module.HEAPU8.buffer) {
        const { width: w, height: h } = canvas;
        image = new ImageData(new Uint8ClampedArray(module.HEAPU8.buffer, pixels, w * h * 4), w, h);
      }
      const at = api.damage() >> 2;
      const [x, y, w, h] = module.HEAP32.subarray(at, at + 4);
      if (w > 0 && h > 0) context.putImageData(image, 0, 0, x, y, w, h);
    }

    // The module says when it next needs waking (never: 0xFFFFFFFF, until a
    // new size); a timer that fires early only asks again.
    function schedule(wait) {
      clearTimeout(timer);
      timer = 0;
      if (document.hidden || host.paused || wait >>> 0 === 0xFFFFFFFF) return;
      timer = setTimeout(wake, Math.max(wait >>> 0, host.frameMs));
    }
    function wake() {
      const wait = api.advance(now());
      shown();
      schedule(wait);
    }

    // The module's picture after a start or a size taken: shown whole, or the
    // reason why there is none; after that only what changed.
    function shown() {
      if (api.made() !== made) {
        const at = api.picture() >> 2;
        const [count, address, w, h] = module.HEAPU32.subarray(at, at + 4);
        made = count;
        pixels = address;
        canvas.width = w;
        canvas.height = h;
        image = null;
        if (pixels === 0) say([api.problem()], true);
        else if (lastingNotice) say([]);  // why there was no picture
      }
      paint();
    }
    function start() {
      api.start(clockSeed(), width, height, now());
      wake();
    }

    // The canvas in device pixels; once a new size has settled, the next
    // figure starts at it.
    function sized(w, h) {
      if (w < 1 || h < 1) return;  // a collapsed page keeps its picture
      const first = width === 0;
      width = w;
      height = h;
      if (first) return start();
      api.offer(width, height, now());
      wake();
    }
    const observer = new ResizeObserver((entries) => {
      const entry = entries[entries.length - 1];
      const box = entry.devicePixelContentBoxSize && entry.devicePixelContentBoxSize[0];
      sized(box ? box.inlineSize : Math.round(entry.contentRect.width * devicePixelRatio),
        box ? box.blockSize : Math.round(entry.contentRect.height * devicePixelRatio));
    });
    try { observer.observe(canvas, { box: 'device-pixel-content-box' }); } catch (e) { observer.observe(canvas); }

    // Hidden or paused by its host, the page draws nothing and sets no
    // timer; shown or resumed, it goes on where it was.
    document.addEventListener('visibilitychange', () => {
      schedule(api.resume(now()));
      wakeLock.ask();
    });
    host.pause = () => schedule(api.resume(now()));
    // The first size from the layout, at once: the observer's first answer
    // waits for a frame, which a headless browser's virtual time may not
    // give before its budget ends (the observer's exact one is taken later).
    const begin = () => width > 0 || sized(Math.round(canvas.clientWidth * devicePixelRatio),
      Math.round(canvas.clientHeight * devicePixelRatio));
    return { restart: () => width > 0 && start(), begin };
  }

  // The settings of the address, or those kept; and the page's own items
  // (ui, wakelock), which the module does not read.
  function addressSettings(api) {
    let page = [];
    // The settings of the address when it names a seed or a setting it can
    // use, so that a link draws the same whatever a visitor stored; else
    // those kept, and what the address ignored is said. The kept ones are
    // out of storage while they are read and go back as they were used:
    // what was of no use is said once, and dropped.
    function readSettings() {
      const items = itemsOf(location.hash);
      page = items.filter(pageOption);
      api.reset();
      const notices = [];
      const read = (list, words) => list.reduce((used, item) => {
        const taken = api.takeItem(item), notice = api.text();
        if (notice !== '') notices.push(words + notice);
        return taken || used;
      }, false);
      const kept = read(items.filter((item) => !pageOption(item)), '') ? '' : storage();
      if (kept !== '') {
        storage('');
        read(itemsOf(kept), 'kept ');
        storage(api.address(0));
      }
      const wanted = (name, value) => page.some((item) => item.name === name && item.value === value);
      document.body.classList.toggle('no-ui', wanted('ui', '0'));
      wakeLock.wanted = wanted('wakelock', '1');
      say(notices);
    }
    return { read: readSettings, pageItems: () => page.map((item) => item.name + '=' + item.value) };
  }

  // The settings panel, and Apply, which gives useAddress the panel's address.
  function settingsForm(module, api, settings, useAddress) {
    // The panel, built afresh from the module's description on each opening.
    let entries = [];
    function openPanel() {
      const controls = $('controls');
      controls.replaceChildren();
      entries = JSON.parse(api.panel());
      entries.forEach((entry, row) => controls.append(control(Object.assign(entry, { row }))));
      panel.hidden = false;
      document.body.classList.add('panel-open');
    }
    function closePanel() {
      panel.hidden = true;
      document.body.classList.remove('panel-open');
    }
    function element(tag, properties, ...children) {
      const made = Object.assign(document.createElement(tag), properties);
      made.append(...children);
      return made;
    }
    function box(type, name, label, checked) {
      const input = element('input', { type, name, checked });
      return { input, label: element('label', {}, input, ' ' + label) };
    }
    function control(entry) {
      if (entry.kind === 'number') {
        entry.input = element('input', { type: 'number', min: entry.low, max: entry.high, step: 1, value: entry.value });
        entry.warningLine = element('p', { className: 'warning', hidden: true });
        entry.held = entry.value;
        entry.input.addEventListener('change', () => checkNumber(entry));
        return element('div', {}, element('label', { className: 'number' }, element('span', {}, entry.label), entry.input),
          entry.warningLine);
      }
      if (entry.kind === 'flag') {
        const flag = box('checkbox', entry.option, entry.label, entry.value === 1);
        entry.input = flag.input;
        return element('div', {}, flag.label);
      }
      const type = entry.kind === 'set' ? 'checkbox' : 'radio';
      const set = element('fieldset', {}, element('legend', {}, entry.label));
      for (const choice of entry.choices) {
        const on = entry.kind === 'set' ? (entry.value & choice.value) !== 0 : entry.value === choice.value;
        const made = box(type, entry.label, choice.label, on);
        choice.input = made.input;
        set.append(made.label);
      }
      return set;
    }
    // As the dialog checks its numbers (the module's policy): none is the
    // default, silently; one refused is put back, and the warning names the
    // range.
    function checkNumber(entry) {
      const text = entry.input.value.trim(), number = Number(text);
      const at = api.check_entry(entry.row, text !== '' && Number.isFinite(number) ? 1 : 0, number, entry.held) >> 2;
      const [held, refused] = module.HEAP32.subarray(at, at + 2);
      entry.warningLine.textContent = entry.warning;
      entry.warningLine.hidden = !refused;
      entry.refused ||= refused === 1;
      entry.held = held;
      entry.input.value = held;
    }
    // Select All and None, as the module says each row comes out.
    function selectAll(on) {
      for (const entry of entries) {
        const shown = entry.kind === 'flag' ? Number(entry.input.checked)
          : (entry.choices || []).reduce((bits, choice) => bits | (choice.input.checked ? choice.value : 0), 0);
        const value = api.select_all(entry.row, shown, on ? 1 : 0);
        if (entry.kind === 'flag') entry.input.checked = value === 1;
        if (entry.kind === 'set') for (const choice of entry.choices) choice.input.checked = (value & choice.value) !== 0;
      }
    }
    // The panel's settings as the options a command line takes, read by the
    // module into the shortest address; it becomes the page's and is kept.
    // A number refused since the last Apply keeps the panel open on its
    // warning, as the dialog's message does; the next Apply takes the panel.
    function apply() {
      for (const entry of entries) if (entry.kind === 'number' && entry.input.value !== `${entry.held}`) checkNumber(entry);
      const refused = entries.find((entry) => entry.refused);
      for (const entry of entries) entry.refused = false;
      if (refused) {
        refused.input.focus();
        return;
      }
      const items = [];
      const seed = api.address(1).match(/^seed=\d+/);
      if (seed) items.push(seed[0]);
      for (const entry of entries) {
        if (entry.kind === 'number') items.push(entry.option + '=' + entry.held);
        if (entry.kind === 'flag') items.push((entry.input.checked ? '' : 'no-') + entry.option);
        for (const choice of entry.kind === 'set' ? entry.choices : []) {
          items.push((choice.input.checked ? '' : 'no-') + choice.option);
        }
        for (const choice of entry.kind === 'one' ? entry.choices : []) {
          if (choice.input.checked) items.push(choice.option);
        }
      }
      history.replaceState(null, '', '#' + [...items, ...settings.pageItems()].join('&'));
      useAddress(true);
      closePanel();
    }
    return { open: openPanel, close: closePanel, selectAll, apply };
  }

  // A host panel's changes as address items over the page's settings, read
  // as a typed address is: a property is a setting's short name or a bit's
  // option with "_" for "-" (web/make_host_packages.cpp), a check box's value
  // is true or false, a drop-down's is its item's number (Lively) or option
  // (Wallpaper Engine). An empty seed and "New figures" leave the seed to the
  // clock. Changes that come together start one new figure.
  function hostSettings(api, settings, useAddress) {
    const on = (value) => value === true || value === 'true';
    const itemOf = new Map([['seed', (value) => `seed=${String(value).trim()}`], ['new_figures', () => 'seed=']]);
    for (const entry of JSON.parse(api.panel())) {
      const { name, option, choices } = entry;
      if (entry.kind === 'number') itemOf.set(name, (value) => `${option}=${Math.round(Number(value))}`);
      if (entry.kind === 'flag') itemOf.set(name, (value) => (on(value) ? '' : 'no-') + option);
      if (entry.kind === 'one') itemOf.set(name, (value) => (typeof value === 'number' ? (choices[value] || {}).option : `${value}`));
      for (const choice of entry.kind === 'set' ? choices : []) {
        itemOf.set(choice.option.replace(/-/g, '_'), (value) => (on(value) ? '' : 'no-') + choice.option);
      }
    }
    let timer = 0;
    function applyChanges() {
      let items = api.address(1).split('&').filter((item) => item !== '');
      for (const [name, value] of host.changes.splice(0)) {
        const item = itemOf.has(name) ? itemOf.get(name)(value) : '';
        if (item && item.startsWith('seed=')) items = items.filter((kept) => !kept.startsWith('seed='));
        if (item && item !== 'seed=') items.push(item);
      }
      // The host's panel is the settings' place: the page shows no controls of its own.
      const page = settings.pageItems().filter((item) => !item.startsWith('ui='));
      history.replaceState(null, '', '#' + [...items, 'ui=0', ...page].join('&'));
      useAddress(false);
    }
    return () => { clearTimeout(timer); timer = setTimeout(applyChanges, 0); };
  }

  function run(module) {
    const api = moduleApi(module);
    const picture = canvasPicture(module, api);
    const settings = addressSettings(api);
    let written = '';
    // A new address, from the panel or typed: read, written back in its
    // shortest form, and drawn from a new start; the panel's is kept.
    function useAddress(keep) {
      settings.read();
      if (keep) storage(api.address(0));
      const parts = [api.address(1), ...settings.pageItems()].filter((part) => part);
      written = parts.length > 0 ? '#' + parts.join('&') : '';
      history.replaceState(null, '', written || location.pathname + location.search);
      picture.restart();
    }

    const form = settingsForm(module, api, settings, useAddress);
    settings.read();
    written = location.hash;
    addEventListener('hashchange', () => location.hash === written || useAddress(false));
    panel.addEventListener('submit', (event) => { event.preventDefault(); form.apply(); });
    $('cancel').addEventListener('click', form.close);
    $('select-all').addEventListener('click', () => form.selectAll(true));
    $('select-none').addEventListener('click', () => form.selectAll(false));
    const uiShown = () => !document.body.classList.contains('no-ui');
    $('open-settings').addEventListener('click', () => (panel.hidden ? form.open() : form.close()));
    function toggleFullScreen() {
      const done = document.fullscreenElement ? document.exitFullscreen() : document.documentElement.requestFullscreen();
      if (done) done.catch(() => say(['full screen was refused']));
    }
    canvas.addEventListener('dblclick', toggleFullScreen);
    host.apply = hostSettings(api, settings, useAddress);
    if (host.changes.length > 0) host.apply();
    picture.begin();
    // Escape closes the panel from any of its controls; the letters are the
    // fields' own while one has the focus.
    addEventListener('keydown', (event) => {
      if (event.ctrlKey || event.altKey || event.metaKey) return;
      const key = event.key.toLowerCase();
      if (key === 'escape') form.close();
      else if (event.target instanceof HTMLInputElement) return;
      else if (key === 'f') toggleFullScreen();
      else if (key === 's' && uiShown()) (panel.hidden ? form.open : form.close)();
    });
    // The pointer and the settings button go after a few still seconds.
    let idleTimer = 0;
    const active = () => {
      document.body.classList.remove('idle');
      clearTimeout(idleTimer);
      idleTimer = setTimeout(() => document.body.classList.add('idle'), 3000);
    };
    addEventListener('pointermove', active);
    active();
    wakeLock.ask();
  }
})();
