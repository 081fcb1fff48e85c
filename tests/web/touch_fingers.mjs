// A player's thumbs on a small phone on its side (667 by 375, the keys one
// above another in the narrow bands), read where the page hands the game its
// keys: taps on and just off ENTER on the title go on and never quit; a thumb
// rolling from Left onto Right turns right; a touch on the picture a few
// pixels off a key is that key, not Return; a click with no finger (a screen
// reader's double tap) presses a key; Up beckons while the game asks to hold W.
import { centre, fail, fingers, log, openPage, phone, waitForScreen, waitUntil, webTest } from "./lib/browser.mjs";
import { bandShown, pictureOf, showsPicture } from "./lib/screen.mjs";

await webTest(async (browser, url) => {
  const { page, errors } = await openPage(browser, url, phone(667, 375));
  const finger = await fingers(page);
  await waitUntil(120, "the cover, ready", () => page.isVisible("#cover.ready"));
  await finger.tap(...(await centre(page, "#play")));
  const rect = { left: 83.5, top: 0, width: 500, height: 375 };
  await waitForScreen(page, 60, "title", (shot) => showsPicture(pictureOf(shot, rect, 3), "TitleScreen.png"), true);
  await page.evaluate(() => {
    window.pressed = [];
    Module._tarnwick_page_key(0, 0);  // no key: Emscripten binds the export at its first call
    const press = Module._tarnwick_page_key;
    Module._tarnwick_page_key = (key, down) => (window.pressed.push(`${down ? "+" : "-"}${key}`), press(key, down));
  });
  const expect = async (want, what) => {
    const got = await page.evaluate(() => window.pressed.splice(0).join(" "));
    if (got !== want) fail(`${what}: the game was handed ${got}`);
    log(`${what}: ${got}`);
  };

  const enter = await page.locator("#enter").boundingBox();
  for (const [x, y] of [[0.5, 0.5], [0.5, -0.1], [-0.1, 0.5]]) await finger.tap(enter.x + x * enter.width, enter.y + y * enter.height);
  await expect("+40 -40 +40 -40 +40 -40", "ENTER on the title, then slips just above and beside it");
  await waitForScreen(page, 60, "bedroom", (shot) => bandShown(pictureOf(shot, rect, 3)), true);
  if (await page.isVisible("#ended")) fail("the game quit");

  const [left, right] = [await centre(page, "#pad .left"), await centre(page, "#pad .right")];
  await finger.down(...left);
  for (let step = 1; step <= 8; ++step) await finger.move(left[0] + ((right[0] - left[0]) * step) / 8, left[1] + ((right[1] - left[1]) * step) / 8);
  await finger.up();
  await expect("+80 -80 +79 -79", "a thumb rolling from Left onto Right");

  const key = await page.locator("#pad .right").boundingBox();
  if (key.x + key.width + 12 <= rect.left) fail("12 pixels off the key is not on the picture");
  await finger.tap(key.x + key.width + 12, key.y + key.height / 2);
  await expect("+79 -79", "a tap on the picture 12 pixels off Right");

  await page.waitForTimeout(1000);  // past the 0.6 s in which a click is the lifted finger's own
  await page.evaluate(() => document.getElementById("here").click());  // a screen reader's double tap
  await waitUntil(5, "the clicked key let go", () => page.evaluate(() => window.pressed.includes("-44")));
  await expect("+44 -44", "a click on what is here, with no finger");

  await page.evaluate(() => (Module._tarnwick_asks_to_hold_up = () => 1));
  await waitUntil(5, "Up beckoning while the game asks to hold W", () => page.evaluate(() =>
    getComputedStyle(document.querySelector("#pad .up img")).animationName === "beckon"));
  if (errors.length) fail(`console errors: ${errors.join(" | ")}`);
});
