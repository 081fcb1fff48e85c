// The page waits only for the code, the pictures and the title's sounds; the
// others come in one stream while the game plays. Here the stream is held
// back: the title still comes, with every late sound still to come; the first
// Return in the bedroom wants a sound that has not arrived, so the game stands
// still with the loading bar, and once the stream is let through it goes on
// and the sound is played (its file opened by the sound engine); in the end
// every streamed sound is in the game's files as it was packed.
import crypto from "node:crypto";
import fs from "node:fs";
import path from "node:path";

import { fail, framesRun, log, openPage, site, waitForScreen, waitUntil, webTest } from "./lib/browser.mjs";
import { bandShown, showsPicture } from "./lib/screen.mjs";

await webTest(async (browser, url) => {
  const { page, errors } = await openPage(browser, url);
  let letThrough;
  const held = new Promise((resolve) => (letThrough = resolve));
  await page.route("**/sounds.data", async (route) => {
    await held;
    await route.fulfill({ body: fs.readFileSync(path.join(site, "sounds.data")), contentType: "application/octet-stream" });
  });
  await waitUntil(120, "the cover, loaded", () => page.isVisible("#cover.ready"));
  const toCome = await page.evaluate(() => Module.soundsToCome.size);
  if (toCome < 40) fail(`only ${toCome} sounds are left to stream`);
  // Every file opened for reading (by the game's sound engine) from here on;
  // the page's own writing of the files that arrive is not counted.
  await page.evaluate(() => {
    window.opened = [];
    const open = Module.FS.open;
    Module.FS.open = function (file, flags, ...rest) {
      if (typeof flags === "number" && (flags & 3) === 0) window.opened.push(String(file));
      return open.call(this, file, flags, ...rest);
    };
  });

  await page.click("#play");
  await waitUntil(30, "the first title frame", async () => (await framesRun(page)) > 0);
  if ((await page.evaluate(() => Module.soundsToCome.size)) !== toCome) fail("a late sound came before the title");
  await waitForScreen(page, 60, "title", (shot) => showsPicture(shot, "TitleScreen.png"));
  await page.keyboard.press("Enter");
  await waitForScreen(page, 60, "bedroom", bandShown);
  log(`the title and the bedroom came with ${toCome} sounds still to come`);

  await page.keyboard.press("Enter");
  await waitUntil(30, "the loading bar while the game waits for a sound", () => page.isVisible("#waiting .bar"));
  const stoppedAt = await framesRun(page);
  await page.waitForTimeout(1000);
  if ((await framesRun(page)) !== stoppedAt) fail("frames ran while the game waited for its sound");
  const late = await page.evaluate(() => [...Module.soundsToCome]);
  log("the game waits for its sound, with the loading bar");

  letThrough();
  await waitUntil(60, "the game going on", async () => !(await page.isVisible("#waiting .bar")) && (await framesRun(page)) > stoppedAt);
  // The Return read on to the next line, whose click is the first sound of
  // the stream.
  await waitUntil(10, "the click played", async () =>
    (await page.evaluate(() => window.opened)).some((file) => file.endsWith("Assets/Audio/Click.mp3")));
  log("once the stream came, the game went on and played the click it had waited for");

  // Every sound of the stream is in the game's files, byte for byte.
  await waitUntil(60, "the whole stream", async () => (await page.evaluate(() => Module.soundsToCome.size)) === 0);
  const digests = await page.evaluate(async (files) => {
    const hex = async (bytes) => [...new Uint8Array(await crypto.subtle.digest("SHA-256", bytes))]
      .map((b) => b.toString(16).padStart(2, "0")).join("");
    return Promise.all(files.map((file) => hex(Module.FS.readFile(file))));
  }, late);
  late.forEach((file, i) => {
    const want = crypto.createHash("sha256").update(fs.readFileSync(path.join(process.env.TARNWICK_ASSETS, file.slice("Assets/".length)))).digest("hex");
    if (digests[i] !== want) fail(`${file} came other than it is`);
  });
  log(`all ${late.length} streamed sounds came whole`);
  if (errors.length) fail(`console errors: ${errors.join(" | ")}`);
});
