// What the game says, on the page: the cover, read through Chromium's
// accessibility tree, has its heading first, then labelled boxes and a named
// play button; with the Spoken box ticked, each text the game says goes into
// the page's live regions as it comes (the title's words, then after Return
// the first thoughts, in sentence case) and to the browser's voice (stood in
// for: headless Chromium has no voices); V turns the voice off, the live
// regions go on (Space: what is here); Tab leaves the game.
import { fail, log, openPage, waitUntil, webTest } from "./lib/browser.mjs";

// The first lines of the story, as the description writes them.
const lines = ["MORNING ALREADY...?", "I SHOULD GET READY FOR THE DAY.", "I WILL GO BRUSH MY TEETH."];
const sentenceCase = (line) => line[0] + line.slice(1).toLowerCase().replace(/\bi\b/g, "I");

await webTest(async (browser, url) => {
  const { page, errors } = await openPage(browser, url);
  await page.addInitScript(() => {
    window.voice = [];
    speechSynthesis.speak = (utterance) => window.voice.push(utterance.text);
    // Every text added to a live region, in order.
    window.said = [];
    addEventListener("DOMContentLoaded", () => new MutationObserver((changes) => {
      for (const change of changes)
        if (change.target.id.startsWith("said")) for (const node of change.addedNodes) window.said.push(node.textContent);
    }).observe(document.body, { subtree: true, childList: true }));
  });
  await page.reload();
  await waitUntil(120, "the cover, loaded", () => page.isVisible("#cover.ready"));

  const cdp = await page.context().newCDPSession(page);
  const { nodes } = await cdp.send("Accessibility.getFullAXTree");
  const byId = new Map(nodes.map((n) => [n.nodeId, n]));
  const inOrder = (n) => [n, ...(n.childIds || []).flatMap((id) => (byId.has(id) ? inOrder(byId.get(id)) : []))];
  const read = inOrder(nodes[0]).filter((n) => !n.ignored && ["heading", "checkbox", "button"].includes(n.role?.value))
    .map((n) => `${n.role.value}: ${n.name?.value || ""}`);
  const want = ["heading: Tarnwick", "checkbox: captions", "checkbox: reduce flashing", "checkbox: spoken", "button: Play",
    "button: Full screen"];
  if (read.join(" | ") !== want.join(" | ")) fail(`the cover reads: ${read.join(" | ")}`);
  log(`the cover reads: ${read.join(" | ")}`);

  await page.check("input[name=speech]");
  await page.click("#play");
  await waitUntil(60, "the title said", () => page.evaluate(() => window.said.some((text) => /tarnwick/i.test(text))));
  const title = await page.evaluate(() => window.said.find((text) => /tarnwick/i.test(text)));
  for (const word of ["TARNWICK", "PRESS", "ENTER", "SHIFT", "QUIT"])
    if (!title.toUpperCase().includes(word)) fail(`the title is said as "${title}"`);
  for (const line of lines) {
    await page.keyboard.press("Enter");
    await waitUntil(60, `"${line}" said`, () => page.evaluate((text) => window.said.includes(text), sentenceCase(line)));
  }
  const [said, voice] = await page.evaluate(() => [window.said.filter(Boolean), window.voice]);
  if (voice.join(" | ") !== said.join(" | ")) fail(`the voice said ${voice.join(" | ")}\nbeside ${said.join(" | ")}`);
  log(`said, in the live regions and by the voice: ${said.join(" | ")}`);

  await page.keyboard.press("v");
  await waitUntil(30, "speech off, said", () => page.evaluate(() => window.said.includes("Speech off.")));
  const [saidBefore, voiceBefore] = await page.evaluate(() => [window.said.length, window.voice.length]);
  await page.keyboard.press("Space");
  await waitUntil(30, "what is here, said", async () => (await page.evaluate(() => window.said.length)) > saidBefore);
  if ((await page.evaluate(() => window.voice.length)) !== voiceBefore) fail("the voice went on after V turned it off");

  await page.keyboard.press("Tab");
  if (await page.evaluate(() => document.activeElement === document.getElementById("canvas"))) fail("Tab stays in the game");
  log("V turned the voice off and the live regions went on; Tab leaves the game");
  if (errors.length) fail(`console errors: ${errors.join(" | ")}`);
});
