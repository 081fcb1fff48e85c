// The game in the page plays as on the desktop: Return after the intro goes on
// into the bedroom with its first line in the band; three more Returns read
// the lines; held arrow keys slide the view to the bedroom's Move prompt. No
// key ever scrolls the page. The options in the address reach the game: it
// plays with both on (their boxes ticked on the cover).
import { fail, log, openPage, waitForScreen, waitUntil, webTest } from "./lib/browser.mjs";
import { bandShown, lineChanged, promptShown, regionDiffers, showsPicture } from "./lib/screen.mjs";

const scrolled = (page) => page.evaluate(() => window.scrollX !== 0 || window.scrollY !== 0 ||
  document.scrollingElement.scrollTop !== 0 || document.scrollingElement.scrollLeft !== 0);

await webTest(async (browser, url) => {
  const { page } = await openPage(browser, `${url}?captions&reduce-flashing`);
  await waitUntil(120, "the cover", () => page.isVisible("#cover"));
  const ticked = await page.$$eval("#options input", (boxes) => boxes.filter((b) => b.checked).length);
  if (ticked !== 2) fail(`${ticked} of the two option boxes ticked by the address`);
  await page.click("#play");
  await waitForScreen(page, 60, "title", (shot) => showsPicture(shot, "TitleScreen.png"));

  await page.keyboard.press("Enter");
  let shot = await waitForScreen(page, 60, "bedroom-first-line", bandShown);
  log("Return went on into the bedroom with its first line");
  for (let i = 1; i <= 3; ++i) {
    const before = shot;
    await page.keyboard.press("Enter");
    shot = await waitForScreen(page, 30, `line-${i}`, (now) => lineChanged(now, before));
  }
  if (bandShown(shot)) fail("the band is still shown after three Returns");

  // Left, held a tenth of a second at a time (about 25 px of view), until the
  // Move prompt of the bed's window shows; the view has slid.
  const inBed = shot;
  await waitUntil(90, "the Move prompt", async () => {
    await page.keyboard.down("ArrowLeft");
    await page.waitForTimeout(100);
    await page.keyboard.up("ArrowLeft");
    shot = await waitForScreen(page, 5, "walking-left", () => true);
    return promptShown(shot, "Move.png");
  });
  if (!regionDiffers(shot, inBed, 800, 400, 0, 100, 20000)) fail("the view did not slide");
  log("held Left slid the view to the Move prompt");

  for (const key of ["ArrowDown", "ArrowRight", "ArrowUp", "PageDown", "Space", "End"]) {
    await page.keyboard.down(key);
    await page.keyboard.up(key);
  }
  if (await scrolled(page)) fail("a key scrolled the page");
});
