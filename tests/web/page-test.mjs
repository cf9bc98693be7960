// The page from disk in Debian's headless Chromium, driven by puppeteer-core,
// against gyrelace-render's pictures; each part below says what it checks.
// Every wait is for a condition, with a limit of 30 s.
// usage: node page-test.mjs pictures|page|hosts GYRELACE_HTML GYRELACE_RENDER [SCREENSHOT_DIR]
// (the hosts' packages are beside GYRELACE_RENDER, in the native build)
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import puppeteer from 'puppeteer-core';

const [what, html, render, shots] = process.argv.slice(2);
const quick = 'points-per-second=1000&completion-delay=60';  // a figure in 0.36 s that then stays a minute
const limit = { timeout: 30000, polling: 100 };
const fail = (message) => { throw new Error(message); };
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Debian's Chromium, with nothing that would reach for the network; for a
// device scale of its own, its headless shell at exactly the window's size
// (an emulated scale leaves the canvas's device-pixel size at the CSS size).
const profiles = mkdtempSync(join(tmpdir(), 'gyrelace-chromium-'));
process.on('exit', () => rmSync(profiles, { recursive: true, force: true, maxRetries: 10 }));
async function launch(extra = [], scale = 1) {
  const profile = mkdtempSync(join(profiles, 'profile-'));
  const shell = scale === 1 ? {} : { headless: 'shell', defaultViewport: null };
  return puppeteer.launch({
    executablePath: scale === 1 ? '/usr/bin/chromium' : '/usr/lib/chromium/chromium-headless-shell',
    headless: true, userDataDir: profile, ...shell,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', ...extra],
  });
}
async function open(browser, address, width = 640, height = 480, scale = 1, page = html) {
  const tab = await browser.newPage();
  if (scale === 1) await tab.setViewport({ width, height });
  await tab.goto(`file://${page}#${address}`);
  return tab;
}

// Waits until the canvas shows exactly gyrelace-render's picture for the
// address's seed and settings (its items are the renderer's options).
async function expectPicture(tab, address, width, height, figures = 1) {
  const options = address.split('&').map((item) => `--${item}`);
  const png = execFileSync(render, [...options, '--size', `${width}x${height}`, '--figures', `${figures}`, '--out', '-']);
  const equal = await tab.waitForFunction(async (url) => {
    const want = new Image();
    want.src = url;
    await want.decode();
    const canvas = document.getElementById('figures');
    if (canvas.width !== want.width || canvas.height !== want.height) return false;
    const drawn = new OffscreenCanvas(want.width, want.height).getContext('2d');
    drawn.drawImage(want, 0, 0);
    const a = drawn.getImageData(0, 0, want.width, want.height).data;
    const b = canvas.getContext('2d').getImageData(0, 0, want.width, want.height).data;
    return a.every((byte, i) => byte === b[i]);
  }, limit, `data:image/png;base64,${png.toString('base64')}`).catch(() => false);
  equal || fail(`${address} at ${width}x${height}: the canvas is not gyrelace-render's picture`);
}
// The S key opens the panel; its number field is the object size.
const size = 'input[type=number]';
const openPanel = async (tab) => { await tab.keyboard.press('s'); await tab.waitForSelector(size, { visible: true }); };
const typeSize = async (tab, text) => { await tab.$eval(size, (input) => input.select()); await tab.keyboard.type(text); };

// A table of modes, at device scale 1 and 2: once the first figure is drawn
// the canvas equals gyrelace-render's picture; a new size starts the next
// figure at that size.
async function pictures() {
  const browser = await launch();
  const modes = [
    // name       address                                                   CSS size  scale
    ['pixels', 'seed=7932&object-size=0', 640, 480, 1],
    ['shapes', 'seed=174231&set=shape=0x1FE&set=rotation=0xE&set=zoom=0x3FE&object-size=20', 640, 480, 1],
    ['large', 'seed=600&object-size=300&connect-dots&star8&clockwise', 640, 480, 1],
    ['hidpi', 'seed=13&object-size=10&square&no-circle&anticlockwise', 320, 240, 2],
  ];
  for (const [name, address, width, height, scale] of modes) {
    const scaled = scale === 1 ? browser
      : await launch([`--force-device-scale-factor=${scale}`, `--window-size=${width},${height}`], scale);
    const tab = await open(scaled, `${address}&${quick}`, width, height, scale);
    await expectPicture(tab, `${address}&${quick}`, width * scale, height * scale);
    if (name === 'pixels') {
      await tab.setViewport({ width: 500, height: 400 });
      await expectPicture(tab, `${address}&${quick}`, 500, 400, 2);
    }
    await (scale === 1 ? tab.close() : scaled.close());
  }
  await browser.close();
}

