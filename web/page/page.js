"use strict";
// The page around the game: a loading bar while the pictures and sounds come
// in, a cover that waits for a click (a browser lets sound start only after
// one), the full-screen button, and a last card when the game ends. The game
// itself draws into the canvas and reads the keyboard through SDL.
(function () {
  const $ = (id) => document.getElementById(id);
  const show = (id) => {
    for (const card of ["loading", "cover", "ended", "failed"]) $(card).hidden = card !== id;
  };
  const logged = [];

  // Options from the address (?captions&reduce-flashing) start the boxes ticked.
  const query = new URLSearchParams(location.search);
  for (const box of $("options").elements) box.checked = query.has(box.name);

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
      show("cover");
      $("play").focus();
    },
    onGameEnded: (status) => {
      if (document.fullscreenElement) document.exitFullscreen();
      if (status === 0) {
        show("ended");
      } else {
        $("log").textContent = logged.join("\n") || `exit status ${status}`;
        show("failed");
      }
    },
    onAbort: (what) => {
      $("log").textContent = logged.concat(String(what)).join("\n");
      show("failed");
    },
  };

  $("play").addEventListener("click", () => {
    const args = [];
    for (const box of $("options").elements) if (box.checked) args.push(`--${box.name}`);
    show(null);
    $("play").blur();
    $("canvas").focus();
    // Started inside the click, so the game's sound engine may start with it.
    Module.callMain(args);
  });

  $("fullscreen").addEventListener("click", () => {
    $("fullscreen").blur();
    if (document.fullscreenElement) document.exitFullscreen();
    else document.documentElement.requestFullscreen();
  });

  // Keys that would scroll the page or press a button never do: they are the
  // game's (SDL holds back most keys' defaults itself; these never slip by).
  const gameKeys = new Set(["ArrowUp", "ArrowDown", "ArrowLeft", "ArrowRight", " ", "Enter", "PageUp", "PageDown",
    "Home", "End", "Tab"]);
  window.addEventListener("keydown", (event) => {
    if ($("cover").hidden && gameKeys.has(event.key)) event.preventDefault();
  });
  // F11 is the browser's own full screen, as on any page (the canvas fills
  // the page): it never reaches the game, which would hold it back.
  window.addEventListener("keydown", (event) => {
    if (event.key === "F11") event.stopImmediatePropagation();
  }, true);
})();
