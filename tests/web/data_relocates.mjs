// What the site and the portal's zip carry is the same wherever it is built:
// the same pictures and sounds packed in two folders give the same bytes, and
// no file of the built site holds the path of its build or source folder.
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";

import { fail, log, site } from "./lib/browser.mjs";

const source = process.env.TARNWICK_SOURCE;
const work = fs.mkdtempSync(path.join(os.tmpdir(), "tarnwick-web-pack-"));
process.on("exit", () => fs.rmSync(work, { recursive: true, force: true }));

const packIn = (folder) => {
  const assets = path.join(folder, "Assets");
  fs.cpSync(process.env.TARNWICK_ASSETS, assets, { recursive: true });
  const out = path.join(folder, "site");
  execFileSync("python3", [path.join(source, "web/pack.py"), path.join(source, "web/sounds.txt"), assets, out,
    process.env.TARNWICK_FILE_PACKAGER], { stdio: ["ignore", "ignore", "inherit"] });
  return out;
};
try {
  const one = packIn(path.join(work, "a"));
  const two = packIn(path.join(work, "somewhere", "else", "entirely"));
  const made = fs.readdirSync(one).sort();
  if (made.join(" ") !== "sounds.data tarnwick-data.js tarnwick.data") fail(`packed: ${made.join(" ")}`);
  for (const file of made)
    if (!fs.readFileSync(path.join(one, file)).equals(fs.readFileSync(path.join(two, file))))
      fail(`${file} differs between two folders`);
  log("the same pictures and sounds packed in two folders give the same bytes");

  for (const file of fs.readdirSync(site)) {
    const bytes = fs.readFileSync(path.join(site, file));
    for (const folder of [process.cwd(), source])
      if (bytes.includes(folder)) fail(`${file} holds the path ${folder}`);
  }
  log("no file of the site holds the path of its build or source folder");
  log("PASS");
} catch (error) {
  console.error(`data_relocates: FAIL: ${error.message}`);
  process.exit(1);
}
