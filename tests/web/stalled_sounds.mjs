// A sound stream that sends its list and half its first file slowly (a little
// every 2.5 s for 15 s: slow is not stopped), then nothing, held open: the
// game waiting for that sound does not wait for ever. The page tries again,
// as for a failed download, then gives up: the missing sounds are silent,
// the game goes on, and the page says so.
import fs from "node:fs";
import path from "node:path";

import { fail, framesRun, log, openPage, serve, site, waitForScreen, waitUntil, webTest } from "./lib/browser.mjs";
import { bandShown, showsPicture } from "./lib/screen.mjs";

await webTest(async (browser) => {
  const stream = fs.readFileSync(path.join(site, "sounds.data"));
  const listEnds = 4 + stream.readUInt32BE(0), files = JSON.parse(stream.subarray(4, listEnds).toString());
  const asked = [];
  const host = await serve(site, "/", (name, response) => {
    if (name !== "/sounds.data") return false;
    response.writeHead(200, { "Content-Type": "application/octet-stream", "Content-Length": stream.length });
    response.write(stream.subarray(0, listEnds));
    const piece = (i) => stream.subarray(listEnds + Math.floor((files[0].size * i) / 12), listEnds + Math.floor((files[0].size * (i + 1)) / 12));
    if (asked.push(Date.now()) === 1) for (let i = 0; i < 6; ++i) setTimeout(() => response.write(piece(i)), 2500 * (i + 1));
    return true;
  });
  const { page, errors } = await openPage(browser, host.url);
  await waitUntil(120, "the cover, loaded", () => page.isVisible("#cover.ready"));
  await page.click("#play");
  await waitForScreen(page, 60, "title", (shot) => showsPicture(shot, "TitleScreen.png"));
  await page.keyboard.press("Enter");
  await waitForScreen(page, 60, "bedroom", bandShown);
  await page.keyboard.press("Enter");  // the next line's click is the stream's first sound
  await waitUntil(30, "the game waiting for its sound", () => page.isVisible("#waiting .bar"));
  const stoppedAt = await framesRun(page);
  await waitUntil(120, "the game going on without it", async () =>
    !(await page.isVisible("#waiting .bar")) && (await framesRun(page)) > stoppedAt + 30);
  const came = await page.evaluate((names) => names.filter((name) => Module.FS.analyzePath(name).exists), files.map((f) => f.name));
  if (came.length || (await page.evaluate(() => Module.soundsToCome.size))) fail(`sounds still to come, or come half: ${came}`);
  if (asked.length < 2) fail("a stopped stream was not tried again");
  if (asked[1] - asked[0] < 15000) fail(`the stream was given up after ${asked[1] - asked[0]} ms while it still sent`);
  const notice = (await page.isVisible("#notice")) ? await page.textContent("#notice") : "";
  if (!/sounds/i.test(notice)) fail("the page did not say that sounds are missing");
  log(`after ${asked.length} tries the game went on in silence for the missing sounds; the page said: "${notice}"`);
  if (errors.length) fail(`console errors: ${errors.join(" | ")}`);
  host.close();
});
