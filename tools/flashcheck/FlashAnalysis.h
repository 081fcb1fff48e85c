#pragma once
// A check of moving pictures for light that flashes, as the common guideline
// for photosensitive viewers defines it:
//
// - Relative luminance from sRGB: each channel decoded to linear light, then
//   0.2126 R + 0.7152 G + 0.0722 B, so 0 is black and 1 is white.
// - A transition is a change of luminance by at least a tenth of the maximum
//   (0.1), one way, where the darker of its two states is below 0.8. A flash
//   is a pair of opposing transitions.
// - A red transition is a change of (R - G - B) x 320 (linear channels, never
//   below 0) by more than 20, to or from a saturated red, R / (R + G + B) of
//   at least 0.8. Red flashes are counted apart from the others.
// - Only what at least a quarter of the screen does together counts.
// - More than three flashes (more than six transitions) in any one second fails.
//
// The frames are looked at in cells: each cell's light is the mean linear
// colour of its pixels (what the eye gathers from it), and each cell follows
// its own rises and falls. A rise or fall becomes a transition once it has
// gone 0.1 from the last turning point, however many frames it takes, so a
// slow fade is one transition and a flicker is many. The screen makes a
// transition once the cells that made one the same way since its last (and
// within the last second) cover a quarter of it. Its transitions alternate, up
// and down, one a frame at most: a cut that lights one quarter and darkens
// another is one change, not a flash, while two quarters flashing in turn make
// a transition at every turn. Separately, each frame's change from the one
// before is measured as it is: the share of the screen that moved one way by
// 0.1 (or by a red change) in that one step.

#include <cstdint>
#include <vector>

namespace flashing {

inline constexpr float TransitionLuminance = 0.10f;
inline constexpr float DarkerStateBelow = 0.80f;
inline constexpr float RedTransition = 20.0f;  // more than this
inline constexpr float SaturatedRedShare = 0.80f;
inline constexpr float ScreenShare = 0.25f;
inline constexpr int MostFlashesPerSecond = 3;

// A transition of the screen: at least a quarter of it went up (or down) together.
struct ScreenTransition {
  long frame;  // counted from 0
  bool up;
  bool red;
};

// The largest share of the screen that moved one way from one frame to the next.
struct StepChange {
  long frame;   // the later frame
  float share;  // of the screen, 0 to 1
  bool red;
};

// A stretch of frames in which every one-second window ending there holds more
// than three flashes of one kind.
struct FailingStretch {
  long firstFrame;  // the end of the first failing window
  long lastFrame;   // the end of the last
  int mostTransitions;
  bool red;
};

class FlashAnalysis {
 public:
  // Frames of `width` by `height` pixels, looked at in cells of `cellWidth`
  // by `cellHeight` (which divide them); `framesPerSecond` frames make a second.
  FlashAnalysis(int width, int height, int cellWidth, int cellHeight, int framesPerSecond = 60);
  ~FlashAnalysis();
  FlashAnalysis(const FlashAnalysis&) = delete;
  FlashAnalysis& operator=(const FlashAnalysis&) = delete;

  // The next frame: rows top to bottom, each pixel four bytes R G B A
  // (alpha ignored), rows `stride` bytes apart (0: packed).
  void Add(const std::uint8_t* rgba, int stride = 0);
  // The next frame is the same picture as the one before.
  void AddSame();

  long Frames() const { return frames_; }
  const std::vector<ScreenTransition>& Transitions() const { return transitions_; }
  // Every frame whose step from the frame before moved a quarter of the screen
  // or more one way past a threshold (empty if none did).
  const std::vector<StepChange>& SuddenSteps() const { return suddenSteps_; }
  // The largest one-way share of any single step so far, luminance or red,
  // and that of the last frame's step.
  StepChange LargestStep() const { return largestStep_; }
  StepChange LastStep() const { return lastStep_; }
  const std::vector<FailingStretch>& Failing() const { return failing_; }

 private:
  struct Leg;  // one cell's rises and falls, of luminance or of red
  struct Cell;
  struct Screen;  // the screen's way, and its transitions of the last second

  void CountWindows(bool red);

  int width_, height_, cellWidth_, cellHeight_, cellsWide_, cellsHigh_;
  int framesPerSecond_;
  long frames_ = 0;
  std::vector<Cell> cells_;
  std::vector<Screen> screens_;  // luminance, red
  std::vector<ScreenTransition> transitions_;
  std::vector<StepChange> suddenSteps_;
  StepChange largestStep_{-1, 0, false};
  StepChange lastStep_{-1, 0, false};
  std::vector<FailingStretch> failing_;
  std::vector<float> linearSums_;  // per cell: R, G, B
};

}  // namespace flashing