async function page() {
  const browser = await launch();
  // Hidden: no point drawn over a second; shown: the same figure goes on.
  const slow = 'seed=21&points-per-second=100&completion-delay=60&square';
  const tab = await open(browser, slow);
  const canvasData = () => tab.$eval('#figures', (c) => c.toDataURL());
  const black = await canvasData();
  await tab.waitForFunction((black) => document.getElementById('figures').toDataURL() !== black, limit, black);
  const other = await browser.newPage();
  await other.bringToFront();
  await tab.waitForFunction(() => document.hidden, limit);
  const before = await canvasData();
  await sleep(1000);  // the time it must not draw in
  (await canvasData()) === before || fail('the hidden page drew');
  await tab.bringToFront();
  await expectPicture(tab, slow, 640, 480);

  // The panel shows the address, warns of a number out of range, puts it
  // back and stays open on the warning (by Enter or Apply). Apply, and then a
  // typed address, each draw their settings' first figure over the held one at
  // once (over a traced one: the hosts' first row); Apply writes the address
  // in its shortest form, which a reload shows again.
  const [rate, delay] = quick.split('&');
  const given = `object-size=10&square&no-circle&clockwise&seed=13&${quick}`;
  const shortest = (size) => `seed=13&object-size=${size}&${rate}&no-circle&square&clockwise&${delay}`;
  const panel = await open(browser, given);
  await expectPicture(panel, shortest(10), 640, 480);
  await openPanel(panel);
  const checked = () => panel.$$eval('#panel input', (inputs) => inputs.map((i) => i.type === 'number' ? i.value : i.checked));
  const shown = await checked();
  for (const submit of [() => panel.keyboard.press('Enter'), () => panel.click('#apply')]) {
    await typeSize(panel, '900');
    await submit();
    const warning = await panel.$eval('.warning', (w) => w.hidden ? '' : w.textContent);
    warning === 'Entry must be between 0 and 500 %' || fail(`the panel's warning: '${warning}'`);
    (await panel.$eval('#panel', (form) => !form.hidden)) || fail('a refused number closed the panel');
    JSON.stringify(await checked()) === JSON.stringify(shown) || fail('the panel did not put the number back');
  }
  await typeSize(panel, '20');
  const entered = await checked();
  await panel.click('#apply');
  await expectPicture(panel, shortest(20), 640, 480);
  const [hash, kept] = await panel.evaluate(() => [location.hash, localStorage.getItem('gyrelace.settings')]);
  hash === `#${shortest(20)}` || fail(`the panel wrote ${hash}, not #${shortest(20)}`);
  kept === shortest(20).replace('seed=13&', '') || fail(`the panel kept '${kept}'`);
  await panel.reload();
  await expectPicture(panel, shortest(20), 640, 480);
  await openPanel(panel);
  JSON.stringify(await checked()) === JSON.stringify(entered) || fail('the address read back differs in the panel');
  await panel.focus('#panel input[type=checkbox]');
  await panel.keyboard.press('Escape');
  (await panel.$eval('#panel', (form) => form.hidden)) || fail('Escape from a check box left the panel open');
  await panel.evaluate((typed) => { location.hash = typed; }, `seed=4712&object-size=20&${quick}`);
  await expectPicture(panel, `seed=4712&object-size=20&${quick}`, 640, 480);

  // Addresses over settings kept by Apply, each from a fresh load:
  // a bad address draws what its mended settings give and says so; an item
  // of any length draws; one that names no usable seed or setting leaves
  // the kept ones in force; a kept item of no use is said once and dropped;
  // the notice stays within the page; ui=0 hides every control, S or not.
  const long = 'a'.repeat(1400000), cut = `${'a'.repeat(34)}\u2026`;
  const applied = `seed=5&object-size=20&${quick}`, mended = `object-size=20&${quick}`;
  const unknown = [...Array(200).keys()].map((n) => `x${n}`), ignored = (item) => `${item} ignored: no such setting`;
  const visit = await open(browser, quick);
  for (const [address, stored, drawn, said, left] of [
    // address, kept before, drawn, notice, kept after
    [`seed=5&object-size=900&bogus&ui=0&${quick}`, applied, `seed=5&object-size=500&${quick}`,
      `object-size=900 is out of range 0..500: 500 used; ${ignored('bogus')}`, applied],
    [`bogus=${long}&${unknown.join('&')}&seed=6&${quick}`, applied, `seed=6&${quick}`, [`bogus=${cut}`, ...unknown].map(ignored).join('; '), applied],
    ['ui=0&utm_source=mail&seed=abc', `bogus=${long}&${applied}`, applied,
      `${ignored('utm_source=mail')}; seed=abc ignored: not a whole number 0..4294967295; kept ${ignored(`bogus=${cut}`)}`, mended],
  ]) {
    await visit.evaluate((value) => localStorage.setItem('gyrelace.settings', value), stored);
    await visit.goto('about:blank');
    await visit.goto(`file://${html}#${address}`);
    await expectPicture(visit, drawn, 640, 480);
    const [notice, after, box] = await visit.evaluate(() => [document.getElementById('notice').textContent,
      localStorage.getItem('gyrelace.settings'), document.getElementById('notice').getBoundingClientRect().toJSON()]);
    box.right <= 640 && box.bottom <= 480 || fail(`#${address.slice(0, 50)}: the notice reaches ${box.right},${box.bottom}`);
    notice === said || fail(`#${address.slice(0, 50)}: the notice '${notice.slice(0, 200)}'`);
    after === left || fail(`#${address.slice(0, 50)}: kept '${after?.slice(0, 200)}'`);
    if (!/(^|&)ui=0(&|$)/.test(address)) continue;
    await visit.keyboard.press('s');
    const controls = await visit.$$eval('#open-settings, #panel', (all) => all.map((c) => getComputedStyle(c).display));
    controls.every((display) => display === 'none') || fail(`ui=0 shows a control: ${controls}`);
  }
  await visit.close();
  if (shots) {  // the pictures in docs/web.md of the page and of its panel
    const docs = `seed=13&object-size=10&set=shape=0x1FE&set=rotation=0xE&set=zoom=0x3FE&${quick}`;
    const pictured = await open(browser, docs, 960, 540);
    await expectPicture(pictured, docs, 960, 540);
    await pictured.mouse.move(600, 300);
    await pictured.screenshot({ path: join(shots, 'web-page.png') });
    await openPanel(pictured);
    await pictured.screenshot({ path: join(shots, 'web-panel.png') });
  }
  await browser.close();

  // JavaScript without a JIT (as a browser's strictest security setting runs it) has no WebAssembly.
  const bare = await launch(['--js-flags=--jitless']);
  const without = await open(bare, quick);
  const line = await without.$eval('#notice', (notice) => notice.textContent);
  line === 'Gyrelace needs WebAssembly, which this browser does not offer.' || fail(`without WebAssembly: '${line}'`);
  await bare.close();
}

