// A build whose data lacks one picture: the click starts the game, which logs
// its one line naming the picture and stops; the page shows that line, and no
// frame runs.
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";

import { fail, framesRun, log, openPage, screenshot, site, waitUntil, webTest } from "./lib/browser.mjs";

// The same page and game with a data package made from the pictures and
// sounds less Tip.png, by emscripten's own packer.
const broken = fs.mkdtempSync(path.join(os.tmpdir(), "tarnwick-web-broken-"));
process.on("exit", () => fs.rmSync(broken, { recursive: true, force: true }));
for (const file of fs.readdirSync(site))
  if (!file.startsWith("tarnwick.data") && file !== "tarnwick-data.js") fs.copyFileSync(path.join(site, file), path.join(broken, file));
const assets = path.join(broken, "Assets");
fs.cpSync(process.env.TARNWICK_ASSETS, assets, { recursive: true });
fs.rmSync(path.join(assets, "Sprites", "Tip.png"));
execFileSync("python3", [process.env.TARNWICK_FILE_PACKAGER, "tarnwick.data", "--preload", "Assets@/Assets",
  "--js-output=tarnwick-data.js"], { cwd: broken, stdio: "inherit" });
fs.rmSync(assets, { recursive: true });

await webTest(async (browser, url) => {
  const { page } = await openPage(browser, url);
  await waitUntil(120, "the cover", () => page.isVisible("#cover"));
  await page.click("#play");
  await waitUntil(30, "the page's card of what stopped the game", () => page.isVisible("#failed"));
  await screenshot(page, "stopped");
  const said = await page.textContent("#log");
  log(`the page says: ${said}`);
  if (!said.split("\n").some((line) => line.endsWith("Texture: TipTexture Failed")))
    fail(`the page does not show the game's log line for the missing picture: ${said}`);
  if ((await framesRun(page)) !== 0) fail("the game ran frames without its pictures");
}, broken);
