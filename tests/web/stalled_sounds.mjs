// A sound stream that opens, sends its list of files and then half of its
// first file slowly (a little every 2.5 s for 15 s: slow is not stopped),
// then nothing more, the connection held open (a host or a network that
// hangs): the game, which waits for that sound, does not wait for ever. The
// page tries again, as for a failed download, then gives up: the missing
// sounds are silent, the game goes on, and the page says so.
import fs from "node:fs";
import path from "node:path";

import { fail, framesRun, log, openPage, serve, site, waitForScreen, waitUntil, webTest } from "./lib/browser.mjs";
import { bandShown, showsPicture } from "./lib/screen.mjs";

await webTest(async (browser) => {
  const stream = fs.readFileSync(path.join(site, "sounds.data"));
  const listEnds = 4 + stream.readUInt32BE(0);
  const first = JSON.parse(stream.subarray(4, listEnds).toString())[0];
  const asked = [];
  const host = await serve(site, "/", (name, response) => {
    if (name !== "/sounds.data") return false;
    response.writeHead(200, { "Content-Type": "application/octet-stream", "Content-Length": stream.length });
    response.write(stream.subarray(0, listEnds));
    if (asked.push(Date.now()) === 1)
      for (let piece = 0; piece < 6; ++piece) {
        const from = listEnds + Math.floor((first.size * piece) / 12), to = listEnds + Math.floor((first.size * (piece + 1)) / 12);
        setTimeout(() => response.write(stream.subarray(from, to)), 2500 * (piece + 1));
      }
    return true;
  });
  const { page, errors } = await openPage(browser, host.url);
  await waitUntil(120, "the cover, loaded", () => page.isVisible("#cover.ready"));
  await page.click("#play");
  await waitForScreen(page, 60, "title", (shot) => showsPicture(shot, "TitleScreen.png"));
  await page.keyboard.press("Enter");
  await waitForScreen(page, 60, "bedroom", bandShown);
  // The next line's click is the stream's first sound.
  await page.keyboard.press("Enter");
  await waitUntil(30, "the game waiting for its sound", () => page.isVisible("#waiting .bar"));
  const stoppedAt = await framesRun(page);
  log("the stream sends half its first sound slowly, then stops; the game waits for it");

  await waitUntil(120, "the game going on without it", async () =>
    !(await page.isVisible("#waiting .bar")) && (await framesRun(page)) > stoppedAt + 30);
  const left = await page.evaluate(() => Module.soundsToCome.size);
  const came = await page.evaluate((files) => files.filter((file) => Module.FS.analyzePath(file).exists),
    JSON.parse(stream.subarray(4, listEnds).toString()).map((file) => file.name));
  if (left !== 0) fail(`the page still waits for ${left} sounds`);
  if (came.length) fail(`sounds that never came whole are in the game's files: ${came}`);
  if (asked.length < 2) fail(`the stream was asked for ${asked.length} time(s): a stopped stream is tried again`);
  if (asked[1] - asked[0] < 15000) fail(`the stream was given up after ${asked[1] - asked[0]} ms while it was still sending`);
  const notice = (await page.isVisible("#notice")) ? await page.textContent("#notice") : "";
  if (!/sounds/i.test(notice)) fail("the page did not say that sounds are missing");
  log(`after ${asked.length} tries the game went on in silence for the missing sounds; the page said: "${notice}"`);
  if (errors.length) fail(`console errors: ${errors.join(" | ")}`);
  host.close();
});
