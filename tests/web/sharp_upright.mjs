// The picture is sharp on a phone: the canvas's backing store is its CSS size
// times the device pixel ratio (and follows a new ratio), and the title's
// pixel-art edges show no blended colours. Held upright, the phone shows the
// card asking to turn it, the option boxes by the play button and, after a
// tap, the keys under the picture. A keyboard player on a desktop never sees
// the keys or the card, and the full-screen button stands outside the picture.
import { centre, fail, fingers, framesRun, log, openPage, phone, screenshot, waitForScreen, waitUntil, webTest } from "./lib/browser.mjs";
import { blendedShare, pictureOf, showsPicture } from "./lib/screen.mjs";

const backingStore = (page) => page.evaluate(() => {
  const c = document.getElementById("canvas");
  return { width: c.width, height: c.height, cssWidth: c.clientWidth, cssHeight: c.clientHeight, ratio: devicePixelRatio };
});
const inside = (box, rect) => box.x + box.width > rect.left && box.x < rect.left + rect.width &&
  box.y + box.height > rect.top && box.y < rect.top + rect.height;

await webTest(async (browser, url) => {
  // On its side: 844 by 390, the picture 520 by 390 in the middle.
  {
    const { page } = await openPage(browser, url, phone(844, 390));
    const finger = await fingers(page);
    await waitUntil(120, "the cover", () => page.isVisible("#cover"));
    if (await page.isVisible("#turn")) fail("the turn card shows on a phone on its side");
    await finger.tap(...(await centre(page, "#play")));
    const rect = { left: 162, top: 0, width: 520, height: 390 };
    const shot = await waitForScreen(page, 60, "title-sharp", (now) => showsPicture(pictureOf(now, rect, 3), "TitleScreen.png"), true);
    const store = await backingStore(page);
    if (store.width !== 844 * 3 || store.height !== 390 * 3) fail(`backing store ${JSON.stringify(store)}`);
    const blended = blendedShare(shot, 1500, 6, 3 * 170, 300);
    log(`backing store ${store.width} by ${store.height}; ${(100 * blended).toFixed(2)} % of the title's pixels blended`);
    if (blended > 0.02) fail("the title is drawn with blended edges");
    // A new device pixel ratio (the window moved to another screen): the
    // backing store follows.
    const cdp = await page.context().newCDPSession(page);
    await cdp.send("Emulation.setDeviceMetricsOverride", { width: 844, height: 390, deviceScaleFactor: 2, mobile: true });
    await waitUntil(10, "the backing store at the new ratio", async () => (await backingStore(page)).width === 844 * 2);
    await page.close();
  }
  // Upright: 390 by 844.
  {
    const { page } = await openPage(browser, url, phone(390, 844));
    const finger = await fingers(page);
    await waitUntil(120, "the cover", () => page.isVisible("#cover"));
    if (!(await page.isVisible("#turn"))) fail("no card asking to turn the phone");
    const play = await page.locator("#play").boundingBox();
    const options = await page.locator("#options").boundingBox();
    if (options.y < play.y + play.height - 1 || options.y > play.y + play.height + 60)
      fail(`the option boxes are far from the play button: ${JSON.stringify({ play, options })}`);
    await finger.tap(...(await centre(page, "#play")));
    await waitUntil(60, "the game's frames", async () => (await framesRun(page)) > 10);
    // The picture, 390 by 292.5, in the middle of the height.
    const rect = { left: 0, top: (844 - 292.5) / 2, width: 390, height: 292.5 };
    for (const key of ["#pad", "#actions", "#turn"]) {
      const box = await page.locator(key).boundingBox();
      if (!box) fail(`${key} is not shown upright`);
      if (inside(box, rect)) fail(`${key} stands over the picture`);
    }
    await screenshot(page, "upright");
    log("upright: the turn card above the picture, the keys under it");
    await page.close();
  }
  // A keyboard player at 1280 by 720: the picture 960 by 720 from x 160.
  {
    const { page } = await openPage(browser, url, { width: 1280, height: 720 });
    await waitUntil(120, "the cover", () => page.isVisible("#cover"));
    await page.click("#play");
    await waitForScreen(page, 60, "keyboard-title", (shot) => showsPicture(pictureOf(shot, { left: 160, top: 0, width: 960, height: 720 }), "TitleScreen.png"));
    await page.keyboard.press("Enter");
    await page.waitForTimeout(500);
    for (const hidden of ["#pad", "#enter", "#turn"]) if (await page.isVisible(hidden)) fail(`a keyboard player sees ${hidden}`);
    const button = await page.locator("#fullscreen").boundingBox();
    if (inside(button, { left: 160, top: 0, width: 960, height: 720 })) fail("the full-screen button stands over the picture");
    log("a keyboard player sees no keys for touch, and the full-screen button beside the picture");
    await page.close();
  }
});
