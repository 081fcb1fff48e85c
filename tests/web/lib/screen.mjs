// Reading the page's screenshots, with ImageMagick, as the real-window tests
// read the virtual display: each check takes a screenshot's path and the place
// on it where the game's 800 by 600 picture lies.
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";

import { sprites } from "./browser.mjs";

const work = fs.mkdtempSync(path.join(os.tmpdir(), "tarnwick-web-"));
process.on("exit", () => fs.rmSync(work, { recursive: true, force: true }));

function magick(tool, args) {
  try {
    return execFileSync(tool, args, { encoding: "utf8", stdio: ["ignore", "pipe", "pipe"] });
  } catch (error) {
    // compare answers 1 when pictures differ, with its figure on stderr.
    if (tool === "compare" && error.status === 1) return error.stderr;
    throw error;
  }
}

// Where the 800 by 600 picture lies in a screenshot: left, top.
export const at = (x = 0, y = 0) => ({ x, y });
const geometry = (w, h, place, dx = 0, dy = 0) => `${w}x${h}+${place.x + dx}+${place.y + dy}`;

// How far (0..1) the game's screen differs from a picture drawn over all of
// it, under the scanlines that lie over every frame.
export function differsFromPicture(shot, picture, place = at()) {
  magick("convert", [shot, "-crop", geometry(800, 600, place), "+repage", "-alpha", "off", `${work}/got.png`]);
  magick("convert", [path.join(sprites, picture), "-filter", "point", "-resize", "800x600!",
    "(", path.join(sprites, "Scanlines.png"), "-channel", "A", "-evaluate", "multiply", "0.392", "+channel", ")",
    "-compose", "over", "-composite", "-background", "black", "-flatten", "-alpha", "off", `${work}/want.png`]);
  const said = magick("compare", ["-metric", "MAE", `${work}/got.png`, `${work}/want.png`, "null:"]);
  return Number(/\(([^)]+)\)/.exec(said)[1]);
}

export const showsPicture = (shot, picture, place) => differsFromPicture(shot, picture, place) < 0.06;

// Mean brightness (0..1) of a region of the game's screen.
export function regionMean(shot, w, h, x, y, place = at()) {
  return Number(magick("convert", [shot, "-crop", geometry(w, h, place, x, y), "+repage", "-colorspace", "Gray",
    "-format", "%[fx:mean]", "info:"]));
}

// The brightest value (0..1) of a region of the screenshot itself.
export function brightest(shot, w, h, x, y) {
  return Number(magick("convert", [shot, "-crop", `${w}x${h}+${x}+${y}`, "+repage", "-format", "%[fx:maxima]", "info:"]));
}

// The grey band over the lower quarter, with light letters on its text row.
export function bandShown(shot, place = at()) {
  const band = regionMean(shot, 800, 30, 0, 455, place);
  const row = Number(magick("convert", [shot, "-crop", geometry(380, 15, place, 0, 500), "+repage",
    "-colorspace", "Gray", "-format", "%[fx:maxima]", "info:"]));
  return band > 0.12 && band < 0.35 && row > 0.6;
}

// More than `pixels` pixels of a region differ clearly (by 15 %) between two screenshots.
export function regionDiffers(shot, before, w, h, x, y, pixels, place = at()) {
  const crop = (from, to) => magick("convert", [from, "-crop", geometry(w, h, place, x, y), "+repage", to]);
  crop(shot, `${work}/now.png`);
  crop(before, `${work}/before.png`);
  const said = magick("compare", ["-fuzz", "15%", "-metric", "AE", `${work}/now.png`, `${work}/before.png`, "null:"]);
  return parseInt(said, 10) > pixels;
}

// The band's text row shows other letters than before.
export const lineChanged = (shot, before, place) => regionDiffers(shot, before, 800, 40, 0, 490, 50, place);

// The prompt picture stands at the top centre of the screen.
export function promptShown(shot, picture, place = at()) {
  magick("convert", [shot, "-crop", geometry(180, 60, place, 320, 20), "+repage", "-alpha", "off", `${work}/got.png`]);
  magick("convert", [path.join(sprites, picture), "-filter", "point", "-resize", "180x60!",
    "(", path.join(sprites, "Scanlines.png"), "-crop", "180x60+320+20", "+repage", "-channel", "A", "-evaluate",
    "multiply", "0.392", "+channel", ")", "-compose", "over", "-composite", "-background", "black", "-flatten",
    "-alpha", "off", `${work}/want.png`]);
  const said = magick("compare", ["-metric", "MAE", `${work}/got.png`, `${work}/want.png`, "null:"]);
  return Number(/\(([^)]+)\)/.exec(said)[1]) < 0.05;
}

// The game's picture cut out of a screenshot in the screen's own pixels
// (a phone's: `scale` to a CSS pixel, the rectangle in CSS pixels), brought
// to 800 by 600, so the checks above read it at at().
export function pictureOf(shot, rect, scale = 1) {
  const out = shot.replace(/\.png$/, "-picture.png");
  const [w, h, x, y] = [rect.width, rect.height, rect.left, rect.top].map((v) => Math.round(v * scale));
  magick("convert", [shot, "-crop", `${w}x${h}+${x}+${y}`, "+repage", "-filter", "box", "-resize", "800x600!", out]);
  return out;
}

// The share (0..1) of pixels in a region of a screenshot whose colour is
// neither that of the pixel to their left nor of the one to their right: a
// picture scaled up with smoothing blends colours at every edge; one scaled
// by nearest neighbour repeats each pixel of its own.
export function blendedShare(shot, w, h, x, y) {
  const text = magick("convert", [shot, "-crop", `${w}x${h}+${x}+${y}`, "+repage", "-depth", "8", "txt:-"]);
  const rows = new Map();
  for (const line of text.split("\n")) {
    const m = /^(\d+),(\d+): \((\d+),(\d+),(\d+)/.exec(line);
    if (!m) continue;
    if (!rows.has(m[2])) rows.set(m[2], []);
    rows.get(m[2])[Number(m[1])] = [Number(m[3]), Number(m[4]), Number(m[5])];
  }
  const same = (a, b) => Math.max(...a.map((v, i) => Math.abs(v - b[i]))) <= 4;
  let blended = 0, counted = 0;
  for (const row of rows.values())
    for (let i = 1; i + 1 < row.length; ++i) {
      ++counted;
      if (!same(row[i], row[i - 1]) && !same(row[i], row[i + 1])) ++blended;
    }
  return blended / counted;
}
