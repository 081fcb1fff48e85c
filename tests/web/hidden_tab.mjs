// A hidden tab stands still: no frames and no sound; shown again, the game
// comes back paused, and resumed goes on from where it was. Hidden just after
// the click, for longer than the intro lasts, the intro is still there when
// the tab comes back and the menu is closed (the frame clock's clamp, then
// the pause: no jump over the time spent hidden), and the title follows it
// as usual.
import { audioState, fail, framesRun, log, openPage, waitForScreen, waitUntil, webTest } from "./lib/browser.mjs";
import { differsFromPicture, showsPicture } from "./lib/screen.mjs";

const setHidden = (page, hidden) => page.evaluate((hidden) => {
  Object.defineProperty(document, "hidden", { value: hidden, configurable: true });
  Object.defineProperty(document, "visibilityState", { value: hidden ? "hidden" : "visible", configurable: true });
  document.dispatchEvent(new Event("visibilitychange"));
}, hidden);

const introShown = (shot) => differsFromPicture(shot, "Intro.png") < differsFromPicture(shot, "TitleScreen.png");

await webTest(async (browser, url) => {
  const { page } = await openPage(browser, url);
  await waitUntil(120, "the cover", () => page.isVisible("#cover"));
  await page.click("#play");
  await waitUntil(30, "the first frames", async () => (await framesRun(page)) > 0);
  await waitUntil(30, "the audio context running", async () => (await audioState(page)).includes("running"));
  await setHidden(page, true);
  const hiddenAt = await framesRun(page);
  log(`hidden after ${hiddenAt} frames`);

  await waitUntil(30, "the audio context suspended", async () => (await audioState(page)).every((s) => s !== "running"));
  // The intro stays 3.5 s and fades in 1.7 s: hidden for longer than both.
  await page.waitForTimeout(6000);
  const stillAt = await framesRun(page);
  if (stillAt !== hiddenAt) fail(`frames ran while hidden: ${hiddenAt} then ${stillAt}`);

  await setHidden(page, false);
  await waitUntil(30, "frames after showing", async () => (await framesRun(page)) > stillAt);
  await waitUntil(30, "the pause menu", () => page.evaluate(() => Module._tarnwick_paused() !== 0));
  await page.keyboard.press("Escape");
  await waitUntil(30, "the game resumed", () => page.evaluate(() => Module._tarnwick_paused() === 0));
  await waitUntil(30, "the audio context running again", async () => (await audioState(page)).includes("running"));
  const back = await waitForScreen(page, 10, "shown-again", () => true);
  if (!introShown(back)) fail("the intro had gone by the time the tab came back: the game jumped");
  await waitForScreen(page, 60, "title", (shot) => showsPicture(shot, "TitleScreen.png"));
  log("the intro went on where it was, then the title");
});
