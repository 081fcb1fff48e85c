#pragma once
// Where things are drawn on the 800 by 600 logical screen, and the colours of
// the filled layers, as the game's description gives them (x, y, w, h).
// Written out by hand from the description, never from the game's constants.

namespace record {

struct Place {
  float x, y, w, h;
};

struct Colour {
  int r, g, b, a;
};

inline constexpr Place Screen{0, 0, 800, 600};
inline constexpr Place Prompt{320, 20, 180, 60};      // Move, Use, click a lot
inline constexpr Place WalkPrompt{360, 20, 140, 40};  // hold W
inline constexpr Place Item{680, 400, 90, 200};       // the lighter and the water bottle
inline constexpr Place Rod{580, 200, 190, 400};
inline constexpr Place Food{550, 400, 250, 200};
inline constexpr Place NextDayCard{280, 200, 200, 100};
inline constexpr Place DialogueBand{0, 450, 800, 150};
// The toothbrush: x, w and h fixed; y 400 while the brush is "up", 350 after a stroke.
inline constexpr Place ToothbrushUp{400, 400, 250, 30};
inline constexpr Place ToothbrushDown{400, 350, 250, 30};
inline constexpr Place ToothbrushAtStart{400, 350, 250, 30};
inline constexpr Place CursorAtStart{450, 200, 10, 15};
inline constexpr Place JumpscareAtStart{0, 400, 800, 600};

// Source rectangles of the four static frames; the widths grow as listed.
inline constexpr Place StaticFrames[4] = {{0, 0, 128, 128}, {128, 0, 256, 128}, {256, 0, 384, 128}, {384, 0, 512, 128}};

// The backdrop presets.
inline constexpr Place RoomView{-650, -200, 2000, 1000};
inline constexpr Place ScreenView{0, 0, 800, 600};

inline constexpr Colour DialogueBandColour{64, 64, 64, 200};
inline constexpr Colour CarLeadInCover{0, 0, 0, 255};
inline constexpr Colour CameraFlashColour{255, 255, 255, 255};
// The night tint's colour without its alpha (which is NightTint): a hint of
// red in scenes 90 and 91 only.
inline constexpr Colour NightTintColour{0, 0, 5, 0};
inline constexpr Colour LastEscapeTintColour{8, 0, 5, 0};
inline constexpr Colour ClearColourAfterFrame{0, 0, 0, 0};
// The fade is black at alpha FadeAlpha; while the next day is held the screen
// is first covered with opaque black, then the card is drawn.
inline constexpr Colour FadeColour{0, 0, 0, 0};
inline constexpr Colour NextDayCover{0, 0, 0, 255};

}  // namespace record
