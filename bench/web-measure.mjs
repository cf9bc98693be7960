// Measures the browser page in Debian's headless Chromium: the CPU of the
// page's renderer process (its tab) and of the whole browser at 50 points a
// second (default settings) on a 1920x1080 canvas, over 30 s after 5 s of
// warm-up, from the process times the DevTools protocol reports; and the
// page's size. Run after `cmake --build --preset web` (and
// tools/install-deps.sh, which installs puppeteer-core into tests/web).
// SIZE=WxH and ADDRESS=&name=value... measure other canvases and settings.
// usage: node bench/web-measure.mjs [SECONDS]
import { statSync, readFileSync, mkdtempSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const root = join(dirname(fileURLToPath(import.meta.url)), '..');
const require = createRequire(join(root, 'tests/web/package.json'));
const puppeteer = require('puppeteer-core');
const html = join(root, 'build/web/gyrelace.html');
const seconds = Number(process.argv[2] || 30);
const [width, height] = (process.env.SIZE || '1920x1080').split('x').map(Number);
const extra = process.env.ADDRESS || '';

const bytes = statSync(html).size;
const module = /base64,([A-Za-z0-9+/=]+)/.exec(readFileSync(html, 'latin1'))[1].length;
console.log(`gyrelace.html: ${bytes} bytes, of which the WebAssembly (base64) ${module}`);

const profile = mkdtempSync(join(tmpdir(), 'gyrelace-measure-'));
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium', headless: true, userDataDir: profile,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
});
try {
  const tab = await browser.newPage();
  await tab.setViewport({ width, height });
  await tab.goto(`file://${html}#seed=1${extra}`);
  const system = await browser.target().createCDPSession();
  const times = async () => (await system.send('SystemInfo.getProcessInfo')).processInfo;
  const pause = (s) => new Promise((resolve) => setTimeout(resolve, s * 1000));
  await pause(5);
  const before = await times();
  const start = performance.now();
  await pause(seconds);
  const after = await times();
  const wall = (performance.now() - start) / 1000;
  const used = (info) => after.filter(info).reduce((sum, p) => sum + p.cpuTime, 0) -
    before.filter(info).reduce((sum, p) => sum + p.cpuTime, 0);
  const share = (info) => `${(100 * used(info) / wall).toFixed(2)} %`;
  console.log(`#seed=1${extra} on ${width}x${height} over ${wall.toFixed(0)} s, of one core: ` +
    `the page's renderer ${share((p) => p.type === 'renderer')}, ` +
    `the GPU process (compositing) ${share((p) => p.type === 'GPU')}, ` +
    `the whole browser ${share(() => true)}`);
} finally {
  await browser.close();
  rmSync(profile, { recursive: true, force: true, maxRetries: 10 });
}
