// What every web test shares: the built site served on 127.0.0.1 by a plain
// static server, Debian's Chromium driven headless (never a browser of the
// driver's own), deadlines scaled by TARNWICK_TEST_SLOWNESS, and screenshots
// kept in the build's screenshots folder.
import fs from "node:fs";
import http from "node:http";
import path from "node:path";
import { chromium } from "playwright-core";

export const slowness = Number(process.env.TARNWICK_TEST_SLOWNESS || 1);
export const site = process.env.TARNWICK_WEB_SITE;
export const sprites = process.env.TARNWICK_SPRITES;
const shotsDir = process.env.TARNWICK_SCREENSHOTS || "screenshots";
const testName = path.basename(process.argv[1], ".mjs");

export function log(message) {
  console.log(`${testName}: ${message}`);
}

export class Failure extends Error {}
export function fail(message) {
  throw new Failure(message);
}

const types = {
  ".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".png": "image/png",
  ".wasm": "application/wasm", ".data": "application/octet-stream",
};

// Serves a folder as any static host would: files by path under `mount`,
// nothing else; `answer(name, response)`, when given, answers instead for
// the paths it says true for.
export async function serve(dir, mount = "/", answer = () => false) {
  const server = http.createServer((request, response) => {
    if (answer(new URL(request.url, "http://host").pathname, response)) return;
    const name = decodeURIComponent(new URL(request.url, "http://host").pathname);
    const inside = name.startsWith(mount) ? name.slice(mount.length - 1) : "/..";
    const file = path.join(dir, inside.endsWith("/") ? `${inside}index.html` : inside);
    if (!file.startsWith(dir) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { "Content-Type": types[path.extname(file)] || "application/octet-stream" });
    fs.createReadStream(file).pipe(response);
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  return { url: `http://127.0.0.1:${server.address().port}${mount}`, close: () => server.close() };
}

// Headless, with the flags a machine without network or GPU needs; WebGL is
// drawn by SwiftShader.
export function launch() {
  return chromium.launch({
    executablePath: process.env.TARNWICK_CHROMIUM || "/usr/bin/chromium",
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
      "--disable-component-update", "--disable-sync", "--use-angle=swiftshader", "--enable-unsafe-swiftshader"],
  });
}

// Opens the page and records every console error and uncaught exception;
// `screen` is a viewport, or the page's options with one (see phone).
export async function openPage(browser, url, screen = { width: 800, height: 600 }) {
  const page = await browser.newPage(screen.viewport ? screen : { viewport: screen });
  const errors = [];
  page.on("console", (message) => {
    if (message.type() === "error") errors.push(message.text());
  });
  page.on("pageerror", (error) => errors.push(String(error)));
  await page.goto(url);
  return { page, errors };
}

// Polls `check` every 0.2 s until it answers true, failing after `seconds`
// (times the slowness).
export async function waitUntil(seconds, what, check) {
  const deadline = Date.now() + seconds * 1000 * slowness;
  for (;;) {
    if (await check()) return;
    if (Date.now() > deadline) fail(`waited ${seconds * slowness} s for ${what}`);
    await new Promise((resolve) => setTimeout(resolve, 200));
  }
}

// Saves the page as <screenshots>/web-<test>-<name>.png (the last one of
// that name stays) and returns the path: in CSS pixels, or with `device` in
// the screen's own.
export async function screenshot(page, name, device = false) {
  fs.mkdirSync(shotsDir, { recursive: true });
  const file = path.join(shotsDir, `web-${testName}-${name}.png`);
  await page.screenshot({ path: file, scale: device ? "device" : "css" });
  return file;
}

// Polls screenshots until `check(shot)` holds; returns the last one.
export async function waitForScreen(page, seconds, name, check, device = false) {
  let shot;
  await waitUntil(seconds, name, async () => check((shot = await screenshot(page, name, device))));
  return shot;
}

// 0 until the game's code has loaded (the cover shows before it has).
export const framesRun = (page) =>
  page.evaluate(() => (document.getElementById("cover").classList.contains("ready") ? Module._tarnwick_frames_run() : 0));
export const audioState = (page) =>
  page.evaluate(() => (window.miniaudio ? window.miniaudio.devices.filter(Boolean).map((d) => d.webaudio.state) : []));

// Runs a test body with a browser and a server for `dir`, closing both
// whatever happens, and ends the process with the test's result. With
// TARNWICK_WEB_URL set, the page is taken from there instead (a site that
// scripts/play-web serves, say).
export async function webTest(body, dir = site, mount = "/") {
  let server, browser, status = 0;
  try {
    const given = process.env.TARNWICK_WEB_URL;
    if (!given && (!dir || !fs.existsSync(path.join(dir, "index.html")))) fail(`no web site built at ${dir}`);
    server = given ? { url: given, close() {} } : await serve(dir, mount);
    browser = await launch();
    await body(browser, server.url);
    log("PASS");
  } catch (error) {
    console.error(`${testName}: FAIL: ${error instanceof Failure ? error.message : error.stack}`);
    status = 1;
  } finally {
    if (browser) await browser.close();
    if (server) server.close();
  }
  process.exit(status);
}

// A phone, held on its side or upright: touch, a mobile browser, three
// device pixels to a CSS pixel.
export const phone = (width, height) =>
  ({ viewport: { width, height }, deviceScaleFactor: 3, hasTouch: true, isMobile: true });

// Fingers on the screen, by Chromium's own touch events (which the page sees
// as pointer events of a touch): down at (x, y) in CSS pixels, moved, then up.
export async function fingers(page) {
  const cdp = await page.context().newCDPSession(page);
  return {
    down: (x, y) => cdp.send("Input.dispatchTouchEvent", { type: "touchStart", touchPoints: [{ x, y }] }),
    move: (x, y) => cdp.send("Input.dispatchTouchEvent", { type: "touchMove", touchPoints: [{ x, y }] }),
    up: () => cdp.send("Input.dispatchTouchEvent", { type: "touchEnd", touchPoints: [] }),
    async tap(x, y) {
      await this.down(x, y);
      await this.up();
    },
  };
}

// The centre of an element, in CSS pixels.
export async function centre(page, selector) {
  const box = await page.locator(selector).boundingBox();
  if (!box) fail(`${selector} is not shown`);
  return [box.x + box.width / 2, box.y + box.height / 2];
}
