// The web version's start on a mobile network: Chromium's network emulation
// (10 Mbit/s with 40 ms latency, 1.6 Mbit/s with 150 ms), a cold cache each
// run, the site served from 127.0.0.1 as is (as scripts/play-web's server
// sends it) and gzipped as a compressing host sends it (HTML, CSS, JavaScript
// and WebAssembly; the pictures and sounds are compressed already). Times
// from opening the page to the cover, and from the click (at once) to the
// first game frame; and the bytes that came over the network before that
// frame. Arguments: the site folder, then the runs per case (default 2).
import fs from "node:fs";
import http from "node:http";
import path from "node:path";
import zlib from "node:zlib";

import { launch } from "../tests/web/lib/browser.mjs";

const [site, runsArg] = process.argv.slice(2);
const runs = Number(runsArg || 2);
const types = {
  ".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".png": "image/png",
  ".wasm": "application/wasm", ".data": "application/octet-stream",
};
const compressible = new Set([".html", ".js", ".css", ".wasm"]);

function serve(gzip) {
  const cache = new Map();
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, "http://host").pathname);
    const file = path.join(site, name.endsWith("/") ? `${name}index.html` : name);
    if (!file.startsWith(site) || !fs.existsSync(file) || !fs.statSync(file).isFile()) return response.writeHead(404).end();
    const ext = path.extname(file);
    const headers = { "Content-Type": types[ext] || "application/octet-stream", "Cache-Control": "no-store" };
    if (gzip && compressible.has(ext)) {
      if (!cache.has(file)) cache.set(file, zlib.gzipSync(fs.readFileSync(file), { level: 6 }));
      response.writeHead(200, { ...headers, "Content-Encoding": "gzip" }).end(cache.get(file));
    } else {
      response.writeHead(200, headers);
      fs.createReadStream(file).pipe(response);
    }
  });
  return new Promise((resolve) => server.listen(0, "127.0.0.1", () => resolve(server)));
}

const networks = [
  { name: "10 Mbit/s, 40 ms", latency: 40, bitsPerSecond: 10e6 },
  { name: "1.6 Mbit/s, 150 ms", latency: 150, bitsPerSecond: 1.6e6 },
];
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const browser = await launch();
try {
  for (const gzip of [false, true]) {
    const server = await serve(gzip);
    const url = `http://127.0.0.1:${server.address().port}/`;
    for (const network of networks) {
      const cover = [], frame = [], total = [], bytes = [];
      for (let run = 0; run < runs; ++run) {
        const context = await browser.newContext({ viewport: { width: 800, height: 600 } });
        const page = await context.newPage();
        const cdp = await context.newCDPSession(page);
        await cdp.send("Network.enable");
        await cdp.send("Network.emulateNetworkConditions", { offline: false, latency: network.latency,
          downloadThroughput: network.bitsPerSecond / 8, uploadThroughput: network.bitsPerSecond / 8 });
        let received = 0, counting = true;
        cdp.on("Network.dataReceived", (e) => { if (counting) received += e.encodedDataLength; });
        const opened = Date.now();
        await page.goto(url, { waitUntil: "commit" });
        // The cover as the player sees it (the page before this one showed
        // it only once everything had loaded).
        await page.waitForSelector("#cover:not([hidden]) #play img", { state: "visible", timeout: 300000 });
        const coverAt = Date.now();
        await page.click("#play");
        // (Asked before the code has loaded, the count is not there yet.)
        await page.waitForFunction(() => { try { return Module._tarnwick_frames_run() > 0; } catch { return false; } }, null, { timeout: 300000, polling: "raf" });
        const frameAt = Date.now();
        counting = false;
        cover.push(coverAt - opened);
        frame.push(frameAt - coverAt);
        total.push(frameAt - opened);
        bytes.push(received);
        await context.close();
      }
      const s = (ms) => `${(median(ms) / 1000).toFixed(1)} s`;
      console.log(`  ${network.name}, ${gzip ? "gzipped by the host" : "sent as is"}: cover ${s(cover)}, ` +
        `click to first frame ${s(frame)}, opened to first frame ${s(total)}; ` +
        `${(median(bytes) / 1e6).toFixed(2)} MB over the network before it (medians of ${runs})`);
    }
    server.close();
  }
} finally {
  await browser.close();
}
