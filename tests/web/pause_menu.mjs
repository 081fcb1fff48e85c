// The pause menu on the web: the page's pause button opens it over the game
// and the game stands still under it; a hidden tab comes back paused; a
// setting changed in it is kept in the page's local storage, and after a
// reload the cover's boxes show it; Quit in it ends on the closing card. On a
// phone, a tap on an item chooses it.
import { centre, fail, fingers, framesRun, log, openPage, phone, screenshot, waitUntil, webTest } from "./lib/browser.mjs";

const paused = (page) => page.evaluate(() => Module._tarnwick_paused() !== 0);
const kept = (page) => page.evaluate(() => localStorage.getItem("tarnwick.settings") || "");
const setHidden = (page, hidden) => page.evaluate((hidden) => {
  Object.defineProperty(document, "hidden", { value: hidden, configurable: true });
  Object.defineProperty(document, "visibilityState", { value: hidden ? "hidden" : "visible", configurable: true });
  document.dispatchEvent(new Event("visibilitychange"));
}, hidden);

async function play(page) {
  await waitUntil(120, "the cover, ready", () => page.isVisible("#cover.ready"));
  await page.click("#play");
  await waitUntil(30, "the first frames", async () => (await framesRun(page)) > 0);
}

await webTest(async (browser, url) => {
  const { page, errors } = await openPage(browser, url);
  await play(page);
  if (!(await page.isVisible("#pause"))) fail("no pause button while the game runs");

  await page.click("#pause");
  await waitUntil(30, "the menu, from the pause button", () => paused(page));
  await screenshot(page, "menu");
  if ((await kept(page)) !== "") fail("opening the menu kept settings");
  await page.keyboard.press("ArrowDown");
  await page.keyboard.press("Enter");
  await waitUntil(30, "captions kept in local storage", async () => /^captions = on$/m.test(await kept(page)));
  await page.click("#pause");  // as Escape: resumes
  await waitUntil(30, "the game resumed by the button", async () => !(await paused(page)));
  log("the pause button opens and closes the menu; a change is kept at once");

  await setHidden(page, true);
  await setHidden(page, false);
  await waitUntil(30, "the menu, after the tab was hidden", () => paused(page));
  await page.keyboard.press("Escape");
  await waitUntil(30, "the game resumed by Escape", async () => !(await paused(page)));
  log("a tab hidden and shown again comes back paused");

  await page.reload();
  await waitUntil(120, "the cover again", () => page.isVisible("#cover.ready"));
  if (!(await page.isChecked("input[name=captions]"))) fail("after a reload the captions box does not show the kept setting");
  if (await page.isChecked("input[name=reduce-flashing]")) fail("the reduce-flashing box is ticked though nothing kept it");
  await play(page);
  await page.keyboard.press("Escape");
  await waitUntil(30, "the menu", () => paused(page));
  await page.keyboard.press("ArrowUp");  // from Resume round to Quit
  await page.keyboard.press("Enter");
  await waitUntil(30, "the closing card after Quit", () => page.isVisible("#ended"));
  log("after a reload the boxes show what was kept; Quit ends on the closing card");
  if (errors.length) fail(`console errors: ${errors.join(" | ")}`);

  // A phone: the menu by the pause button, an item chosen by a tap on it.
  const { page: phonePage } = await openPage(browser, url, phone(844, 390));
  const hand = await fingers(phonePage);
  await waitUntil(120, "the phone's cover", () => phonePage.isVisible("#cover.ready"));
  await hand.tap(...(await centre(phonePage, "#play")));
  await waitUntil(30, "the phone's first frames", async () => (await framesRun(phonePage)) > 0);
  await hand.tap(...(await centre(phonePage, "#pause")));
  await waitUntil(30, "the menu on the phone", () => paused(phonePage));
  // Quit's row (the seventh, rows 40 high from y 190, Speech just above it),
  // on the 800 by 600 picture letterboxed into 844 by 390.
  const box = await phonePage.locator("#canvas").boundingBox();
  const scale = Math.min(box.width / 800, box.height / 600);
  const [x, y] = [box.x + (box.width - 800 * scale) / 2 + 300 * scale, box.y + (box.height - 600 * scale) / 2 + 450 * scale];
  await screenshot(phonePage, "phone-menu");
  await hand.tap(x, y);
  await waitUntil(30, "the closing card after a tap on Quit", () => phonePage.isVisible("#ended"));
  log("on a phone a tap on Quit quits");
});