// Each setting as the module describes it: [name, text, Lively's control, Wallpaper
// Engine's property]; and all the fields of each kind of Lively's controls.
function hostProperties(table) {
  const number = (row) => ({ min: row.low, max: row.high, step: 1, value: row.default });
  const box = (name, text, on) => [name, text, { type: 'checkbox', value: on }, { type: 'bool', value: on }];
  return table.flatMap((row) => ({
    number: () => [[row.name, row.label, { type: 'slider', ...number(row) }, { type: 'slider', ...number(row) }]],
    flag: () => [box(row.name, row.label, row.default === 1)],
    set: () => row.choices.map((c) => box(c.option.replace(/-/g, '_'), c.label, (row.default & c.value) !== 0)),
    one: () => [[row.name, row.label, { type: 'dropdown', value: row.choices.findIndex((c) => c.value === row.default),
      items: row.choices.map((c) => c.label) }, { type: 'combo', value: row.choices.find((c) => c.value === row.default).option,
      options: row.choices.map(({ label, option }) => ({ label, value: option })) }]],
  })[row.kind]());
}
const livelyFields = { slider: 'max min step text type value', checkbox: 'text type value', dropdown: 'items text type value',
  textbox: 'text type value', button: 'text type value', label: 'type value' };

function checkHostFiles(table, controls, properties) {
  const want = hostProperties(table), settingsOf = (names) => names.filter((name) => !['seed', 'new_figures'].includes(name));
  const named = settingsOf(Object.keys(controls).filter((name) => controls[name].type !== 'label'));
  JSON.stringify(named) === JSON.stringify(want.map(([name]) => name)) || fail(`LivelyProperties.json names ${named}`);
  JSON.stringify(settingsOf(Object.keys(properties))) === JSON.stringify(named) || fail(`project.json names ${Object.keys(properties)}`);
  const pick = (property, fields) => JSON.stringify(Object.keys(fields).map((field) => property?.[field]));
  for (const [name, text, inLively, inEngine] of want) {
    for (const [file, got, fields] of [['LivelyProperties.json', controls, inLively], ['project.json', properties, inEngine]]) {
      pick(got[name], { text, ...fields }) === pick({ text, ...fields }, { text, ...fields }) || fail(`${file}: ${name} is ${JSON.stringify(got[name])}`);
    }
  }
  for (const [name, control] of Object.entries(controls)) {
    Object.keys(control).sort().join(' ') === livelyFields[control.type] || fail(`LivelyProperties.json: ${name} is no control of Lively's`);
  }
}

