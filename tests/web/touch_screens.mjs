// The keys for touch on the screens players hold: common phones on their
// side, a phone upright, and two tablets both ways, all on the title (where
// every key and SHIFT show); only the phone upright is asked to turn. Wherever a band beside the picture is wide
// enough for a thumb's key (44 CSS pixels with a margin either side, and
// ENTER beside it), no key stands over the picture; every key and button is
// 44 CSS pixels or more; none covers the band of thoughts (the picture's
// lower quarter) or the prompts (top centre); SHIFT is smaller than ENTER and
// apart from it. Prints, for each screen, where the keys went, their size and
// how much of the picture they cover.
import { centre, fail, fingers, log, openPage, phone, waitUntil, webTest } from "./lib/browser.mjs";

const screens = [
  ["phone 640x360", 640, 360, 3], ["phone 667x375", 667, 375, 2], ["phone 740x360", 740, 360, 3],
  ["phone 812x375", 812, 375, 3], ["phone 844x390", 844, 390, 3], ["phone 915x412", 915, 412, 2.625],
  ["phone upright 390x844", 390, 844, 3],
  ["tablet 1024x768", 1024, 768, 2], ["tablet upright 768x1024", 768, 1024, 2],
  ["tablet 1280x800", 1280, 800, 2], ["tablet upright 800x1280", 800, 1280, 2],
];
const Least = 44;

// The game's picture: 800 by 600 letterboxed, by a whole number of device
// pixels where that keeps nine tenths of the size.
function pictureOn(width, height, ratio) {
  const fit = Math.min((width * ratio) / 800, (height * ratio) / 600);
  const scale = (Math.floor(fit) >= 1 && Math.floor(fit) >= 0.9 * fit ? Math.floor(fit) : fit) / ratio;
  return { x: (width - 800 * scale) / 2, y: (height - 600 * scale) / 2, w: 800 * scale, h: 600 * scale, scale };
}
const overlap = (a, b) => Math.max(0, Math.min(a.x + a.w, b.x + b.w) - Math.max(a.x, b.x)) *
  Math.max(0, Math.min(a.y + a.h, b.y + b.h) - Math.max(a.y, b.y));
const gap = (a, b) => Math.max(a.x - b.x - b.w, b.x - a.x - a.w, a.y - b.y - b.h, b.y - a.y - a.h);
// A region of the 800 by 600 picture, on the screen.
const onScreen = (p, x, y, w, h) => ({ x: p.x + x * p.scale, y: p.y + y * p.scale, w: w * p.scale, h: h * p.scale });

await webTest(async (browser, url) => {
  const { page, errors } = await openPage(browser, url, phone(844, 390));
  const finger = await fingers(page);
  await waitUntil(120, "the cover, ready", () => page.isVisible("#cover.ready"));
  await finger.tap(...(await centre(page, "#play")));
  await waitUntil(60, "SHIFT on the title", () => page.isVisible("#shift"));
  const cdp = await page.context().newCDPSession(page);
  const table = [];
  for (const [name, width, height, ratio] of screens) {
    await cdp.send("Emulation.setDeviceMetricsOverride", { width, height, deviceScaleFactor: ratio, mobile: true });
    await waitUntil(10, `the keys laid out for ${name}`, () => page.evaluate(([w, h]) =>
      innerWidth === w && innerHeight === h, [width, height]));
    await page.waitForFunction(() => new Promise((done) => requestAnimationFrame(() => done(true))));
    const boxes = await page.evaluate(() => Object.fromEntries(
      ["#pad .up", "#pad .left", "#pad .right", "#pad .down", "#enter", "#shift", "#pause", "#fullscreen"].map((s) => {
        const e = document.querySelector(s), r = e.getBoundingClientRect();
        return [s, e.closest("[hidden]") ? null : { x: r.x, y: r.y, w: r.width, h: r.height }];
      })));
    const p = pictureOn(width, height, ratio);
    const upright = height > width;
    // A band holds the keys when a 44-pixel key fits with 8 pixels either
    // side, and SHIFT and ENTER (wider than high) as wide as the band.
    const sideHolds = p.x >= 2 * 8 + Least * 26 / 20;
    const belowHolds = upright && height - p.y - p.h >= 2 * 8 + Least;
    const thoughts = onScreen(p, 0, 450, 800, 150), prompts = onScreen(p, 320, 20, 180, 60);
    let covered = 0, smallest = Infinity;
    for (const [key, box] of Object.entries(boxes)) {
      if (!box) fail(`${name}: ${key} is not shown on the title`);
      smallest = Math.min(smallest, box.w, box.h);
      if (Math.min(box.w, box.h) < Least - 0.5) fail(`${name}: ${key} is ${box.w} by ${box.h}`);
      if (overlap(box, thoughts) > 0) fail(`${name}: ${key} covers the band of thoughts`);
      if (overlap(box, prompts) > 0) fail(`${name}: ${key} covers the prompts`);
      if ((sideHolds || belowHolds) && overlap(box, p) > 0) fail(`${name}: ${key} stands over the picture beside a band that holds it`);
      covered += overlap(box, p);
    }
    // Only a phone held upright, whose picture is small, is asked to turn.
    if ((await page.isVisible("#turn")) !== name.startsWith("phone upright")) fail(`${name}: the turn card is wrongly shown or not`);
    const [enter, shift] = [boxes["#enter"], boxes["#shift"]];
    if (shift.w * shift.h >= enter.w * enter.h) fail(`${name}: SHIFT is not smaller than ENTER`);
    if (gap(shift, enter) < Least) fail(`${name}: SHIFT stands ${gap(shift, enter)} pixels from ENTER`);
    const where = overlap(boxes["#pad .left"], p) > 0 ? "over the picture" : upright ? "under the picture" : "in the bands";
    const size = (box) => `${Math.round(box.w)} x ${Math.round(box.h)}`;
    table.push(`| ${name} | ${Math.round(p.x)} | ${where} | ${Math.round(boxes["#pad .left"].w)} | ${size(enter)} | ` +
      `${size(shift)} | ${Math.round(smallest)} | ${((100 * covered) / (p.w * p.h)).toFixed(1)} % |`);
  }
  log("where the keys went (CSS pixels):\n| screen | band beside the picture | keys | arrow key | ENTER | SHIFT | " +
    `smallest key or button | picture covered |\n|---|---|---|---|---|---|---|---|\n${table.join("\n")}`);
  if (errors.length) fail(`console errors: ${errors.join(" | ")}`);
});
