#pragma once
// Who calls the game's frames. On the desktop a plain loop does, each frame
// paced by the display in its present. A browser must have control back after
// every frame to show it, so there each frame is one animation frame of the
// page's (requestAnimationFrame): nothing runs while the tab is hidden.

using FrameStep = bool (*)();   // one frame; false once the program has ended
using ExitStatusOf = int (*)();

// Runs `frame` until it returns false, then ends the run with `exitStatus()`
// (see EndRun). In a browser this returns to the page at once, and the frames
// go on from the page's animation frames.
int RunFrameLoop(FrameStep frame, ExitStatusOf exitStatus);

// The end of the run with its exit status: returned to the caller on the
// desktop; in a browser also told to the page, which shows a last card
// ("thanks for playing", or what stopped the game).
int EndRun(int status);
