"use strict";
// The keys for touch, the page's two buttons and the card asking to turn a
// phone: where each stands on this screen, and which key each finger holds.
// page.js starts it and tells it where the game's picture lies.
//
// Where: in the bands beside the picture whenever they hold a key a thumb can
// take (44 CSS pixels at least, the pad shaped to the band: three keys
// across, two, or one above another), under the picture on a screen held
// upright, and over the picture (half transparent, clear of the band of
// thoughts and of the prompts) only where no band holds them. ENTER stands
// under the right thumb and never moves; SHIFT, shown only where it quits,
// is smaller and well apart from it.
//
// Fingers: a key is held while a finger is on it. A finger that slides over
// the pad holds the key under it (a rolling thumb turns from Left to Right).
// A touch that lands just off a key is that key, or nothing next to SHIFT and
// the two buttons: never a tap on the picture, which is Return. A screen
// reader's double tap on a key is a short press of it.
const TouchKeys = (function () {
  const $ = (id) => document.getElementById(id);
  const Least = 44;  // the smallest key or button a finger is given (CSS pixels)
  const Margin = 8;
  const Slop = 20;  // how far off a key a touch is still that key
  const EnterShape = 24 / 30, ShiftShape = 20 / 26;  // their pictures' height to width
  const ShiftWaits = 500;  // ms from SHIFT showing until it takes a touch

  // Each pad shape: its size in keys, and the column and row of each key.
  const Pads = {
    cross: { w: 3, h: 3, up: [1, 0], left: [0, 1], right: [2, 1], down: [1, 2] },
    diamond: { w: 2, h: 3, up: [0.5, 0], left: [0, 1], right: [1, 1], down: [0.5, 2] },
    column: { w: 1, h: 4, up: [0, 0], left: [0, 1], right: [0, 2], down: [0, 3] },
    tee: { w: 3, h: 2, up: [1, 0], left: [0, 1], down: [1, 1], right: [2, 1] },
    row: { w: 4, h: 1, left: [0, 0], up: [1, 0], down: [2, 0], right: [3, 0] },
  };
  const Directions = ["up", "left", "right", "down"];

  const rect = (x, y, w, h) => ({ x, y, w, h });
  // On whole pixels, edge by edge, so that keys side by side stay so.
  const setRect = (element, r) => {
    const [left, top] = [Math.round(r.x), Math.round(r.y)];
    element.style.left = `${left}px`;
    element.style.top = `${top}px`;
    element.style.width = `${Math.round(r.x + r.w) - left}px`;
    element.style.height = `${Math.round(r.y + r.h) - top}px`;
  };

  // Where everything goes for a screen `width` by `height` with the picture
  // at `p` ({left, top, width, height, scale}); `touch`: the player has
  // touched the screen (the buttons grow to a finger's size).
  function plan(width, height, p, touch) {
    const button = touch ? Least : 32;
    const largest = Math.max(Least, Math.min(72, Math.min(width, height) / 5.5));
    const side = p.left, below = height - p.top - p.height;
    const options = [];
    // Beside: ENTER and SHIFT as wide as the band must still be a thumb high.
    const across = Math.min(3, Math.floor((side - 2 * Margin) / Least));
    if (across >= 1 && (side - 2 * Margin) * ShiftShape >= Least) {
      const pad = Pads[["column", "diamond", "cross"][across - 1]];
      const key = Math.min(largest, (side - 2 * Margin) / across, (height - 3 * Margin - button) / pad.h);
      if (key >= Least) options.push({ where: "side", pad, key });
    }
    // Under it: the pad at the left, ENTER at the right.
    const rows = Math.min(3, Math.floor((below - 2 * Margin) / Least));
    if (rows >= 1 && p.top >= button + 2 * Margin) {
      const pad = Pads[["row", "tee", "cross"][rows - 1]];
      const key = Math.min(largest, (below - 2 * Margin) / rows, (width / 2 - 2 * Margin) / pad.w);
      if (key >= Least) options.push({ where: "below", pad, key });
    }
    options.sort((a, b) => b.key - a.key);
    const chosen = options[0] || { where: "over", pad: Pads.cross, key: largest };
    const { where, pad, key } = chosen;

    const at = { where, key };
    const padW = pad.w * key, padH = pad.h * key;
    const HereGap = 2 * Margin;  // "what is here" (Space) to ENTER: a slip is either, harmlessly
    let enterW = 1.75 * key;
    let padAt, enterAt, shiftAt, hereAt;
    const shiftW = (e) => Math.max(Least / ShiftShape, 0.75 * e);
    const above = (r, gap, w, h) => rect(r.x + (r.w - w) / 2, r.y - gap - h, w, h);
    at.buttons = [rect(Margin, Margin, button, button), rect(width - Margin - button, Margin, button, button)];
    if (where === "side") {
      // Low in the bands, under the thumbs; SHIFT high in the right one.
      const room = side - 2 * Margin;
      enterW = Math.min(enterW, room);
      const sw = Math.min(shiftW(enterW), room);
      padAt = rect((side - padW) / 2, height - Margin - padH, padW, padH);
      enterAt = rect(width - side / 2 - enterW / 2, height - Margin - enterW * EnterShape, enterW, enterW * EnterShape);
      hereAt = above(enterAt, HereGap, key, key);
      shiftAt = rect(width - side / 2 - sw / 2, 2 * Margin + button, sw, sw * ShiftShape);
    } else if (where === "below") {
      // The pad at the left, ENTER at the right, "what is here" above it (or
      // beside it in a low band); SHIFT in the band above the picture, under
      // the full-screen button, where it fits.
      const top = p.top + p.height, room = below - 2 * Margin;
      enterW = Math.min(enterW, room / EnterShape);
      const enterH = enterW * EnterShape, sw = shiftW(enterW), sh = sw * ShiftShape;
      padAt = rect(Margin, top + (below - padH) / 2, padW, padH);
      enterAt = rect(width - Margin - enterW, height - Margin - enterH, enterW, enterH);
      hereAt = room >= enterH + HereGap + key ? above(enterAt, HereGap, key, key)
        : rect(enterAt.x - HereGap - key, height - Margin - key, key, key);
      shiftAt = p.top >= 3 * Margin + button + sh ? rect(width - Margin - sw, 2 * Margin + button, sw, sh)
        : rect(Math.min(enterAt.x, hereAt.x) - Least - sw, height - Margin - sh, sw, sh);
    } else {
      // Over the picture, above its band of thoughts (its lower quarter),
      // at its sides, away from the prompts (top centre) and the captions
      // (top right).
      const bandTop = p.top + 450 * p.scale;
      enterW = 1.25 * key;
      const enterH = enterW * EnterShape, sw = shiftW(enterW);
      padAt = rect(p.left + Margin, bandTop - Margin - padH, padW, padH);
      enterAt = rect(p.left + p.width - Margin - enterW, bandTop - Margin - enterH, enterW, enterH);
      hereAt = above(enterAt, HereGap, key, key);
      shiftAt = above(hereAt, Least, sw, sw * ShiftShape);
      shiftAt.x = enterAt.x + enterAt.w - sw;
      at.buttons = [rect(p.left + Margin, p.top + Margin, button, button),
        rect(p.left + 2 * Margin + button, p.top + Margin, button, button)];
    }
    at.pad = padAt;
    at.keys = {};
    for (const name of Directions)
      at.keys[name] = rect(padAt.x + pad[name][0] * key, padAt.y + pad[name][1] * key, key, key);
    at.enter = enterAt;
    at.shift = shiftAt;
    at.here = hereAt;

    // Held upright, a phone whose picture is small asks to be turned: a card
    // between the buttons, above the picture. A tablet plays upright well.
    if (height > width && p.width < 520) {
      const cardW = Math.max(96, Math.min(width - 2 * (button + 2 * Margin), 96 * Math.floor((width * 0.8) / 96)));
      at.turn = rect((width - cardW) / 2, Math.max(Margin, (p.top - cardW / 4) / 2), cardW, cardW / 4);
      if (at.turn.y < shiftAt.y + shiftAt.h && shiftAt.x < at.turn.x + cardW) at.turn.y = shiftAt.y + shiftAt.h + Margin;
    }
    return at;
  }

  let lastPlan = null;
  // Places everything for the picture `p`; `touch` as for plan, `upright`
  // cards only on a touch screen.
  function layout(p, touch) {
    const at = (lastPlan = plan(innerWidth, innerHeight, p, touch));
    for (const name of Directions) setRect(document.querySelector(`#pad .${name}`), at.keys[name]);
    setRect($("pad"), at.pad);
    setRect($("enter"), at.enter);
    setRect($("actions"), at.enter);
    setRect($("shift"), at.shift);
    setRect($("here"), at.here);
    $("touch").classList.toggle("over", at.where === "over");
    setRect($("pause"), at.buttons[0]);
    setRect($("fullscreen"), at.buttons[1]);
    const turn = $("turn");
    turn.hidden = !(at.turn && touch);
    if (at.turn) setRect(turn, at.turn);
  }

  // ---- Fingers -------------------------------------------------------------
  const keys = [...document.querySelectorAll("#touch button")];
  const padKeys = keys.filter((button) => button.closest("#pad"));
  const pageButtons = [$("pause"), $("fullscreen")];
  let press = () => {};
  const fingers = new Map();  // pointerId: the key it holds (null: none for now)
  const holders = new Map();  // key: how many fingers hold it
  let shiftShownAt = 0;

  const shown = (element) => !element.hidden && !element.closest("[hidden]");
  // The element a touch at (x, y) is on or nearest, within Slop, of `among`.
  function nearest(x, y, among) {
    let best = null, bestDistance = Infinity;
    for (const element of among) {
      if (!shown(element)) continue;
      const r = element.getBoundingClientRect();
      const distance = Math.hypot(Math.max(r.left - x, 0, x - r.right), Math.max(r.top - y, 0, y - r.bottom));
      if (distance < bestDistance) [best, bestDistance] = [element, distance];
    }
    return bestDistance <= Slop ? { element: best, on: bestDistance === 0 } : null;
  }

  function hold(finger, key) {
    const before = fingers.get(finger);
    if (before === key) return;
    fingers.set(finger, key);
    if (before) {
      holders.set(before, holders.get(before) - 1);
      if (holders.get(before) === 0) {
        before.classList.remove("pressed");
        press(Number(before.dataset.key), false);
      }
    }
    if (key) {
      holders.set(key, (holders.get(key) || 0) + 1);
      if (holders.get(key) === 1) {
        key.classList.add("pressed");
        press(Number(key.dataset.key), true);
      }
    }
  }

  let lastLift = -Infinity;
  function lift(event) {
    if (!fingers.has(event.pointerId)) return;
    hold(event.pointerId, null);
    fingers.delete(event.pointerId);
    lastLift = performance.now();
    event.preventDefault();
  }

  // `pressKey(scancode, down)` presses the game's keys; while `paused()`, a
  // touch off the keys is the pause menu's.
  function start(pressKey, paused) {
    press = pressKey;
    // Before the picture and the keys themselves see the touch.
    addEventListener("pointerdown", (event) => {
      if (event.pointerType === "mouse" || !shown($("touch"))) return;
      const near = nearest(event.clientX, event.clientY, keys.concat(pageButtons));
      if (!near || (!near.on && paused())) return;
      const { element, on } = near;
      const isShift = element.id === "shift";
      // On a button, the button's own; on SHIFT, only once it has stood a moment.
      if (on && !isShift && pageButtons.includes(element)) return;
      event.preventDefault();
      event.stopPropagation();
      if (pageButtons.includes(element) || (isShift && (!on || performance.now() - shiftShownAt < ShiftWaits))) return;
      hold(event.pointerId, element);
    }, true);
    addEventListener("pointermove", (event) => {
      const held = fingers.get(event.pointerId);
      if (held === undefined || (held && !padKeys.includes(held))) return;
      const near = nearest(event.clientX, event.clientY, padKeys);
      hold(event.pointerId, near ? near.element : null);
    }, true);
    addEventListener("pointerup", lift, true);
    addEventListener("pointercancel", lift, true);
    // A click with no finger of ours behind it (a screen reader's double tap,
    // a mouse): a short press, held long enough for the game to turn a little.
    for (const key of keys)
      key.addEventListener("click", () => {
        if (performance.now() - lastLift < 600) return;
        press(Number(key.dataset.key), true);
        setTimeout(() => press(Number(key.dataset.key), false), 300);
      });
  }

  // Every finger let go (the keys hidden for a keyboard).
  function releaseAll() {
    for (const finger of [...fingers.keys()]) {
      hold(finger, null);
      fingers.delete(finger);
    }
  }

  // SHIFT where it quits; Up beckoning while the game asks to hold W.
  function showState(shiftQuits, holdUp) {
    if ($("shift").hidden === shiftQuits) {
      $("shift").hidden = !shiftQuits;
      if (shiftQuits) shiftShownAt = performance.now();
    }
    document.querySelector("#pad .up").classList.toggle("beckons", holdUp);
  }

  return { plan, layout, start, releaseAll, showState, planned: () => lastPlan };
})();
