"use strict";
// The page around the game: a cover, shown at once, that waits for a click or
// a tap (a browser lets sound start only after one) while the code, the
// pictures and the title's sounds come in (with a loading bar, if the player
// is quicker), the full-screen button, and a last card when the game ends.
// The game itself draws into the canvas and reads the keyboard through SDL.
// Besides: the other sounds, streamed in while the game plays; what the game
// says, for a screen reader and the browser's voice; keys for touch
// (touch.js); the canvas kept at the screen's own pixels.
(function () {
  const $ = (id) => document.getElementById(id);
  const show = (id) => {
    for (const card of ["cover", "ended", "failed"]) $(card).hidden = card !== id;
  };
  const logged = [];
  let started = false;
  let startWhenReady = null;

  show("cover");

  // The boxes show the settings the pause menu kept (the game keeps them in
  // this page's local storage, one "name = value" a line); options in the
  // address (?captions&reduce-flashing) tick them too. What they say wins
  // for the run, and is not kept.
  const kept = {};
  try {
    for (const line of (localStorage.getItem("tarnwick.settings") || "").split("\n")) {
      const m = /^\s*([a-z-]+)\s*=\s*(on|off)\s*$/.exec(line);
      if (m) kept[m[1]] = m[2] === "on";
    }
  } catch (e) {}
  const query = new URLSearchParams(location.search);
  for (const box of $("options").elements) box.checked = query.has(box.name) || kept[box.name] === true;

  window.Module = {
    canvas: $("canvas"),
    print: (text) => console.log(text),
    // What the game logs (its one fatal line among them) is kept for the page.
    printErr: (text) => {
      logged.push(text);
      console.warn(text);
    },
    // The data package reports "Downloading data... (loaded/total)".
    setStatus: (text) => {
      const m = /\((\d+(?:\.\d+)?)\/(\d+(?:\.\d+)?)\)/.exec(text);
      if (m) $("progress").style.width = `${(100 * Number(m[1])) / Number(m[2])}%`;
    },
    onRuntimeInitialized: () => {
      $("progress").style.width = "100%";
      $("cover").classList.add("ready");
      if (startWhenReady) startWhenReady();
    },
    onGameEnded: (status) => {
      if (document.fullscreenElement) document.exitFullscreen();
      $("pause").hidden = true;
      setTouch(false);
      $("waiting").hidden = true;
      if (status === 0) {
        show("ended");
        $("ended").focus();
      } else {
        $("log").textContent = logged.join("\n") || `exit status ${status}`;
        show("failed");
      }
    },
    onAbort: (what) => {
      $("log").textContent = logged.concat(String(what)).join("\n");
      show("failed");
    },
    // The game stands still until a sound it wants has come (the platform's
    // WebPage.h); meanwhile the bar shows the stream's progress.
    onWaitingForSound: (waiting) => {
      $("waiting").hidden = !waiting;
    },
    // What the game says (src/platform/WebSpeech.cpp).
    onSpeech: (text, interrupt) => say(text, interrupt),
    onSilence: () => say("", true),
    onVoice: (on) => {
      voiceOn = on && "speechSynthesis" in window;
      if (!voiceOn && "speechSynthesis" in window) speechSynthesis.cancel();
    },
  };

  // ---- Speech ---------------------------------------------------------------
  // Each text into the live regions, for the player's screen reader: a line
  // in turn is added to the log (polite), one that cuts in replaces what
  // waits and goes to the assertive region. With the voice on (the Spoken
  // box, V, the menu), the browser says it too.
  let voiceOn = false;
  function say(text, interrupt) {
    const log = $("said");
    if (interrupt) {
      log.replaceChildren();
      $("said-now").replaceChildren();
    }
    if (text) {
      const line = document.createElement("p");
      line.textContent = text;
      if (interrupt) $("said-now").replaceChildren(line);
      else log.append(line);
      while (log.childElementCount > 12) log.firstElementChild.remove();
    }
    if (!voiceOn) return;
    if (interrupt) speechSynthesis.cancel();
    if (text) speechSynthesis.speak(Object.assign(new SpeechSynthesisUtterance(text), { lang: "en" }));
  }

  // ---- The sounds that come while the game plays --------------------------
  // sounds.data: a 4-byte length, a JSON list of {name, size}, then the
  // files in that order, the story's. Each is written into the game's files
  // as soon as it is whole (tarnwick-data.js names them all in soundsToCome,
  // with how long each plays in soundSeconds, for the captions).
  const stream = { had: 0, total: 0 };
  const arrived = () => {
    if (Module._tarnwick_files_arrived) Module._tarnwick_files_arrived();
  };
  // A stream that stays open but sends nothing for this long has failed.
  const StalledSeconds = 10;
  async function streamOnce() {
    const abort = new AbortController();
    let stalled;
    const heard = () => {
      clearTimeout(stalled);
      stalled = setTimeout(() => abort.abort(new Error(`nothing came for ${StalledSeconds} s`)), StalledSeconds * 1000);
    };
    heard();
    try {
      await streamFrom(await fetch("sounds.data", { signal: abort.signal }), heard);
    } finally {
      clearTimeout(stalled);
    }
  }
  async function streamFrom(response, heard) {
    if (!response.ok) throw new Error(`sounds.data: ${response.status}`);
    const reader = response.body.getReader();
    // What has come and is not yet a whole file: the chunks as they came,
    // joined only when the next file (or the list) is all there.
    let chunks = [], held = 0;
    const take = (size) => {
      const whole = chunks.length === 1 ? chunks[0] : new Uint8Array(held);
      if (chunks.length > 1) {
        let at = 0;
        for (const chunk of chunks) whole.set(chunk, (at += chunk.length) - chunk.length);
      }
      chunks = whole.length > size ? [whole.subarray(size)] : [];
      held -= size;
      return whole.subarray(0, size);
    };
    let list = null, next = 0, need = 4;
    for (;;) {
      const { done, value } = await reader.read();
      heard();
      if (value) {
        chunks.push(value);
        held += value.length;
        stream.had += value.length;
      }
      while (held >= need) {
        if (!list && need === 4) {
          need = new DataView(take(4).slice().buffer).getUint32(0);
        } else if (!list) {
          list = JSON.parse(new TextDecoder().decode(take(need)));
          stream.total = list.reduce((sum, file) => sum + file.size, 0);
          stream.had = held;
          need = list.length ? list[0].size : Infinity;
        } else {
          const { name, size } = list[next++];
          const bytes = take(size);
          if (Module.soundsToCome.has(name)) {
            Module.FS.writeFile(name, bytes);
            Module.soundsToCome.delete(name);
            arrived();
          }
          need = next < list.length ? list[next].size : Infinity;
        }
      }
      $("sound-progress").style.width = `${stream.total ? (100 * stream.had) / stream.total : 0}%`;
      if (list && next === list.length) return;
      if (done) throw new Error("sounds.data ended early");
    }
  }
  let streaming = false;
  async function streamSounds() {
    if (streaming) return;
    streaming = true;
    if (!Module.soundsToCome) Module.soundsToCome = new Set();
    for (let attempt = 1; Module.soundsToCome.size; ++attempt) {
      try {
        stream.had = 0;
        await streamOnce();
      } catch (error) {
        console.warn(`the sounds did not all come (try ${attempt}): ${error}`);
        // A network that stays broken, or a stream that stops sending, leaves
        // the missing sounds silent, as a missing file is on the desktop,
        // rather than the game waiting for ever; the page says so.
        if (attempt === 4) {
          Module.soundsToCome.clear();
          tell("Some sounds could not be loaded: the game goes on without them.");
        } else {
          await new Promise((wake) => setTimeout(wake, 1000 * attempt));
        }
      }
    }
    arrived();
  }

  // A few words over the game for a while (and for a screen reader).
  let untell;
  function tell(words) {
    $("notice").textContent = words;
    $("notice").hidden = false;
    clearTimeout(untell);
    untell = setTimeout(() => ($("notice").hidden = true), 8000);
  }

  // ---- Starting -----------------------------------------------------------
  let tappedByTouch = false;
  // The cover answers the very frame the finger or the button goes down.
  $("play").addEventListener("pointerdown", (event) => {
    tappedByTouch = event.pointerType !== "mouse";
    $("cover").classList.add("taken");
  });
  $("play").addEventListener("pointercancel", () => $("cover").classList.remove("taken"));

  $("play").addEventListener("click", () => {
    if (started) return;
    started = true;
    $("cover").classList.add("taken");
    const args = [];
    for (const box of $("options").elements) args.push(box.checked ? `--${box.name}` : `--no-${box.name}`);
    // A phone or a tablet plays full screen and on its side where the
    // browser lets a page ask (only in answer to a tap), unless the player
    // switched full screen off in the pause menu; else as it is.
    if (tappedByTouch && kept["full-screen"] !== false) {
      const page = document.documentElement;
      if (page.requestFullscreen) {
        page.requestFullscreen({ navigationUI: "hide" })
          .then(() => screen.orientation && screen.orientation.lock && screen.orientation.lock("landscape"))
          .catch(() => {});
      }
    }
    const begin = () => {
      show(null);
      // A phone's screen reader clicks play without a touch the page sees.
      setTouch(tappedByTouch || touchSeen || matchMedia("(pointer: coarse)").matches);
      $("pause").hidden = false;
      $("play").blur();
      $("canvas").removeAttribute("aria-hidden");
      $("canvas").focus();
      layout();
      Module.callMain(args);
      // The other sounds come once the game runs, while the warning and the
      // title play, so that they take nothing from its start.
      requestAnimationFrame(() => requestAnimationFrame(streamSounds));
    };
    // Started inside the click when everything is in, so that the game's
    // sound engine may start with it; else as soon as it is (a browser lets
    // a page that has had a click start its sound then).
    if ($("cover").classList.contains("ready")) begin();
    else startWhenReady = begin;
  });

  // The pause button is Escape: it opens the pause menu, and closes it again.
  const Escape = 41;
  $("pause").addEventListener("click", () => {
    $("pause").blur();
    pressKey(Escape, true);
    pressKey(Escape, false);
  });

  $("fullscreen").addEventListener("click", () => {
    $("fullscreen").blur();
    if (document.fullscreenElement) document.exitFullscreen();
    else document.documentElement.requestFullscreen();
  });

  // ---- Touch --------------------------------------------------------------
  // SDL's scancodes, as the game reads them.
  const Return = 40;
  const pressKey = (key, down) => {
    if (started && Module._tarnwick_page_key) Module._tarnwick_page_key(key, down ? 1 : 0);
  };
  const paused = () => !!(Module._tarnwick_paused && Module._tarnwick_paused());
  const setTouch = (on) => {
    $("touch").hidden = !(on && started);
    if ($("touch").hidden) TouchKeys.releaseAll();
  };
  let touchSeen = false;
  window.addEventListener("pointerdown", (event) => {
    if (event.pointerType === "touch" || event.pointerType === "pen") {
      touchSeen = true;
      setTouch(true);
      layout();
    }
  }, true);
  // A key pressed on a keyboard: the player has one, and the keys for touch go.
  window.addEventListener("keydown", (event) => {
    if (event.isTrusted) setTouch(false);
  }, true);
  TouchKeys.start(pressKey, paused);

  // A tap on the picture itself is Return (a mouse's click is not: the game
  // has no mouse). While the pause menu is open, a tap points at its items,
  // as a mouse does, and reaches the game as SDL's touch.
  const onPicture = new Set();
  $("canvas").addEventListener("pointerdown", (event) => {
    if (event.pointerType === "mouse" || paused()) return;
    const p = picture();
    if (event.clientX < p.left || event.clientX > p.left + p.width || event.clientY < p.top || event.clientY > p.top + p.height) return;
    onPicture.add(event.pointerId);
    pressKey(Return, true);
  });
  const pictureTapEnds = (event) => {
    if (onPicture.delete(event.pointerId)) pressKey(Return, false);
  };
  $("canvas").addEventListener("pointerup", pictureTapEnds);
  $("canvas").addEventListener("pointercancel", pictureTapEnds);

  // Every animation frame: the Shift key shows only where Shift does
  // something (on the title and on the closing screen, where it quits), and
  // Up beckons while the game asks to hold W (the forest walks); and a new
  // device pixel ratio (the window moved to another screen, the page zoomed)
  // sizes the canvas again, whether or not the browser says so with a resize
  // or a change of its resolution query.
  let ratio = devicePixelRatio;
  const watch = () => {
    if (started && !$("touch").hidden && Module._tarnwick_shift_quits) {
      TouchKeys.showState(Module._tarnwick_shift_quits() !== 0 && !paused(), Module._tarnwick_asks_to_hold_up() !== 0);
    }
    if (devicePixelRatio !== ratio) {
      ratio = devicePixelRatio;
      dispatchEvent(new Event("resize"));
    }
    requestAnimationFrame(watch);
  };
  requestAnimationFrame(watch);

  document.addEventListener("contextmenu", (event) => event.preventDefault());

  // ---- Where everything stands ------------------------------------------------
  // Where the game's picture lies, in CSS pixels: letterboxed into the canvas
  // by the platform (src/platform/SdlSystem.cpp), by a whole number of the
  // screen's pixels where that keeps nine tenths of the size.
  function picture() {
    const width = innerWidth, height = innerHeight, ratio = devicePixelRatio || 1;
    const fit = Math.min((width * ratio) / 800, (height * ratio) / 600);
    const whole = Math.floor(fit);
    const scale = (whole >= 1 && whole >= 0.9 * fit ? whole : fit) / ratio;
    const w = 800 * scale, h = 600 * scale;
    return { left: (width - w) / 2, top: (height - h) / 2, width: w, height: h, scale };
  }

  function layout() {
    TouchKeys.layout(picture(), touchSeen || matchMedia("(pointer: coarse)").matches);
  }

  addEventListener("resize", layout);
  layout();

  // Keys that would scroll the page or press a button never do: they are the
  // game's (SDL holds back most keys' defaults itself; these never slip by).
  const gameKeys = new Set(["ArrowUp", "ArrowDown", "ArrowLeft", "ArrowRight", " ", "Enter", "PageUp", "PageDown",
    "Home", "End"]);
  window.addEventListener("keydown", (event) => {
    if ($("cover").hidden && gameKeys.has(event.key)) event.preventDefault();
  });
  // F11 is the browser's own full screen, as on any page (the canvas fills
  // the page), and Tab moves on from the game, as from anything on a page (a
  // screen reader's user is never kept in it): neither reaches the game,
  // which would hold them back.
  window.addEventListener("keydown", (event) => {
    if (event.key === "F11" || event.key === "Tab") event.stopImmediatePropagation();
  }, true);
})();
