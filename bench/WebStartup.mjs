// The web version's start in Debian's Chromium, headless: from opening the
// page to the cover (the page, the game's code and its pictures and sounds
// loaded and compiled), and from the click to the first title frame (the
// game's start-up: its pictures decoded and uploaded, its sounds opened).
// Served from 127.0.0.1, so the network's own time is not in it. Then the
// frames the game runs a second on the title, and the script time each takes
// (Chromium's own count), for whether it holds the display's 60 Hz. Prints
// the median of each over the runs (argument: the site folder, then the count).
import { launch, serve } from "../tests/web/lib/browser.mjs";

const [site, runsArg] = process.argv.slice(2);
const runs = Number(runsArg || 5);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const server = await serve(site);
const browser = await launch();
const toCover = [], toFrame = [], total = [], rate = [], script = [];
try {
  for (let i = 0; i < runs; ++i) {
    const page = await browser.newPage({ viewport: { width: 800, height: 600 } });
    const cdp = await page.context().newCDPSession(page);
    await cdp.send("Performance.enable");
    const scriptSeconds = async () =>
      (await cdp.send("Performance.getMetrics")).metrics.find((m) => m.name === "ScriptDuration").value;
    await page.goto(server.url);
    await page.waitForSelector("#cover.ready", { timeout: 120000 });
    const coverAt = await page.evaluate(() => performance.now());
    // The click, then the first animation frame in which the game has run a frame.
    const frameAt = await page.evaluate(() => new Promise((done) => {
      document.getElementById("play").click();
      const look = () => (Module._tarnwick_frames_run() > 0 ? done(performance.now()) : requestAnimationFrame(look));
      requestAnimationFrame(look);
    }));
    toCover.push(coverAt);
    toFrame.push(frameAt - coverAt);
    total.push(frameAt);
    // Five seconds of the title's frames.
    const [frames0, script0] = [await page.evaluate(() => Module._tarnwick_frames_run()), await scriptSeconds()];
    await page.waitForTimeout(5000);
    const frames = (await page.evaluate(() => Module._tarnwick_frames_run())) - frames0;
    rate.push(frames / 5);
    script.push(((await scriptSeconds()) - script0) * 1000 / frames);
    await page.close();
  }
} finally {
  await browser.close();
  server.close();
}
const ms = (v) => `${v.toFixed(0)} ms`;
console.log(`  page opened to the cover (loaded, compiled): median ${ms(median(toCover))}`);
console.log(`  click to the first title frame (the game's start-up): median ${ms(median(toFrame))}`);
console.log(`  page opened to the first title frame, without waiting for a player: median ${ms(median(total))} (${runs} runs)`);
console.log(`  on the title: median ${median(rate).toFixed(1)} frames a second, ${median(script).toFixed(2)} ms of script each ` +
  "(the rest of a frame is the browser's drawing: SwiftShader, without a GPU)");