async function hosts() {
  const unpacked = mkdtempSync(join(profiles, 'hosts-'));
  for (const zip of ['gyrelace-lively.zip', 'gyrelace-wallpaper-engine.zip']) execFileSync('unzip', ['-q', join(dirname(render), zip), '-d', join(unpacked, zip)]);
  const read = (path) => JSON.parse(readFileSync(path, 'utf8'));
  const [lively, engineFolder] = [join(unpacked, 'gyrelace-lively.zip'), join(unpacked, 'gyrelace-wallpaper-engine.zip/gyrelace-wallpaper-engine')];
  const info = read(join(lively, 'LivelyInfo.json')), controls = read(join(lively, 'LivelyProperties.json'));
  const project = read(join(engineFolder, 'project.json')), properties = project.general.properties;
  const browser = await launch();
  const tabs = { lively: await open(browser, '', 640, 480, 1, join(lively, info.FileName)),
    engine: await open(browser, '', 640, 480, 1, join(engineFolder, project.file)) };
  const table = await tabs.lively.evaluate(async () => JSON.parse((await GyrelaceModule()).cwrap('gyrelace_panel', 'string', [])()));
  checkHostFiles(table, controls, properties);

  // The hooks called as the hosts call them: Lively once a property,
  // Wallpaper Engine once with every property that changed. Each row's
  // options are added to those before it; each host's first row starts over
  // the default figure as it is traced. A tab behind another is hidden.
  const call = (host, hook, ...args) => tabs[host].evaluate((h, a) => h.split('.').reduce((o, k) => o[k], window)(...a), hook, args);
  const change = { lively: (changes) => Promise.all(Object.entries(changes).map((one) => call('lively', 'livelyPropertyListener', ...one))),
    engine: (changes) => call('engine', 'wallpaperPropertyListener.applyUserProperties',
      Object.fromEntries(Object.entries(changes).map(([name, value]) => [name, { value }]))) };
  const pause = { lively: (p) => call('lively', 'livelyWallpaperPlaybackChanged', JSON.stringify({ IsPaused: p })),
    engine: (p) => call('engine', 'wallpaperPropertyListener.setPaused', p) };
  const drawn = { lively: [], engine: [] };
  for (const [host, changes, options] of [
    // host    properties changed                                  renderer's options added
    ['lively', { seed: '13', rate: 1000, delay: 60 }, `seed=13&${quick}`],
    ['lively', { size: 20, star8: true, circle: false, square: true }, 'object-size=20&star8&no-circle&square'],
    ['lively', { connect: true, colour: 2, zoom_start_small: true }, 'connect-dots&colour-low&zoom-start-small'],
    ['engine', { seed: '14', rate: 1000, delay: 60, size: 30 }, `seed=14&${quick}&object-size=30`],
    ['engine', { colour: 'colour-medium', anticlockwise: true }, 'colour-medium&anticlockwise'],
  ]) {
    await tabs[host].bringToFront();
    await change[host](changes);
    drawn[host].push(options);
    await expectPicture(tabs[host], drawn[host].join('&'), 640, 480);
    if (shots && drawn.lively.length === 3 && host === 'lively') await tabs.lively.screenshot({ path: join(shots, 'web-lively.png') });
  }
  // No button of the page's own; paused, no point drawn for a second;
  // resumed, the figure ends as the renderer's (for Wallpaper Engine, under a frame-rate limit).
  for (const host of ['lively', 'engine']) {
    (await tabs[host].$eval('#open-settings', (b) => getComputedStyle(b).display)) === 'none' || fail(`${host}: the page shows its button`);
    await tabs[host].bringToFront();
    await change[host]({ rate: 100 });
    if (host === 'engine') {  // its frame-rate limit: at most 10 pictures a second, the points due in each
      await call(host, 'wallpaperPropertyListener.applyGeneralProperties', { fps: 10 });
      const puts = await tabs[host].evaluate(async () => {
        let count = 0;
        const context = document.getElementById('figures').getContext('2d'), put = context.putImageData;
        context.putImageData = (...image) => { count++; put.apply(context, image); };
        await new Promise((resolve) => setTimeout(resolve, 1000));
        return count;
      });
      puts <= 11 || fail(`engine: ${puts} pictures in a second at a limit of 10 frames`);
    }
    await sleep(500);  // some points drawn
    await pause[host](true);
    const canvasData = async (ms) => { await sleep(ms); return tabs[host].$eval('#figures', (c) => c.toDataURL()); };
    (await canvasData(0)) === (await canvasData(1000)) || fail(`${host}: the paused page drew`);
    await pause[host](false);
    await expectPicture(tabs[host], `${drawn[host].join('&')}&points-per-second=100`, 640, 480);
  }
  await browser.close();
}

await { pictures, page, hosts }[what]();
