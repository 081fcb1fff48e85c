// The zip for game portals, unpacked and served from a folder deep in a
// host: the page loads without a console error and waits on its cover;
// nothing of the game runs and no sound starts before the click. The click
// starts both: the title comes up, letterboxed in a window wider than 4:3,
// and the audio context runs. Shift quits to the page's closing card.
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";

import { audioState, fail, framesRun, log, openPage, screenshot, waitForScreen, waitUntil, webTest } from "./lib/browser.mjs";
import { at, brightest, differsFromPicture, showsPicture } from "./lib/screen.mjs";

const build = process.cwd();
const zip = execFileSync(path.join(process.env.TARNWICK_SOURCE, "scripts/package"), ["--web"],
  { env: { ...process.env, TARNWICK_BUILD_DIR: build }, encoding: "utf8" }).trim().split("\n").pop();
const unpacked = fs.mkdtempSync(path.join(os.tmpdir(), "tarnwick-web-zip-"));
process.on("exit", () => fs.rmSync(unpacked, { recursive: true, force: true }));
execFileSync("unzip", ["-q", zip, "-d", unpacked]);
log(`${path.basename(zip)} unpacked: ${fs.readdirSync(unpacked).join(" ")}`);
try {
  execFileSync("bash", [path.join(process.env.TARNWICK_SOURCE, "tests/package/lib/machine_free.sh"),
    process.env.TARNWICK_SOURCE, build, "the web zip", unpacked], { stdio: ["ignore", "inherit", "inherit"] });
} catch {
  fail("the web zip holds something of the machine that built it");
}

await webTest(async (browser, url) => {
  // 1000 by 600: the picture is 800 wide in the middle, with black bars of 100.
  const { page, errors } = await openPage(browser, url, { width: 1000, height: 600 });
  const picture = at(100, 0);

  await waitUntil(120, "the cover after loading", () => page.isVisible("#cover.ready"));
  log("the data has loaded and the cover shows");
  // A few of the page's animation frames later, still nothing has started.
  await page.evaluate(() => new Promise((done) => {
    let n = 0;
    const frame = () => (++n < 30 ? requestAnimationFrame(frame) : done());
    requestAnimationFrame(frame);
  }));
  if ((await framesRun(page)) !== 0) fail("the game ran frames before the click");
  if ((await audioState(page)).length !== 0) fail("a sound engine started before the click");

  await page.click("#play");
  const first = await waitForScreen(page, 60, "intro", (shot) => brightest(shot, 800, 600, 100, 0) > 0);
  if (differsFromPicture(first, "Intro.png", picture) > differsFromPicture(first, "TitleScreen.png", picture))
    fail("the first picture after the click is not the intro over the title");
  const title = await waitForScreen(page, 60, "title", (shot) => showsPicture(shot, "TitleScreen.png", picture));
  log("the title shows after the intro");
  // The bars beside the picture stay black (below the full-screen button).
  if (brightest(title, 100, 550, 0, 50) > 0.02 || brightest(title, 100, 550, 900, 50) > 0.02)
    fail("the picture is not letterboxed between black bars");

  await waitUntil(30, "the audio context running", async () => (await audioState(page)).includes("running"));
  log(`audio: ${await audioState(page)}`);
  // Shift quits on the title as on the desktop; the page then shows its
  // closing card instead of a canvas that no longer moves.
  await page.keyboard.press("Shift");
  await waitUntil(30, "the closing card", () => page.isVisible("#ended"));
  const framesAtEnd = await framesRun(page);
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
  if ((await framesRun(page)) !== framesAtEnd) fail("frames still run after the quit");
  await screenshot(page, "thanks");
  if (errors.length) fail(`console errors: ${errors.join(" | ")}`);
}, unpacked, "/portal/games/tarnwick/");
