// The keys for touch on common phones on their side, a phone upright and two
// tablets both ways, on the title (every key and SHIFT shown): beside a band
// that holds a 44-pixel key (with 8 pixels either side, and SHIFT, wider than
// high, as wide as the band), no key over the picture; every key and button,
// and the cover's boxes, 44 CSS pixels or more; none over the band of
// thoughts (the picture's lower quarter) or the prompts (top centre); SHIFT
// smaller than ENTER, a key apart; only the phone upright asked to turn;
// nothing over anything else. Prints where the keys went.
import { centre, fail, fingers, log, openPage, phone, waitUntil, webTest } from "./lib/browser.mjs";

const screens = [["phone", 640, 360, 3], ["phone", 667, 375, 2], ["phone", 740, 360, 3], ["phone", 812, 375, 3],
  ["phone", 844, 390, 3], ["phone", 915, 412, 2.625], ["phone", 390, 844, 3], ["tablet", 1024, 768, 2],
  ["tablet", 768, 1024, 2], ["tablet", 1280, 800, 2], ["tablet", 800, 1280, 2]];
const keys = ["#pad .up", "#pad .left", "#pad .right", "#pad .down", "#enter", "#shift", "#here", "#pause", "#fullscreen"];
const Least = 44;
const overlap = (a, b) => Math.max(0, Math.min(a.x + a.w, b.x + b.w) - Math.max(a.x, b.x)) *
  Math.max(0, Math.min(a.y + a.h, b.y + b.h) - Math.max(a.y, b.y));
const gap = (a, b) => Math.max(a.x - b.x - b.w, b.x - a.x - a.w, a.y - b.y - b.h, b.y - a.y - a.h);
const size = (box) => `${Math.round(box.w)} x ${Math.round(box.h)}`;

await webTest(async (browser, url) => {
  const { page, errors } = await openPage(browser, url, phone(844, 390));
  await waitUntil(120, "the cover, ready", () => page.isVisible("#cover.ready"));
  for (const box of await page.locator("#options label").all())
    if (Math.min((await box.boundingBox()).width, (await box.boundingBox()).height) < Least) fail("a box on the cover is small");
  await (await fingers(page)).tap(...(await centre(page, "#play")));
  await waitUntil(60, "SHIFT on the title", () => page.isVisible("#shift"));
  const cdp = await page.context().newCDPSession(page);
  const table = [];
  for (const [kind, width, height, ratio] of screens) {
    const name = `${kind} ${width}x${height}`, upright = height > width;
    await cdp.send("Emulation.setDeviceMetricsOverride", { width, height, deviceScaleFactor: ratio, mobile: true });
    await waitUntil(10, name, () => page.evaluate(([w, h]) => innerWidth === w && innerHeight === h, [width, height]));
    await page.evaluate(() => new Promise((done) => requestAnimationFrame(done)));
    const boxes = await page.evaluate((keys) => keys.map((key) => {
      const e = document.querySelector(key), r = e.getBoundingClientRect();
      return e.closest("[hidden]") ? null : { key, x: r.x, y: r.y, w: r.width, h: r.height };
    }), keys);
    // The picture, 800 by 600 scaled by a whole number of device pixels where
    // that keeps nine tenths of the size, in the middle.
    const fit = Math.min((width * ratio) / 800, (height * ratio) / 600), whole = Math.floor(fit);
    const s = (whole >= 1 && whole >= 0.9 * fit ? whole : fit) / ratio;
    const p = { x: (width - 800 * s) / 2, y: (height - 600 * s) / 2, w: 800 * s, h: 600 * s };
    const at = (x, y, w, h) => ({ x: p.x + x * s, y: p.y + y * s, w: w * s, h: h * s });
    const bandHolds = p.x >= 16 + (Least * 26) / 20 || (upright && p.y >= 16 + Least);
    let covered = 0;
    for (const box of boxes) {
      if (!box) fail(`${name}: a key is not shown on the title`);
      if (Math.min(box.w, box.h) < Least - 0.5) fail(`${name}: ${box.key} is ${size(box)}`);
      if (overlap(box, at(0, 450, 800, 150)) || overlap(box, at(320, 20, 180, 60))) fail(`${name}: ${box.key} covers a thought or a prompt`);
      if (bandHolds && overlap(box, p)) fail(`${name}: ${box.key} stands over the picture beside a band that holds it`);
      covered += overlap(box, p);
    }
    if ((await page.isVisible("#turn")) !== (kind === "phone" && upright)) fail(`${name}: the turn card shown wrongly`);
    const turn = await page.locator("#turn").boundingBox();
    for (const [i, a] of boxes.entries())
      for (const b of boxes.slice(i + 1).concat(turn ? [{ key: "#turn", x: turn.x, y: turn.y, w: turn.width, h: turn.height }] : []))
        if (overlap(a, b)) fail(`${name}: ${a.key} and ${b.key} overlap`);
    const [enter, shift] = [boxes[4], boxes[5]];
    if (shift.w * shift.h >= enter.w * enter.h || gap(shift, enter) < Least) fail(`${name}: SHIFT is too large or too near ENTER`);
    const where = overlap(boxes[1], p) ? "over the picture" : upright ? "under the picture" : "in the bands";
    table.push(`| ${name} | ${Math.round(p.x)} | ${where} | ${Math.round(boxes[1].w)} | ${size(enter)} | ${size(shift)} | ` +
      `${Math.round(Math.min(...boxes.map((b) => Math.min(b.w, b.h))))} | ${((100 * covered) / (p.w * p.h)).toFixed(1)} % |`);
  }
  log("where the keys went (CSS pixels):\n| screen | band beside the picture | keys | arrow key | ENTER | SHIFT | " +
    `smallest key or button | picture covered |\n|---|---|---|---|---|---|---|---|\n${table.join("\n")}`);
  if (errors.length) fail(`console errors: ${errors.join(" | ")}`);
});
