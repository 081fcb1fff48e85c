// A player's thumbs on a small phone on its side (667 by 375, keys one above
// another in the narrow bands): taps on and just off ENTER on the title never
// quit; a thumb that rolls from Left onto Right turns from left to right; a
// touch a few pixels off a key, on the picture, is that key and not Return;
// Up beckons while the game asks to hold W. What the page hands the game is
// read where it hands it (the game's key function, wrapped).
import { centre, fail, fingers, framesRun, log, openPage, phone, waitForScreen, waitUntil, webTest } from "./lib/browser.mjs";
import { bandShown, pictureOf, showsPicture } from "./lib/screen.mjs";

const [Return, Shift, Left, Right] = [40, 225, 80, 79];

await webTest(async (browser, url) => {
  const { page, errors } = await openPage(browser, url, phone(667, 375));
  const finger = await fingers(page);
  await waitUntil(120, "the cover, ready", () => page.isVisible("#cover.ready"));
  await finger.tap(...(await centre(page, "#play")));
  const rect = { left: 83.5, top: 0, width: 500, height: 375 };
  await waitForScreen(page, 60, "title", (shot) => showsPicture(pictureOf(shot, rect, 3), "TitleScreen.png"), true);
  if (!(await page.isVisible("#shift"))) fail("no SHIFT on the title");
  await page.evaluate(() => {
    window.pressed = [];
    Module._tarnwick_page_key(0, 0);  // no key: Emscripten binds the export at its first call
    const press = Module._tarnwick_page_key;
    Module._tarnwick_page_key = (key, down) => (window.pressed.push([key, down]), press(key, down));
  });
  const pressed = async () => page.evaluate(() => window.pressed.splice(0).map(([key, down]) => `${down ? "+" : "-"}${key}`).join(" "));
  const box = async (selector) => page.locator(selector).boundingBox();

  // ENTER, then at once a slip just above it and one just beside it.
  const enter = await box("#enter");
  await finger.tap(enter.x + enter.width / 2, enter.y + enter.height / 2);
  await finger.tap(enter.x + enter.width / 2, enter.y - 6);
  await finger.tap(enter.x - 6, enter.y + enter.height / 2);
  const onEnter = await pressed();
  if (onEnter !== `+${Return} -${Return} `.repeat(3).trim()) fail(`taps on and beside ENTER were not ENTER alone: ${onEnter}`);
  await waitForScreen(page, 60, "bedroom", (shot) => bandShown(pictureOf(shot, rect, 3)), true);
  if (await page.isVisible("#ended")) fail("the game quit");
  log("taps on ENTER and just off it on the title went on into the bedroom, and never quit");

  // A thumb down on Left rolls, by small steps, onto Right.
  const [left, right] = [await centre(page, "#pad .left"), await centre(page, "#pad .right")];
  await finger.down(...left);
  for (let step = 1; step <= 8; ++step)
    await finger.move(left[0] + ((right[0] - left[0]) * step) / 8, left[1] + ((right[1] - left[1]) * step) / 8);
  await finger.up();
  const rolled = await pressed();
  if (rolled !== `+${Left} -${Left} +${Right} -${Right}`) fail(`a thumb rolling from Left onto Right did not turn right: ${rolled}`);
  log("a thumb rolling from Left onto Right let go of Left and held Right");

  // Just off the pad's Right, on the picture: Right, not Return.
  const pad = await box("#pad .right");
  const x = pad.x + pad.width + 12, frames = await framesRun(page);
  if (x <= rect.left) fail("the tap just off the key is not on the picture");
  await finger.tap(x, pad.y + pad.height / 2);
  await waitUntil(10, "a frame after the tap", async () => (await framesRun(page)) > frames + 2);
  const offRight = await pressed();
  if (offRight !== `+${Right} -${Right}`) fail(`a tap just off Right was not Right alone: ${offRight}`);
  log("a tap on the picture 12 pixels off Right was Right, not Return");

  // While the game asks to hold W, Up glows and fades.
  await page.evaluate(() => (Module._tarnwick_asks_to_hold_up = () => 1));
  await waitUntil(5, "Up beckoning", () => page.evaluate(() =>
    getComputedStyle(document.querySelector("#pad .up img")).animationName === "beckon"));
  log("Up beckons while the game asks to hold W");
  if ((await pressed()).includes(`+${Shift}`)) fail("SHIFT was pressed");
  if (errors.length) fail(`console errors: ${errors.join(" | ")}`);
});
