// A phone on its side (844 by 390 CSS pixels, three device pixels to each,
// touch): the option boxes sit by the play button; a tap plays; the keys for
// touch stand in the bands beside the picture (SHIFT only where it quits); by touch alone the player gets
// past the title, reads the first lines, gets out of bed and walks through the
// bedroom door. The page never scrolls or zooms.
import { centre, fail, fingers, log, openPage, phone, waitForScreen, waitUntil, webTest } from "./lib/browser.mjs";
import { bandShown, lineChanged, pictureOf, promptShown, regionDiffers, showsPicture } from "./lib/screen.mjs";

const moved = (page) => page.evaluate(() => window.scrollX !== 0 || window.scrollY !== 0 ||
  document.scrollingElement.scrollTop !== 0 || (window.visualViewport && window.visualViewport.scale !== 1));

await webTest(async (browser, url) => {
  const { page, errors } = await openPage(browser, url, phone(844, 390));
  const finger = await fingers(page);
  await waitUntil(120, "the cover", () => page.isVisible("#cover"));
  const play = await page.locator("#play").boundingBox();
  const options = await page.locator("#options").boundingBox();
  if (options.y < play.y + play.height - 1 || options.y > play.y + play.height + 60 || options.y + options.height > 390)
    fail(`the option boxes are not right under the play button: ${JSON.stringify({ play, options })}`);

  await finger.tap(...(await centre(page, "#play")));
  // The game's picture, 520 by 390 in the middle, 162 wide bands beside it.
  const rect = { left: 162, top: 0, width: 520, height: 390 };
  const view = (shot) => pictureOf(shot, rect, 3);
  await waitForScreen(page, 60, "title", (shot) => showsPicture(view(shot), "TitleScreen.png"), true);
  if (!(await page.isVisible("#enter")) || !(await page.isVisible("#pad")))
    fail("no keys for touch after a tap");
  for (const key of ["#pad", "#actions"]) {
    const box = await page.locator(key).boundingBox();
    if (box.x + box.width > rect.left && box.x < rect.left + rect.width) fail(`${key} stands over the picture`);
  }
  // SHIFT quits on the title, so it is offered there, and only there.
  if (!(await page.isVisible("#shift"))) fail("no SHIFT key on the title");
  log("the title shows, with the keys for touch in the bands beside it");

  // ENTER on the title (taken once the intro has gone) goes into the bedroom.
  const enter = await centre(page, "#enter");
  await finger.tap(...enter);
  let shot = await waitForScreen(page, 60, "first-line", (now) => bandShown(view(now)), true);
  if (await page.isVisible("#shift")) fail("a SHIFT key in the bedroom, where Shift does nothing");
  // A tap on the picture itself reads on, as Return does.
  for (let i = 1; i <= 3; ++i) {
    const before = view(shot);
    await finger.tap(400, 150);
    shot = await waitForScreen(page, 30, `line-${i}`, (now) => lineChanged(view(now), before), true);
  }
  log("ENTER and taps on the picture read the first lines");

  // A held arrow slides the view until the Move prompt shows; ENTER walks on.
  const walkToMove = async (name, arrow) => {
    const left = await centre(page, `#pad .${arrow}`);
    await waitUntil(90, `the Move prompt (${name})`, async () => {
      await finger.down(...left);
      await page.waitForTimeout(100);
      await finger.up();
      shot = await waitForScreen(page, 5, name, () => true, true);
      return promptShown(view(shot), "Move.png");
    });
  };
  const inBed = view(shot);
  await walkToMove("to-the-bed", "left");
  if (!regionDiffers(view(shot), inBed, 800, 400, 0, 100, 20000)) fail("the view did not slide");
  await finger.tap(...enter);
  await waitForScreen(page, 30, "out-of-bed", (now) => !promptShown(view(now), "Move.png"), true);
  await walkToMove("to-the-door", "right");
  const atDoor = view(shot);
  await finger.tap(...enter);
  await waitForScreen(page, 30, "through-the-door", (now) =>
    !promptShown(view(now), "Move.png") && regionDiffers(view(now), atDoor, 800, 400, 0, 50, 100000), true);
  log("held arrows slid the view to the Move prompts, and ENTER walked through the door");

  if (await moved(page)) fail("the page scrolled or zoomed");
  if (errors.length) fail(`console errors: ${errors.join(" | ")}`);
});
