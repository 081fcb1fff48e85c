#pragma once
// The whole program played by the harness's Player, its frames drawn off
// screen by the real drawing at 60 a second and each one handed to the flash
// analysis, with the scene it showed.
//
// The frames are drawn at 200 by 150, a quarter of the game's 800 by 600 each
// way: every pixel stands for a 4 by 4 block, the size of one pixel of the
// game's paintings, and the analysis looks at them in cells of 8 by 6 (32 by
// 24 on the screen, 625 cells). A flash must cover a quarter of the screen,
// 156 cells, so a cell is a fine enough grain; a cell holds 24 rows of the
// screen, so always eight of the scanlines that lie on every third row. They
// can be drawn at full size too (16 times the work), in the same cells. A
// frame whose drawing calls (and the pictures' settings) are those of the
// frame before is the same picture, and is not drawn again.

#include <functional>
#include <vector>

#include "FlashAnalysis.h"
#include "core/GameOptions.h"
#include "harness/Player.h"

// The screen's size divided by 4 (or by 1, 2), and the cells in its pixels.
struct OffscreenSize {
  int divisor = 4;
  int Width() const { return 800 / divisor; }
  int Height() const { return 600 / divisor; }
  int CellWidth() const { return 32 / divisor; }
  int CellHeight() const { return 24 / divisor; }
};
inline constexpr int TitleScene = -1;  // the title screen, as a scene

// A frame as drawn: `rgba` is the size's Width() by Height() pixels.
using DrawnFrameLook = std::function<void(long frame, int scene, const std::uint8_t* rgba)>;

struct OffscreenRun {
  int exitStatus = -1;
  bool finished = false;    // ended by the Player on a closing screen
  std::vector<int> sceneOf;  // the scene of each frame
  long drawn = 0;            // frames that were not the same as the one before
};

// An analysis for frames of that size, in its cells.
flashing::FlashAnalysis AnalysisFor(OffscreenSize size);

// Plays from start-up to the Player's quit (or `frameLimit` frames), in the
// working directory, which must hold Assets/, handing every frame to
// `analysis` (made for `size`). `look`, if given, sees every frame after it.
OffscreenRun PlayOffscreen(PlayerPlan plan, GameOptions options, flashing::FlashAnalysis& analysis,
                           OffscreenSize size = {}, const DrawnFrameLook& look = nullptr, long frameLimit = 200000);
